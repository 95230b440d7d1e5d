// Paragraph alignment and the widening of a selection to whole lines.
#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <string>
#include <vector>

#include "coding/align.h"

namespace {

std::string Align(const std::string& text, AlignMode mode, int32_t width, int32_t first = 0, int32_t left = 0,
                  bool ignoreBreaks = false)
{
    AlignParams p;
    p.firstIndent = first;
    p.leftIndent = left;
    p.rightIndent = width;
    p.ignoreLineBreaks = ignoreBreaks;
    std::vector<uint8_t> out{'x'};
    EXPECT_EQ(AlignParagraphs(reinterpret_cast<const uint8_t*>(text.data()), text.size(), mode, p, out),
              AlignOutcome::Aligned);
    return std::string(out.begin(), out.end());
}

std::string Spaces(int n)
{
    return std::string(size_t(n), ' ');
}

bool IsBlank(char c)
{
    return c == 0 || c == '\t' || c == '\n' || c == '\r' || c == ' ';
}

std::vector<std::string> Words(const std::string& s)
{
    std::vector<std::string> words;
    std::string word;
    for (char c : s) {
        if (!IsBlank(c)) {
            word += c;
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    if (!word.empty()) words.push_back(word);
    return words;
}

}   // namespace

TEST(AlignParagraphs, JustifyAlphabetAtWidth20)
{
    EXPECT_EQ(Align("a b c d e f g h i j k l m n o p q r s t u v w x y z\r\n", AlignJustify, 20),
              "a  b c d e f g h i j\r\n"
              "k  l m n o p q r s t\r\n"
              "u v w x y z\r\n");
}

TEST(AlignParagraphs, FirstIndentOnlyOnTheVeryFirstLine)
{
    EXPECT_EQ(Align("one two three four five six seven eight\r\nnine ten eleven\r\n", AlignLeft, 30, 5, 2),
              "     one two three four five\r\n"
              "  six seven eight\r\n"
              "  nine ten eleven\r\n");
}

TEST(AlignParagraphs, LineBreaksEndLinesUnlessIgnored)
{
    const std::string text = "aa bb\r\n\r\ncc dd\r\n";
    EXPECT_EQ(Align(text, AlignLeft, 80, 0, 3), "aa bb\r\n   \r\n   cc dd\r\n");
    EXPECT_EQ(Align(text, AlignLeft, 80, 0, 3, true), "aa bb cc dd\r\n");
    // Justify stretches a paragraph's last line, never the range's last line.
    EXPECT_EQ(Align("aa bb\r\ncc dd\r\n", AlignJustify, 10), "aa      bb\r\ncc dd\r\n");
    // Tabs and runs of blanks become single gaps; leading blanks go.
    EXPECT_EQ(Align("  aa\t\t bb   cc\r\n", AlignLeft, 80), "aa bb cc\r\n");
}

TEST(AlignParagraphs, LoneLineFeedsAndCarriageReturnsEndLinesToo)
{
    EXPECT_EQ(Align("alpha beta\ngamma", AlignLeft, 80), "alpha beta\r\ngamma\r\n");
    EXPECT_EQ(Align("aa\rbb\n\ncc\r\ndd\r\ree \n", AlignLeft, 80, 0, 1),
              "aa\r\n bb\r\n \r\n cc\r\n dd\r\n \r\n ee\r\n");
    // Any one kind of line break gives what CR LF gives (the text ends in a
    // word: a final CR LF after an overlong word gets a line of its own).
    std::mt19937 rng(3);
    const char* const pieces[] = {"ab", "c", "\xE0\xE1", " ", "\t", " \t", "\r\n"};
    for (int round = 0; round < 1000; ++round) {
        std::string crlf;
        for (int n = rng() % 40; n > 0; --n) crlf += pieces[rng() % 7];
        crlf += 'c';
        std::string lf = crlf, cr = crlf;
        for (size_t at; (at = lf.find("\r\n")) != std::string::npos;) lf.erase(at, 1);
        for (size_t at; (at = cr.find("\r\n")) != std::string::npos;) cr.erase(at + 1, 1);
        const AlignMode mode = AlignMode(rng() % 4);
        const int32_t width = int32_t(rng() % 20), first = int32_t(rng() % 4), left = int32_t(rng() % 4);
        const bool ignoreBreaks = rng() % 4 == 0;
        const std::string expected = Align(crlf, mode, width, first, left, ignoreBreaks);
        ASSERT_EQ(Align(lf, mode, width, first, left, ignoreBreaks), expected) << round;
        ASSERT_EQ(Align(cr, mode, width, first, left, ignoreBreaks), expected) << round;
    }
}

TEST(AlignParagraphs, WideWordStandsAlone)
{
    EXPECT_EQ(Align("ab abcdefghijklmno cd\r\n", AlignLeft, 10), "ab\r\nabcdefghijklmno\r\ncd\r\n");
}

TEST(AlignParagraphs, CenterAndRight)
{
    EXPECT_EQ(Align("abc\r\n", AlignCenter, 10), Spaces(3) + "abc\r\n");   // F = 7
    EXPECT_EQ(Align("abcdefghi\r\n", AlignCenter, 10), "abcdefghi\r\n");   // F = 1
    // Center takes the left indent for the first line too.
    EXPECT_EQ(Align("ab\r\ncd\r\n", AlignCenter, 20, 10, 4), Spaces(11) + "ab\r\n" + Spaces(11) + "cd\r\n");
    EXPECT_EQ(Align("ab cd\r\nef gh\r\n", AlignRight, 10), "     ab cd\r\n     ef gh\r\n");
    // The uncounted last byte pushes the last line one column right.
    EXPECT_EQ(Align("ab cd\r\nef gh", AlignRight, 10), "     ab cd\r\n      ef gh\r\n");
}

TEST(AlignParagraphs, IndentsResetNearTheWidth)
{
    EXPECT_EQ(Align("ab cd\r\nef\r\n", AlignLeft, 12, 4, 4), "ab cd\r\nef\r\n");
    EXPECT_EQ(Align("ab cd\r\nef\r\n", AlignLeft, 13, 4, 4), "    ab cd\r\n    ef\r\n");
    EXPECT_EQ(Align("ab cd\r\nef\r\n", AlignLeft, 13, 4, 5), "    ab cd\r\nef\r\n");
    // Tiny widths give one word per line; the overlong last word leaves its
    // line break to a line of its own.
    EXPECT_EQ(Align("aa b c\r\n", AlignLeft, 0, 3, 3), "aa\r\nb\r\nc\r\n\r\n");
    EXPECT_EQ(Align("aa b c\r\n", AlignJustify, -1, 3, 3), "aa\r\nb\r\nc\r\n\r\n");
}

TEST(AlignParagraphs, LastByteIsWrittenButNotCounted)
{
    // The uncounted last byte is a word of its own and keeps its gap.
    EXPECT_EQ(Align("ab c", AlignLeft, 80), "ab c\r\n");
    EXPECT_EQ(Align("ab c", AlignJustify, 80), "ab c\r\n");
    EXPECT_EQ(Align("x", AlignLeft, 80, 2), "  x\r\n");
    EXPECT_EQ(Align(" ", AlignRight, 10, 2), Spaces(2) + Spaces(9) + "\r\n");
    EXPECT_EQ(Align("", AlignLeft, 80, 2), "  ");
}

// Past the limit nothing is made, and the outcome tells whether the indents
// alone were too long: those of the first line, or of a second one when a
// line break before the range's last makes one.
TEST(AlignParagraphs, OutputPastTheLimitFailsCleanlyAndSaysWhy)
{
    const struct {
        int32_t first, left, width;
        size_t limit;
        std::string text;
        AlignOutcome outcome;
    } cases[] = {
        {0x7FFFFFF0, 0x7FFFFFF0, INT_MAX, 0x7FFFFFFF, "a\r\nb\r\n", AlignOutcome::IndentsTooLong},
        {0, INT_MAX - 9, INT_MAX, 1 << 20, "a\r\nb\r\n", AlignOutcome::IndentsTooLong},
        {0, INT_MAX - 9, INT_MAX, 1 << 20, "a\rb", AlignOutcome::IndentsTooLong},
        {(1 << 20) - 1, 0, INT_MAX, 1 << 20, "a", AlignOutcome::IndentsTooLong},
        {(1 << 20) - 2, INT_MAX - 9, INT_MAX, 1 << 20, "a b\r\n", AlignOutcome::TooLong},   // one line
        {0, 0, 1, 8, "a b c d", AlignOutcome::TooLong},
        // "a" CR LF, indent, "b" CR LF: exactly the limit still fits, one more byte does not.
        {0, (1 << 20) - 6, INT_MAX, 1 << 20, "a\r\nb", AlignOutcome::Aligned},
        {0, (1 << 20) - 5, INT_MAX, 1 << 20, "a\r\nb", AlignOutcome::TooLong},
    };
    for (const auto& c : cases) {
        AlignParams p;
        p.firstIndent = c.first;
        p.leftIndent = c.left;
        p.rightIndent = c.width;
        p.outputLimit = c.limit;
        std::vector<uint8_t> out{'x'};
        EXPECT_EQ(AlignParagraphs(reinterpret_cast<const uint8_t*>(c.text.data()), c.text.size(), AlignLeft, p, out),
                  c.outcome)
            << c.text << " " << c.first << " " << c.left;
        EXPECT_EQ(out.size(), c.outcome == AlignOutcome::Aligned ? c.limit : 0);
    }
}

TEST(AlignParagraphs, RandomTextKeepsEveryWordInOrder)
{
    std::mt19937 rng(7);
    const std::string alphabet = "ab \r\n\t\x00\xE0";
    const AlignMode modes[] = {AlignJustify, AlignCenter, AlignLeft, AlignRight};
    for (int round = 0; round < 2000; ++round) {
        std::string text(rng() % 300, ' ');
        for (char& c : text) c = alphabet[rng() % 8];
        const int32_t width = int32_t(rng() % 40) - 5 + (round % 50 == 0 ? 20000 : 0);
        const std::string out =
            Align(text, modes[rng() % 4], width, int32_t(rng() % 50) - 5, int32_t(rng() % 50) - 5, rng() % 2);
        ASSERT_EQ(Words(out), Words(text)) << round;
        if (!text.empty()) {
            ASSERT_GE(out.size(), 2u);
            ASSERT_EQ(out.substr(out.size() - 2), "\r\n");
        }
        for (char c : out) ASSERT_TRUE(c != '\t' && c != 0) << round;
    }
}

TEST(WidenToLines, MovesStartBackAndEndToItsLineEnd)
{
    // Lines "hello\r\n" at 0 and "world\r\n" at 7.
    auto r = WidenToLines({2, 9}, 0, 7, 5);
    EXPECT_EQ(r.start, 0);
    EXPECT_EQ(r.end, 12);
    r = WidenToLines({2, 12}, 0, 7, 5);   // already at its line end
    EXPECT_EQ(r.end, 12);
    r = WidenToLines({0, 9}, 0, 7, 5);   // starts at a line start: unchanged
    EXPECT_EQ(r.start, 0);
    EXPECT_EQ(r.end, 9);
    r = WidenToLines({9, 10}, 7, 7, 5);
    EXPECT_EQ(r.start, 7);
    EXPECT_EQ(r.end, 12);
}
