#include "app/status_text.h"
#include "app/toolbar_buttons.h"
#include "res/resource.h"
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

TEST(ToolbarButtons, ImagesAndDefaultLayout)
{
    EXPECT_EQ(ToolbarButtonImage(-1), -1);
    EXPECT_EQ(ToolbarButtonImage(ToolbarButtonCount), -1);
    EXPECT_EQ(ToolbarCommandImage(CMD_OPTIONS), -1);
    const int images[][2] = {{CMD_CUT, 0},      {CMD_HELP, 11},    {CMD_PRINT, 14},   {CMD_SAVE_AS, 8},
                             {CMD_TO_ANSI, 15}, {CMD_TO_KOI8, 17}, {CMD_JUSTIFY, 18}, {CMD_CODING_DIALOG, 19}};
    for (const auto& image : images) EXPECT_EQ(ToolbarCommandImage(image[0]), image[1]) << image[0];
    std::vector<int> expected = {CMD_NEW, CMD_OPEN, CMD_SAVE, 0, CMD_CUT, CMD_COPY, CMD_PASTE, 0, CMD_UNDO};
    EXPECT_EQ(DefaultToolbarLayout(), expected);
}
