// The characters of the UTF-8 view: which bytes make one, where the caret may
// stop (also across the byte store's chunks), what is drawn, and columns.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "coding/utf16.h"
#include "coding/utf8_chars.h"
#include "textctl/text_buffer.h"
#include "textctl/utf8_text.h"

namespace {

const uint8_t* Bytes(const std::string& s)
{
    return reinterpret_cast<const uint8_t*>(s.data());
}

// The stops found by reading forward, one character after another.
std::vector<size_t> ForwardStops(const std::string& s)
{
    std::vector<size_t> stops;
    for (size_t pos = 0; pos < s.size(); pos += Utf8CharAt(Bytes(s) + pos, s.size() - pos).length)
        stops.push_back(pos);
    stops.push_back(s.size());
    return stops;
}

// Every position's character start, next and previous stop, against the stops.
void ExpectStops(const TextBuffer& text, const std::vector<size_t>& stops)
{
    for (size_t pos = 0, i = 0; pos <= text.Length(); ++pos) {
        if (i + 1 < stops.size() && stops[i + 1] <= pos) ++i;
        const bool atStop = stops[i] == pos;
        ASSERT_EQ(Utf8CharStart(text, pos), stops[i]) << pos;
        ASSERT_EQ(Utf8NextStop(text, pos), i + 1 < stops.size() ? stops[i + 1] : text.Length()) << pos;
        ASSERT_EQ(Utf8PreviousStop(text, pos), atStop ? stops[i > 0 ? i - 1 : 0] : stops[i]) << pos;
    }
}

}   // namespace

TEST(Utf8Chars, ValidSequencesAreOneCharacterAndEveryOtherByteItsOwn)
{
    const struct {
        std::string bytes;
        size_t length;
        char32_t code;
        bool valid;
    } cases[] = {
        {"A", 1, 'A', true},
        {std::string(1, '\0'), 1, 0, true},
        {"\xD0\x96", 2, 0x416, true},                  // Ж
        {"\xC2\x80", 2, 0x80, true},                   // the lowest two-byte
        {"\xE2\x82\xAC", 3, 0x20AC, true},             // €
        {"\xEF\xBB\xBF", 3, 0xFEFF, true},             // byte-order mark
        {"\xED\x9F\xBF", 3, 0xD7FF, true},             // below the surrogates
        {"\xF0\x9F\x98\x80", 4, 0x1F600, true},        // an emoji
        {"\xF4\x8F\xBF\xBF", 4, 0x10FFFF, true},       // the last code point
        {"\x80", 1, 0x80, false},                      // a stray continuation byte
        {"\xC0\x80", 1, 0xC0, false},                  // overlong zero
        {"\xC1\xBF", 1, 0xC1, false},                  // overlong
        {"\xE0\x9F\xBF", 1, 0xE0, false},              // overlong three-byte
        {"\xF0\x8F\xBF\xBF", 1, 0xF0, false},          // overlong four-byte
        {"\xED\xA0\x80", 1, 0xED, false},              // a surrogate
        {"\xF4\x90\x80\x80", 1, 0xF4, false},          // past U+10FFFF
        {"\xF5\x80\x80\x80", 1, 0xF5, false},
        {"\xFF", 1, 0xFF, false},
        {"\xD0", 1, 0xD0, false},                      // cut by the end
        {"\xF0\x9F\x98", 1, 0xF0, false},
        {"\xD0\x41", 1, 0xD0, false},                  // cut by an ASCII byte
        {"\xE2\x82\xE2\x82\xAC", 1, 0xE2, false},
    };
    for (const auto& c : cases) {
        const Utf8Char ch = Utf8CharAt(Bytes(c.bytes), c.bytes.size());
        EXPECT_EQ(ch.length, c.length) << c.bytes;
        EXPECT_EQ(ch.code, c.code) << c.bytes;
        EXPECT_EQ(ch.valid, c.valid) << c.bytes;
    }
}

TEST(Utf8Chars, StopsNeverFallInsideAValidSequenceAlsoAcrossChunks)
{
    const struct {
        std::string text;
        std::vector<size_t> stops;
    } cases[] = {
        {"", {0}},
        {"a\xD0\x96" "b", {0, 1, 3, 4}},
        {"\xF0\x9F\x98\x80\xE2\x82\xAC", {0, 4, 7}},
        {"\x80\x80\xD0\x96\x80", {0, 1, 2, 4, 5}},             // continuations after a character stand alone
        {"\xF0\x9F\x98" "a", {0, 1, 2, 3, 4}},                // a cut sequence is bytes
        {"\xED\xA0\x80\xC0\xAF", {0, 1, 2, 3, 4, 5}},         // surrogate, overlong
        {"\xD0\x96\r\n\xD0", {0, 2, 3, 4, 5}},
        {"\xEF\xBB\xBF\xD0\x96", {0, 3, 5}},
    };
    for (const auto& c : cases) {
        TextBuffer text;
        text.Insert(0, Bytes(c.text), c.text.size());
        ASSERT_EQ(ForwardStops(c.text), c.stops) << c.text;
        ExpectStops(text, c.stops);
    }
    // Sequences split between chunks of the store read as any other.
    std::string big;
    while (big.size() < 200000) big += "\xD0\x96\xF0\x9F\x98\x80 \xE2\x82\xAC\x80";
    TextBuffer text;
    text.Insert(0, Bytes(big), big.size());
    ExpectStops(text, ForwardStops(big));
}

