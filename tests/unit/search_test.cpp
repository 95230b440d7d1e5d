#include <gtest/gtest.h>

#include <random>
#include <string>

#include "coding/unicode_tables.h"
#include "search/backward_find.h"
#include "search/history_order.h"
#include "search/search_text.h"

namespace {

std::string Encode(const std::u16string& text, Coding coding)
{
    std::string bytes;
    for (char16_t ch : text) bytes += static_cast<char>(UnicodeToByte(coding, ch));
    return bytes;
}

TEST(SearchText, HexadecimalInputTakesCharactersInPairs)
{
    // A blank is half a pair, a zero byte ends the text, only 32 characters count.
    const std::pair<const char*, std::string> cases[] = {
        {"4142", "AB"},
        {"41 42", "\x41\x04\x02"},
        {"C", "\x0C"},
        {"zz", ""},
        {"4100ff", "A"},
        {"e0E1x", "\xE0\xE1"},
        {"4142434445464748494A4B4C4D4E4F50515253", "ABCDEFGHIJKLMNOP"}};
    for (const auto& c : cases) EXPECT_EQ(ParseHexBytes(c.first), c.second) << c.first;
}

TEST(SearchText, PickedWordLosesBlanksAndIsShownInWindows1251)
{
    const std::u16string word = u"Щука,\tрыба\r\n";
    for (Coding view : {CodingAnsi, CodingOem, CodingKoi8}) {
        std::string bytes = Encode(word, view);
        EXPECT_EQ(PickedWord(bytes.data(), bytes.size(), view), Encode(u"Щука,рыба", CodingAnsi)) << view;
        std::string typed = Encode(u"ёЖ", CodingAnsi);
        TypedToView(typed, view);
        EXPECT_EQ(typed, Encode(u"ёЖ", view)) << view;
    }
    // UTF-8: the bytes of each letter.
    EXPECT_EQ(PickedWord("\xD0\xA9 \xD1\x83", 5, CodingUtf8), Encode(u"Щу", CodingAnsi));
    std::string typed = Encode(u"ёЖ", CodingAnsi);
    TypedToView(typed, CodingUtf8);
    EXPECT_EQ(typed, "\xD1\x91\xD0\x96");
    const std::string longWord(40, 'x');
    EXPECT_EQ(PickedWord(longWord.data(), longWord.size(), CodingAnsi), std::string(32, 'x'));
    EXPECT_EQ(PickedWord("ab\0cd", 5, CodingAnsi), "ab");
}

TEST(SearchHistory, NewestFirstWithoutCopiesAtMostTen)
{
    HistoryTexts texts;
    EXPECT_EQ(PushHistory(texts, "a"), 0);
    EXPECT_EQ(PushHistory(texts, "b"), 1);   // the empty slot 1 is taken
    EXPECT_EQ(PushHistory(texts, "a"), 1);   // moves to the head, no second copy
    EXPECT_EQ(texts, (HistoryTexts{"a", "b"}));
    for (char c = 'c'; c <= 'j'; ++c) PushHistory(texts, std::string(1, c));
    EXPECT_EQ(PushHistory(texts, "k"), 9);   // the eleventh distinct text: "b" falls off
    EXPECT_EQ(texts, (HistoryTexts{"k", "j", "i", "h", "g", "f", "e", "d", "c", "a"}));
}

// Random texts against a plain backward scan; the bytes the forward find looks
// at stay within about twice the range, however the occurrences lie.
TEST(BackwardFind, FindsTheLastOccurrenceEndingByTheEnd)
{
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        std::string text(1 + random() % 400, 'x');
        for (char& c : text) c = "ab"[random() % (round % 3 == 0 ? 20 : 2) == 0 ? 0 : 1];
        std::string pattern(1 + random() % 3, 'a');
        int64_t end = random() % (text.size() + 1);
        int64_t searched = 0;
        auto find = [&](int64_t from, int64_t to) -> int64_t {
            for (int64_t at = from; at + static_cast<int64_t>(pattern.size()) <= to; ++at) {
                ++searched;
                if (text.compare(static_cast<size_t>(at), pattern.size(), pattern) == 0) return at;
            }
            return -1;
        };
        int64_t expected = -1;
        for (int64_t at = 0; at + static_cast<int64_t>(pattern.size()) <= end; ++at)
            if (text.compare(static_cast<size_t>(at), pattern.size(), pattern) == 0) expected = at;
        ASSERT_EQ(FindLastBefore(end, pattern.size(), find), expected) << "round " << round;
        EXPECT_LE(searched, 2 * end + 16 * 4) << "round " << round;
    }
}

}   // namespace
