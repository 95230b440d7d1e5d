// UTF-8 conversion against glibc's iconv on Russian prose and on every byte
// of each coding, and on broken UTF-8.
#include <gtest/gtest.h>
#include <iconv.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "coding/utf8.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Iconv(Bytes in, const char* from, const char* to)
{
    Bytes out(3 * in.size());
    char *src = reinterpret_cast<char*>(in.data()), *dst = reinterpret_cast<char*>(out.data());
    size_t srcLeft = in.size(), dstLeft = out.size();
    iconv_t cd = iconv_open(to, from);
    EXPECT_NE(iconv(cd, &src, &srcLeft, &dst, &dstLeft), size_t(-1)) << from << " -> " << to;
    iconv_close(cd);
    out.resize(out.size() - dstLeft);
    return out;
}

Bytes Convert(const Bytes& in, int from, int to)
{
    Bytes out(ConvertedCapacity(in.size()) + 1);
    out.resize(ConvertText(in.data(), in.size(), from, to, out.data(), out.size()));
    return out;
}

}   // namespace

TEST(Utf8, MatchesIconvOnRussianProseAndEveryByteBothWays)
{
    std::ifstream file(VERKO_TEST_DATA "/fortunes_utf8.txt", std::ios::binary);
    const Bytes prose{std::istreambuf_iterator<char>(file), {}};
    ASSERT_GT(prose.size(), 50000u);
    const char* const names[CodingCount] = {"CP1251", "CP866", "KOI8-R", "ISO-8859-5", "MAC-CYRILLIC"};
    for (int c = 0; c < CodingCount; ++c) {
        Bytes coded = Iconv(prose, "UTF-8", names[c]);
        EXPECT_EQ(Convert(prose, CodingUtf8, c), coded) << names[c];
        // iconv lacks 1251's 0x98 and has the old ¤ at Mac's 0xFF (U+0098 and € here).
        for (int b = 0; b < 256; ++b)
            if (!(c == CodingAnsi && b == 0x98) && !(c == CodingMac && b == 0xFF)) coded.push_back(uint8_t(b));
        const Bytes utf8 = Iconv(coded, names[c], "UTF-8");
        EXPECT_EQ(Convert(coded, c, CodingUtf8), utf8) << names[c];
        EXPECT_EQ(Convert(utf8, CodingUtf8, c), coded) << names[c];
    }
}

TEST(Utf8, BrokenSequencesAreCopiedUnchanged)
{
    const struct {
        std::string in, ansi;   // ansi empty: the input itself
    } cases[] = {
        {"\xEF\xBB\xBF\xD0\xBC\xD0\xB8\xD1\x80", "\xEC\xE8\xF0"},     // a leading byte-order mark goes: мир
        {"a\xEF\xBB\xBF", "a?"},                                      // elsewhere 1251 lacks it
        {"\x80\xBF\xD0", ""},                                         // continuation bytes alone, a lead byte cut short
        {"\xD0x\xD0\xD0\x9F", "\xD0x\xD0\xCF"},                       // П after cut-short lead bytes
        {"\xE2\x80z\xE2\x80\x94\xE2\x80", "\xE2\x80z\x97\xE2\x80"},   // a dash among cut-short ones
        {"\xC0\xAF\xC1\xBF\xE0\x80\xAF\xF0\x80\x80\xAF", ""},         // overlong forms
        {"\xED\xA0\x80\xED\xBF\xBF", ""},                             // surrogates
        {"\xF4\x90\x80\x80\xF5\x80\x80\x80\xFF\xFE", ""},             // past U+10FFFF
        {"\xF0\x9F\x98\x80\xC5\x82\xE2\x82\xAC\xC2\x98", "??\x88\x98"},   // beyond U+FFFF, ł, €, U+0098
    };
    for (const auto& c : cases) {
        const Bytes in(c.in.begin(), c.in.end());
        EXPECT_EQ(Convert(in, CodingUtf8, CodingAnsi), c.ansi.empty() ? in : Bytes(c.ansi.begin(), c.ansi.end()))
            << c.in;
        EXPECT_EQ(Convert(in, CodingUtf8, CodingUtf8), in) << c.in;
        EXPECT_EQ(Convert(in, 7, CodingAnsi), in) << c.in;
    }
}
