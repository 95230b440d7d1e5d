// Transliteration, quoted-printable decoding and line-break completion, with
// the fast paths compared against plain byte-by-byte readings of the rules.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "coding/transform.h"
#include "coding/unicode_tables.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes B(const std::string& s)
{
    return Bytes(s.begin(), s.end());
}

Bytes Encode(const std::u16string& text, Coding coding)
{
    Bytes bytes;
    for (char16_t ch : text) bytes.push_back(UnicodeToByte(coding, ch));
    return bytes;
}

// Runs a transformation into an output block exactly as large as promised,
// with a guard byte behind it.
template <class Transform> Bytes Run(const Bytes& in, Transform transform)
{
    const size_t capacity = TransformOutputCapacity(in.size());
    Bytes out(capacity + 1, 0xA5);
    const size_t n = transform(in.data(), in.size(), out.data());
    EXPECT_LE(n, capacity);
    EXPECT_EQ(out[capacity], 0xA5) << "wrote past the promised capacity";
    out.resize(n);
    return out;
}

Bytes Translit(const Bytes& in, Coding view)
{
    return Run(in, [view](const uint8_t* i, size_t l, uint8_t* o) { return Transliterate(i, l, view, o); });
}
Bytes Qp(const Bytes& in)
{
    return Run(in, DecodeQuotedPrintable);
}
Bytes Breaks(const Bytes& in)
{
    return Run(in, CompleteLineBreaks);
}

// The rules read one byte at a time, over a copy with the two zero bytes behind.
Bytes SlowQp(Bytes in)
{
    const size_t length = in.size();
    in.push_back(0);
    in.push_back(0);
    auto hex = [](uint8_t c) { return std::string("0123456789ABCDEF").find(char(c)); };
    Bytes out;
    for (size_t i = 0; i < length;) {
        if (in[i] == '=' && in[i + 1] && in[i + 2] && hex(in[i + 1]) != std::string::npos
            && hex(in[i + 2]) != std::string::npos) {
            out.push_back(uint8_t(hex(in[i + 1]) * 16 + hex(in[i + 2])));
            i += 3;
        } else {
            out.push_back(in[i++]);
        }
    }
    return out;
}

Bytes SlowBreaks(const Bytes& in)
{
    Bytes out;
    for (size_t i = 0; i < in.size(); ++i) {
        out.push_back(in[i]);
        if (in[i] == '\r' && (i + 1 == in.size() || in[i + 1] != '\n')) out.push_back('\n');
    }
    return out;
}

Bytes SlowTranslit(Bytes in, Coding view)
{
    RecodeBytes(in.data(), in.size(), ToOemSlot[view]);
    Bytes out;
    for (uint8_t b : in) {
        out.push_back(b < 0x80 ? b : TranslitTable[b - 0x80]);
        if (TranslitSecondLetter(b)) out.push_back(TranslitSecondLetter(b));
    }
    return out;
}

}   // namespace

TEST(Transliterate, RussianWords)
{
    EXPECT_EQ(Translit(Encode(u"Щука", CodingOem), CodingOem), B("SHuka"));
    EXPECT_EQ(Translit(Encode(u"ёж", CodingOem), CodingOem), B("ezh"));
    EXPECT_EQ(Translit(Encode(u"ЮЯ", CodingOem), CodingOem), B("IUIA"));
    EXPECT_EQ(Translit(Encode(u"Жёлтый", CodingAnsi), CodingAnsi), B("ZHeltyy"));
    EXPECT_EQ(Translit(Encode(u"Чаща, шхуна; Ы ы Ъ ь Э э", CodingKoi8), CodingKoi8), B("CHasha, shhuna; I y ' ' E e"));
    const std::u16string alphabet = u"абвгдеёжзийклмнопрстуфхцчшщъыьэюя";
    EXPECT_EQ(Translit(Encode(alphabet, CodingOem), CodingOem), B("abvgdeezhziyklmnoprstufhcchshsh'y'eiuia"));
}

TEST(Transliterate, NonLettersKeepTheirOemValue)
{
    // Box drawing and the signs after ё are copied as OEM bytes whatever the view.
    EXPECT_EQ(Translit({0xB0, 0xDF, 0xF2, 0xFF, 'x'}, CodingOem), (Bytes{0xB0, 0xDF, 0xF2, 0xFF, 'x'}));
    EXPECT_EQ(Translit({0xAA, 0xAB}, CodingAnsi), (Bytes{0xF2, '<'}));   // ANSI Є «
    EXPECT_EQ(Translit({}, CodingAnsi), Bytes{});
    // In UTF-8 only letters change: a frame, a sign, an emoji and an invalid byte keep their bytes.
    EXPECT_EQ(Translit(B("\xD0\x96\xD1\x91\xE2\x94\x80\xE2\x84\x96\xF0\x9F\x98\x80\x80\xD0"), CodingUtf8),
              B("ZHe\xE2\x94\x80\xE2\x84\x96\xF0\x9F\x98\x80\x80\xD0"));
}

TEST(QuotedPrintable, Escapes)
{
    EXPECT_EQ(Qp(B("=D8=E0")), (Bytes{0xD8, 0xE0}));
    EXPECT_EQ(Qp(B("=d8")), B("=d8"));
    EXPECT_EQ(Qp(B("=D8=e0")), (Bytes{0xD8, '=', 'e', '0'}));
    EXPECT_EQ(Qp(B("==41")), B("=A"));
    EXPECT_EQ(Qp(B("soft=\r\nbreak_x")), B("soft=\r\nbreak_x"));
    EXPECT_EQ(Qp(B("end=")), B("end="));
    EXPECT_EQ(Qp(B("end=4")), B("end=4"));
    EXPECT_EQ(Qp(B("=4")), B("=4"));
    EXPECT_EQ(Qp(B("=41")), B("A"));
    EXPECT_EQ(Qp(B("=3D41")), B("=41"));
    EXPECT_EQ(Qp(B("=G1=1G")), B("=G1=1G"));
    EXPECT_EQ(Qp({}), Bytes{});
}

TEST(LineBreaks, BareCarriageReturnsGetLineFeeds)
{
    EXPECT_EQ(Breaks(B("a\rb\r\nc\nd\r")), B("a\r\nb\r\nc\nd\r\n"));
    EXPECT_EQ(Breaks(B("\r\r\r")), B("\r\n\r\n\r\n"));
    EXPECT_EQ(Breaks(B("\r\n\r\n")), B("\r\n\r\n"));
    EXPECT_EQ(Breaks(B("\n\r")), B("\n\r\n"));
    EXPECT_EQ(Breaks({}), Bytes{});
}

TEST(Transformations, RandomInputsMatchTheRules)
{
    std::mt19937 rng(20240601);
    const Bytes alphabet = B("=\r\n0123456789ABCDEFabcdef xG");
    for (int round = 0; round < 3000; ++round) {
        Bytes in(rng() % (round < 2900 ? 40 : 5000));
        const bool dense = rng() % 2;
        for (auto& b : in) b = dense ? alphabet[rng() % alphabet.size()] : uint8_t(rng());
        ASSERT_EQ(Qp(in), SlowQp(in));
        ASSERT_EQ(Breaks(in), SlowBreaks(in));
        const Coding view = Coding(rng() % CodingCount);
        ASSERT_EQ(Translit(in, view), SlowTranslit(in, view));
    }
}
