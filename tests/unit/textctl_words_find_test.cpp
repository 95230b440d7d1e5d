#include <gtest/gtest.h>

#include <random>
#include <string>

#include "coding/unicode_tables.h"
#include "coding/utf8_chars.h"
#include "textctl/find_text.h"
#include "textctl/text_buffer.h"
#include "textctl/word_break.h"

namespace {

void Fill(TextBuffer& buffer, const std::string& text)
{
    buffer.Clear();
    ASSERT_TRUE(buffer.Insert(0, reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

int64_t Find(const TextBuffer& buffer, const std::string& pattern, size_t min = 0, int64_t max = -1, unsigned flags = 0,
             Coding coding = CodingAnsi)
{
    return FindText(buffer, min, max, reinterpret_cast<const uint8_t*>(pattern.data()), pattern.size(), flags, coding);
}

// The bytes of a Unicode string in a coding, by the program's tables.
std::string Encode(const std::u16string& text, Coding coding)
{
    std::string bytes;
    for (char16_t ch : text) bytes += static_cast<char>(UnicodeToByte(coding, ch));
    return bytes;
}

TEST(WordBreak, MovesRightOverWordAndBlanks)
{
    TextBuffer buffer;
    Fill(buffer, "one  two,\t\xE0\xE1 x\r\ny");
    EXPECT_EQ(WordRight(buffer, 0), 5u);   // "one" and two spaces
    EXPECT_EQ(WordRight(buffer, 1), 5u);
    EXPECT_EQ(WordRight(buffer, 5), 8u);     // "two" stops at the comma
    EXPECT_EQ(WordRight(buffer, 8), 10u);    // "," and the tab
    EXPECT_EQ(WordRight(buffer, 10), 13u);   // bytes >= 0x80 are letters
    EXPECT_EQ(WordRight(buffer, 14), 16u);   // CR LF is one step
    EXPECT_EQ(WordRight(buffer, 17), 17u);
    EXPECT_EQ(WordRight(buffer, 99), 17u);
}

TEST(WordBreak, MovesLeftToWordStarts)
{
    TextBuffer buffer;
    Fill(buffer, "one  two,\t\xE0\xE1 x\r\ny");
    EXPECT_EQ(WordLeft(buffer, 16), 14u);   // back over CR LF
    EXPECT_EQ(WordLeft(buffer, 14), 13u);
    EXPECT_EQ(WordLeft(buffer, 13), 10u);
    EXPECT_EQ(WordLeft(buffer, 10), 8u);   // the tab, then the comma
    EXPECT_EQ(WordLeft(buffer, 7), 5u);
    EXPECT_EQ(WordLeft(buffer, 5), 0u);
    EXPECT_EQ(WordLeft(buffer, 0), 0u);
    EXPECT_EQ(WordLeft(buffer, 99), 16u);
}

TEST(WordBreak, DoubleClickSelection)
{
    TextBuffer buffer;
    Fill(buffer, "ab cd..\r\n");
    WordRange word = WordAt(buffer, 1);
    EXPECT_EQ(word.start, 0u);
    EXPECT_EQ(word.end, 3u);   // with its trailing blank
    word = WordAt(buffer, 5);
    EXPECT_EQ(word.start, 5u);
    EXPECT_EQ(word.end, 7u);    // a punctuation run
    word = WordAt(buffer, 7);   // just past the line's end
    EXPECT_EQ(word.start, 5u);
    Fill(buffer, "\r\n\r\n");
    word = WordAt(buffer, 3);
    EXPECT_EQ(word.start, 2u);
    EXPECT_EQ(word.end, 4u);
    buffer.Clear();
    word = WordAt(buffer, 0);
    EXPECT_EQ(word.end, 0u);
}

TEST(FindText, RangeFlagsAndMisses)
{
    TextBuffer buffer;
    Fill(buffer, "cat concat Cat cats");
    EXPECT_EQ(Find(buffer, "cat"), 0);
    EXPECT_EQ(Find(buffer, "cat", 1), 7);
    EXPECT_EQ(Find(buffer, "cat", 1, 9), -1);   // the match must end inside the range
    EXPECT_EQ(Find(buffer, "cat", 1, 10), 7);
    EXPECT_EQ(Find(buffer, "Cat", 1, -1, FindMatchCase), 11);
    EXPECT_EQ(Find(buffer, "cat", 1, -1, FindWholeWord), 11);
    EXPECT_EQ(Find(buffer, "cat", 12, -1, FindWholeWord), -1);
    EXPECT_EQ(Find(buffer, "dog"), -1);
    EXPECT_EQ(Find(buffer, ""), -1);
    EXPECT_EQ(Find(buffer, "cats", 0, 1000), 15);   // max past the end
    EXPECT_EQ(Find(buffer, "cat", 500), -1);
}

TEST(FindText, FoldsCyrillicByTheShownCoding)
{
    const std::u16string small = u"ёжик";
    const std::u16string capital = u"ЁЖИК";
    for (Coding coding : {CodingAnsi, CodingOem, CodingKoi8}) {
        TextBuffer buffer;
        Fill(buffer, "x " + Encode(capital, coding) + " y");
        const std::string pattern = Encode(small, coding);
        EXPECT_EQ(Find(buffer, pattern, 0, -1, 0, coding), 2) << coding;
        EXPECT_EQ(Find(buffer, pattern, 0, -1, FindMatchCase, coding), -1) << coding;
    }
    // OEM's capital and small Р and Ё are no case pairs in ANSI.
    TextBuffer buffer;
    Fill(buffer, Encode(u"РЁ", CodingOem));
    EXPECT_EQ(Find(buffer, Encode(u"рё", CodingOem), 0, -1, 0, CodingOem), 0);
    EXPECT_EQ(Find(buffer, Encode(u"рё", CodingOem), 0, -1, 0, CodingAnsi), -1);
    // In UTF-8 "с" must not find "у", whose bytes differ as Ѓ and ѓ do in ANSI.
    Fill(buffer, "\xD1\x83 Xy \xD1\x81");
    EXPECT_EQ(Find(buffer, "\xD1\x81", 0, -1, 0, CodingUtf8), 6);
}

// UTF-8 without match case: each character of the pattern matches itself or
// its other case as a whole, so the bytes of two case pairs never mix.
TEST(FindText, FoldsUtf8LettersAsWholeCharacters)
{
    auto utf8 = [](const std::u16string& text) {
        std::string bytes;
        for (char16_t ch : text) {
            uint8_t unit[4];
            bytes.append(reinterpret_cast<char*>(unit), EncodeUtf8Char(ch, unit));
        }
        return bytes;
    };
    const std::string dots(65535, '.');
    struct Case {
        std::string text, pattern;
        unsigned flags;
        int64_t expected;
    };
    const Case cases[] = {
        {utf8(u"x Ёлка"), utf8(u"ёЛКА"), 0, 2},   // Ёлка by ёЛКА
        {utf8(u"Ёлка ёЛКА"), utf8(u"ёЛКА"), FindMatchCase, 9},
        {utf8(u"А Ѐ Р"), utf8(u"ѐ"), 0, 3},   // ѐ: not А, whose bytes are Ѐ's and ѐ's mixed
        {utf8(u"Ѐ Р"), utf8(u"р"), 0, 3},     // р: not Ѐ
        {utf8(u"аЯё Xy"), utf8(u"АяЁ xY"), 0, 0},
        {utf8(u"ёжики ёж, ЁЖ"), utf8(u"ЁЖ"), FindWholeWord, 11},
        {utf8(u"ёжики ёж, ЁЖ"), utf8(u"ЁЖ"), FindWholeWord | FindMatchCase, 17},
        {"a\xD0\xFF\xD1", "\xFF\xD1", 0, 2},           // invalid bytes match themselves
        {dots + utf8(u"ЁЖ"), utf8(u"ёж"), 0, 65535},   // across the store's chunks
    };
    for (const Case& c : cases) {
        TextBuffer buffer;
        Fill(buffer, c.text);
        EXPECT_EQ(Find(buffer, c.pattern, 0, -1, c.flags, CodingUtf8), c.expected) << c.pattern;
    }
}

TEST(FindText, MatchesAcrossChunkBoundaries)
{
    TextBuffer buffer;
    std::string text(65534, '.');
    text += "NeedLE";
    text += std::string(70000, '.') + "needle";
    Fill(buffer, text);
    EXPECT_EQ(Find(buffer, "needle"), 65534);
    EXPECT_EQ(Find(buffer, "needle", 0, -1, FindMatchCase), static_cast<int64_t>(text.size() - 6));
    EXPECT_EQ(Find(buffer, "LE.", 65535, -1, FindMatchCase), 65538);
}

// Random texts over a few letters of both cases, against a plain search
// that folds with the same table: checks ranges, skips and chunk crossings.
TEST(FindText, AgreesWithPlainSearch)
{
    std::mt19937 random(5);
    const char letters[] = {'a', 'A', 'b', 'B', '\xE0', '\xC0', ' '};
    const uint8_t* fold = CaseFoldTable(CodingAnsi);
    for (int round = 0; round < 200; ++round) {
        std::string text(round < 190 ? random() % 300 : 65536 + random() % 2000, 'x');
        for (char& c : text) c = letters[random() % sizeof letters];
        std::string pattern(1 + random() % 4, 'x');
        for (char& c : pattern) c = letters[random() % sizeof letters];
        TextBuffer buffer;
        Fill(buffer, text);
        size_t min = random() % (text.size() + 1);
        int64_t max = random() % 4 == 0 ? -1 : static_cast<int64_t>(random() % (text.size() + 1));
        unsigned flags = random() % 2 ? unsigned(FindMatchCase) : 0u;
        size_t end = max < 0 ? text.size() : static_cast<size_t>(max);
        int64_t expected = -1;
        for (size_t at = min; expected < 0 && at + pattern.size() <= end; ++at) {
            size_t k = 0;
            while (k < pattern.size()
                   && (flags ? text[at + k] == pattern[k] : fold[uint8_t(text[at + k])] == fold[uint8_t(pattern[k])]))
                ++k;
            if (k == pattern.size()) expected = static_cast<int64_t>(at);
        }
        ASSERT_EQ(Find(buffer, pattern, min, max, flags), expected) << "round " << round;
    }
}

}   // namespace
