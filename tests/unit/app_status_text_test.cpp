#include "app/status_text.h"
#include <gtest/gtest.h>

TEST(StatusPanes, CaretAndKeyboardTexts)
{
    struct {
        uint32_t column, line;
        const char* text;
    } carets[] = {{1, 1, "   1:1"}, {12, 345, "  12:345"}, {4096, 2, "4096:2"}, {123456, 7, "123456:7"}};
    for (const auto& caret : carets) EXPECT_EQ(CaretPaneText(caret.column, caret.line), caret.text);
    const char* layouts[][2] = {
        {"00000409", "EN"}, {"00000419", "RU"}, {"00000407", "00000407"}, {"00010409", "00010409"}, {"", ""}};
    for (const auto& layout : layouts) EXPECT_EQ(KeyboardPaneText(layout[0]), layout[1]);
}
