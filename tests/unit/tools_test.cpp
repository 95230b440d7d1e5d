// The byte editor's hexadecimal numbers and the tags HTML colouring finds.
#include <gtest/gtest.h>
#include <cstdio>
#include <string>

#include "tools/hex_number.h"
#include "tools/html_tags.h"

namespace {

TEST(HexNumber, ReadsUpToEightDigitsAndRefusesAnythingElse)
{
    // clang-format off
    const std::pair<const char*, int64_t> cases[] = {   // -1: not a number
        {"", 0}, {"1FF", 0x1FF}, {"aBcD", 0xABCD}, {"ffffffff", 0xFFFFFFFF}, {"123456789", 0x12345678},
        {"0000000Fx", 15}, {"x1", -1}, {"1x", -1}, {" 1", -1}, {"G", -1}, {"-1", -1}, {"\xC0", -1}, {"1234567g9", -1}};
    // clang-format on
    for (auto [text, expected] : cases) {
        uint32_t value = 0;
        EXPECT_EQ(ParseHexNumber(text, &value) ? int64_t(value) : -1, expected) << text;
    }
    for (int byte = 0; byte < 256; ++byte) {
        char text[3], expected[3];
        FormatHexByte(static_cast<uint8_t>(byte), text);
        std::snprintf(expected, sizeof expected, "%02X", byte);
        EXPECT_STREQ(text, expected);
    }
}

TEST(HtmlTags, OnlyTheShortestStretchFromAnOpeningToAClosingBracketIsATag)
{
    // clang-format off
    const std::pair<std::string, std::string> cases[] = {   // the text, and '^' for each byte of a tag
        {"a< b<p>c</p>", "....^^^.^^^^"}, {"text <b>x</b> <tail", ".....^^^.^^^^......"}, {"<<a>", ".^^^"},
        {"<a><b>", "^^^^^^"}, {"<>", "^^"}, {">a>", "..."}, {"", ""}, {std::string("<a\0b>x<", 7), "^^^^^.."}};
    // clang-format on
    for (const auto& [text, expected] : cases) {
        std::string mask(text.size(), '.');
        size_t start = 0, end = 0;
        for (size_t from = 0; NextHtmlTag(text.data(), text.size(), from, &start, &end); from = end) {
            EXPECT_TRUE(from <= start && start < end);
            mask.replace(start, end - start, end - start, '^');
        }
        EXPECT_EQ(mask, expected) << text;
    }
}

}   // namespace
