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
    const std::string longWord(40, 'x');
    EXPECT_EQ(PickedWord(longWord.data(), longWord.size(), CodingAnsi), std::string(32, 'x'));
    EXPECT_EQ(PickedWord("ab\0cd", 5, CodingAnsi), "ab");
}

// The UTF-8 view keeps every character, 1251 or not, within 32 characters and SearchTextBytes.
TEST(SearchText, Utf8ViewKeepsTheFieldsOwnCharacters)
{
    const std::string emoji = "\xF0\x9F\x98\x80";
    const std::pair<std::string, std::u16string> picked[] = {
        {"\xD0\xA9 \xD1\x83\r\n", u"Щу"},
        {"a\xFF" + emoji + "\xC3\xA9", u"a\uFFFD\U0001F600é"},
        {std::string(40, 'x'), std::u16string(32, u'x')},
        {"ab" + std::string(1, '\0') + "cd", u"ab"}};
    for (const auto& c : picked) EXPECT_EQ(PickedUtf8Word(c.first.data(), c.first.size()), c.second) << c.first;

    std::string emojis;
    for (int i = 0; i < 24; ++i) emojis += emoji;
    std::u16string typedEmojis;
    for (int i = 0; i < 40; ++i) typedEmojis += u"\U0001F600";
    const std::pair<std::u16string, std::string> typed[] = {
        {u"ёЖé\U0001F600", "\xD1\x91\xD0\x96\xC3\xA9" + emoji},
        {std::u16string(40, u'x'), std::string(32, 'x')},
        {typedEmojis, emojis}};
    for (const auto& c : typed) EXPECT_EQ(TypedAsUtf8(c.first), c.second) << c.second;
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