TEST(Utf8Chars, DrawnUnitsGiveSurrogatePairsAndAMarkPerInvalidByte)
{
    const struct {
        std::string bytes;
        std::u16string drawn;
    } cases[] = {
        {"A\xD0\x96\xE2\x82\xAC", u"AЖ€"},
        {"\xF0\x9F\x98\x80", u"\U0001F600"},
        {"\xEF\xBB\xBF", u"\xFEFF"},
        {"\x80\xFF", u"\xDC80\xDCFF"},
        {"\xF0\x9F\x98" "!", u"\xDCF0\xDC9F\xDC98!"},
        {"\xED\xA0\x80", u"\xDCED\xDCA0\xDC80"},
    };
    for (const auto& c : cases) {
        std::u16string drawn;
        for (size_t pos = 0; pos < c.bytes.size();) {
            const Utf8Char ch = Utf8CharAt(Bytes(c.bytes) + pos, c.bytes.size() - pos);
            char16_t units[2];
            drawn.append(units, DrawnUnits(ch, units));
            pos += ch.length;
        }
        EXPECT_EQ(drawn, c.drawn) << c.bytes;
        EXPECT_LE(drawn.size(), c.bytes.size());
    }
}

TEST(Utf8Chars, ColumnsCountCharacters)
{
    const struct {
        std::string bytes;
        size_t count;
    } cases[] = {
        {"", 0},
        {"abc", 3},
        {"\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82", 6},   // Привет
        {"\xF0\x9F\x98\x80x", 2},
        {"\x80\x80\xD0", 3},
        {"\xD0\x96\xD0", 2},
        {"\xEF\xBB\xBF", 1},
    };
    for (const auto& c : cases) EXPECT_EQ(Utf8CharCount(Bytes(c.bytes), c.bytes.size()), c.count) << c.bytes;
}

TEST(Utf8Chars, EncodingGivesTheShortestSequenceOfEachLength)
{
    const struct {
        char32_t code;
        std::string bytes;
    } cases[] = {
        {0, std::string(1, '\0')}, {0x7F, "\x7F"},        {0x80, "\xC2\x80"},         {0x416, "\xD0\x96"},
        {0x7FF, "\xDF\xBF"},       {0x800, "\xE0\xA0\x80"}, {0xFFFF, "\xEF\xBF\xBF"}, {0x10000, "\xF0\x90\x80\x80"},
        {0x1F600, "\xF0\x9F\x98\x80"}, {0x10FFFF, "\xF4\x8F\xBF\xBF"},
    };
    for (const auto& c : cases) {
        uint8_t bytes[4];
        const std::string encoded(reinterpret_cast<char*>(bytes), EncodeUtf8Char(c.code, bytes));
        EXPECT_EQ(encoded, c.bytes) << std::hex << c.code;
        EXPECT_EQ(Utf8CharAt(bytes, encoded.size()).code, c.code);
    }
}

TEST(Utf8Chars, ClipboardTextConvertsBothWaysWithReplacementsForWhatCannotBe)
{
    const struct {
        std::string utf8;
        std::u16string utf16;
        std::string back;   // empty: utf8 itself
    } cases[] = {
        {"a\xD0\x96\xE2\x82\xAC", u"aЖ€", ""},
        {"\xF0\x9F\x98\x80", u"\U0001F600", ""},
        {"\x80z\xC0\xAF", u"\xFFFDz\xFFFD\xFFFD", "\xEF\xBF\xBDz\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"\xF0\x9F\x98", u"\xFFFD\xFFFD\xFFFD", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
    };
    for (const auto& c : cases) {
        std::u16string utf16(c.utf8.size(), u'\0');
        utf16.resize(Utf8ToUtf16(Bytes(c.utf8), c.utf8.size(), &utf16[0]));
        EXPECT_EQ(utf16, c.utf16) << c.utf8;
        std::string back(3 * utf16.size(), '\0');
        back.resize(Utf16ToUtf8(utf16.data(), utf16.size(), reinterpret_cast<uint8_t*>(&back[0])));
        EXPECT_EQ(back, c.back.empty() ? c.utf8 : c.back) << c.utf8;
    }
    // Lone halves of a pair cannot be spelled in UTF-8.
    const std::u16string halves = u"\xDE00x\xD83D";
    std::string bytes(9, '\0');
    bytes.resize(Utf16ToUtf8(halves.data(), halves.size(), reinterpret_cast<uint8_t*>(&bytes[0])));
    EXPECT_EQ(bytes, "\xEF\xBF\xBDx\xEF\xBF\xBD");
}
