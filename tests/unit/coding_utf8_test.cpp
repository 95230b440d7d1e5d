// UTF-8 decoding and encoding, against glibc's iconv on Russian prose and on
// every byte of each coding, and on broken UTF-8.
#include <gtest/gtest.h>
#include <iconv.h>

#include <string>
#include <vector>

#include "coding/utf8.h"
#include "tests/unit/test_data.h"

namespace {

using Bytes = std::vector<uint8_t>;

const char* const IconvName[CodingCount] = {"CP1251", "CP866", "KOI8-R", "ISO-8859-5", "MAC-CYRILLIC"};

Bytes Iconv(const Bytes& in, const char* from, const char* to)
{
    Bytes out(3 * in.size());
    iconv_t cd = iconv_open(to, from);
    char* src = reinterpret_cast<char*>(const_cast<uint8_t*>(in.data()));
    char* dst = reinterpret_cast<char*>(out.data());
    size_t srcLeft = in.size(), dstLeft = out.size();
    EXPECT_TRUE(cd != iconv_t(-1) && iconv(cd, &src, &srcLeft, &dst, &dstLeft) != size_t(-1)) << from << to;
    if (cd != iconv_t(-1)) iconv_close(cd);
    out.resize(out.size() - dstLeft);
    return out;
}

Bytes Convert(const Bytes& in, int from, int to)
{
    Bytes out(ConvertedCapacity(in.size()) + 1);
    const size_t n = ConvertText(in.data(), in.size(), from, to, out.data(), out.size());
    EXPECT_NE(n, ConvertedTooLong);
    out.resize(n);
    return out;
}

Bytes B(const std::string& s)
{
    return Bytes(s.begin(), s.end());
}

}   // namespace

TEST(Utf8, RussianProseMatchesIconvBothWays)
{
    const Bytes prose = ReadTestData("fortunes_utf8.txt");
    ASSERT_GT(prose.size(), 50000u);
    for (int c = 0; c < CodingCount; ++c) {
        const Bytes coded = Iconv(prose, "UTF-8", IconvName[c]);
        EXPECT_EQ(Convert(prose, CodingUtf8, c), coded) << IconvName[c];
        EXPECT_EQ(Convert(coded, c, CodingUtf8), prose) << IconvName[c];
    }
}

TEST(Utf8, EveryByteOfEachCodingMatchesIconvBothWays)
{
    for (int c = 0; c < CodingCount; ++c) {
        Bytes all;
        for (int b = 0; b < 256; ++b)
            if (!(c == CodingAnsi && b == 0x98) && !(c == CodingMac && b == 0xFF)) all.push_back(uint8_t(b));
        const Bytes utf8 = Iconv(all, IconvName[c], "UTF-8");
        EXPECT_EQ(Convert(all, c, CodingUtf8), utf8) << IconvName[c];
        EXPECT_EQ(Convert(utf8, CodingUtf8, c), all) << IconvName[c];
    }
    // Where iconv has no answer: 1251's undefined 0x98 is the control U+0098, Mac's 0xFF the euro sign.
    EXPECT_EQ(Convert({0x98}, CodingAnsi, CodingUtf8), B("\xC2\x98"));
    EXPECT_EQ(Convert(B("\xC2\x98"), CodingUtf8, CodingAnsi), Bytes{0x98});
    EXPECT_EQ(Convert({0xFF}, CodingMac, CodingUtf8), B("\xE2\x82\xAC"));
}

TEST(Utf8, BrokenSequencesAreCopiedUnchanged)
{
    const struct {
        std::string in, ansi;
    } cases[] = {
        {"\xEF\xBB\xBF\xD0\xBC\xD0\xB8\xD1\x80", "\xEC\xE8\xF0"},   // a leading byte-order mark goes: мир
        {"a\xEF\xBB\xBF", "a?"},                                    // elsewhere 1251 lacks it
        {"\x80\xBF", "\x80\xBF"},                                   // continuation bytes alone
        {"\xD0", "\xD0"},
        {"\xD0"
         "x\xD0\xD0\x9F",
         "\xD0"
         "x\xD0\xCF"},   // a lead byte cut short, then П
        {"\xE2\x80", "\xE2\x80"},
        {"\xE2\x80"
         "a\xE2\x80\x94",
         "\xE2\x80"
         "a\x97"},                                              // cut short, then a dash
        {"\xC0\xAF\xC1\xBF\xE0\x80\xAF\xF0\x80\x80\xAF", ""},   // overlong forms
        {"\xED\xA0\x80\xED\xBF\xBF", ""},                       // surrogates
        {"\xF4\x90\x80\x80\xF5\x80\x80\x80\xFF\xFE", ""},       // past U+10FFFF
        {"\xF0\x9F\x98\x80\xC5\x82\xE2\x82\xAC", "??\x88"},     // beyond U+FFFF, ł, €
    };
    for (const auto& c : cases) {
        const Bytes in = B(c.in);
        EXPECT_EQ(Convert(in, CodingUtf8, CodingAnsi), c.ansi.empty() ? in : B(c.ansi)) << c.in;
        EXPECT_EQ(Convert(in, CodingUtf8, CodingUtf8), in) << c.in;
        EXPECT_EQ(Convert(in, 7, CodingAnsi), in) << c.in;
    }
}

TEST(Utf8, NeverWritesPastTheOutputLimit)
{
    const struct {
        Bytes in;
        int from, to;
    } cases[] = {
        {B("\xEF\xBB\xBF\xD0\xBC\xD0"
           "a\xF0\x9F\x98\x80"),
         CodingUtf8, CodingKoi8},
        {{0x85, 'a', 0xE0, 0x98, 0xB9}, CodingAnsi, CodingUtf8},   // … a я control №
        {{0x85, 'a', 0xE0}, CodingAnsi, CodingOem},
        {{0x85, 'a', 0xE0}, CodingUtf8, CodingUtf8},
    };
    for (const auto& c : cases) {
        const Bytes full = Convert(c.in, c.from, c.to);
        for (size_t limit = 0; limit <= full.size() + 4; ++limit) {
            Bytes out(limit + 1, 0xA5);
            const size_t n = ConvertText(c.in.data(), c.in.size(), c.from, c.to, out.data(), limit);
            EXPECT_EQ(out[limit], 0xA5) << limit;
            if (limit < full.size())
                EXPECT_EQ(n, ConvertedTooLong) << limit;
            else
                EXPECT_EQ(Bytes(out.begin(), out.begin() + n), full) << limit;
        }
    }
}
