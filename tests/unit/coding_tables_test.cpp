// The recode and character tables checked against the code pages as glibc's
// iconv publishes them (tests/data/coding_reference.txt) and against the
// listed look-alike replacements, value by value.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "coding/coding_tables.h"
#include "coding/unicode_tables.h"

namespace {

constexpr int NoChar = -1;
using CodePage = std::array<int, 256>;   // byte -> code point or NoChar

const std::array<CodePage, CodingCount>& Reference()
{
    static const std::array<CodePage, CodingCount> pages = [] {
        std::array<CodePage, CodingCount> p{};
        for (auto& page : p)
            for (int b = 0; b < 256; ++b) page[b] = b < 0x80 ? b : NoChar;
        FILE* f = std::fopen(VERKO_TEST_DATA "/coding_reference.txt", "r");
        if (!f) return p;
        int coding;
        unsigned byte;
        char cp[16];
        while (std::fscanf(f, "%d %x %15s", &coding, &byte, cp) == 3)
            if (coding >= 0 && coding < CodingCount && byte < 256 && cp[0] != '-')
                p[coding][byte] = int(std::stoul(cp, nullptr, 16));
        std::fclose(f);
        return p;
    }();
    return pages;
}

// The reference byte of a code point in a coding, or NoChar.
int ReferenceByte(int coding, int codePoint)
{
    for (int b = 0; b < 256; ++b)
        if (Reference()[coding][b] == codePoint) return b;
    return NoChar;
}

struct SlotCodings {
    int source, target;
};
constexpr SlotCodings SlotEnds[RecodeSlotCount] = {
    {CodingOem, CodingAnsi}, {CodingAnsi, CodingOem}, {CodingOem, CodingKoi8}, {CodingKoi8, CodingOem},
    {CodingOem, CodingMac},  {CodingMac, CodingOem},  {CodingOem, CodingIso},  {CodingIso, CodingOem},
};

uint8_t Recoded(int slot, int b)
{
    uint8_t x = uint8_t(b);
    RecodeBytes(&x, 1, slot);
    return x;
}

// Checks a slot whose entries are the published mapping except for `replaced`,
// and that exactly the bytes the target lacks are replaced.
void ExpectPublishedExcept(int slot, const std::map<int, int>& replaced)
{
    const SlotCodings ends = SlotEnds[slot];
    for (int b = 0x80; b < 0x100; ++b) {
        const int target = ReferenceByte(ends.target, Reference()[ends.source][b]);
        auto it = replaced.find(b);
        if (it != replaced.end()) {
            EXPECT_EQ(target, NoChar) << "slot " << slot << " byte " << b << " has a published counterpart";
            EXPECT_EQ(Recoded(slot, b), it->second) << "slot " << slot << " byte " << b;
        } else {
            EXPECT_EQ(Recoded(slot, b), target) << "slot " << slot << " byte " << b;
        }
    }
}

std::map<int, int> RowsFrom(int firstByte, const std::vector<int>& values)
{
    std::map<int, int> m;
    for (size_t i = 0; i < values.size(); ++i) m[firstByte + int(i)] = values[i];
    return m;
}

}   // namespace

TEST(UnicodeTables, MatchPublishedCodePages)
{
    for (int coding = 0; coding < CodingCount; ++coding)
        ASSERT_NE(Reference()[coding][0xC0], NoChar) << "coding_reference.txt lacks coding " << coding;
    for (int coding = 0; coding < CodingCount; ++coding) {
        const Coding c = Coding(coding);
        for (int b = 0; b < 256; ++b) {
            int expected = Reference()[coding][b];
            if (coding == CodingMac && b == 0xFF) expected = 0x20AC;   // iconv still has the old ¤ here
            if (expected == NoChar) expected = 0xFFFD;
            EXPECT_EQ(int(ByteToUnicode(c, uint8_t(b))), expected) << "coding " << coding << " byte " << b;
            EXPECT_EQ(ByteToUnicodeTable(c)[b], ByteToUnicode(c, uint8_t(b)));
            if (expected != 0xFFFD) {
                EXPECT_EQ(UnicodeToByte(c, char16_t(expected)), b) << "coding " << coding;
            }
        }
    }
}

TEST(UnicodeTables, MissingCharactersBecomeQuestionMarks)
{
    EXPECT_EQ(UnicodeToByte(CodingOem, u'€'), '?');
    EXPECT_EQ(UnicodeToByte(CodingKoi8, u'Є'), '?');
    EXPECT_EQ(UnicodeToByte(CodingAnsi, u'║'), '?');
    EXPECT_EQ(UnicodeToByte(CodingAnsi, char16_t(0xFFFD)), '?');
    EXPECT_EQ(UnicodeToByte(CodingIso, char16_t(0x4E00)), '?');
    EXPECT_EQ(UnicodeToByte(CodingMac, u'€'), 0xFF);
    EXPECT_EQ(UnicodeToByte(CodingAnsi, u'я'), 0xFF);
    EXPECT_EQ(UnicodeToByte(CodingKoi8, u'x'), 'x');
}

TEST(RecodeTables, OemToAnsiPublishedPlusLookAlikes)
{
    auto replaced = RowsFrom(0xB0, {0x2D, 0x2D, 0x2D, 0xA6, 0x2B, 0xA6, 0xA6, 0xAC, 0xAC, 0xA6, 0xA6, 0xAC,
                                    0x2D, 0x2D, 0x2D, 0xAC, 0x4C, 0x2B, 0x54, 0x2B, 0x2D, 0x2B, 0xA6, 0xA6,
                                    0x4C, 0xE3, 0xA6, 0x54, 0xA6, 0x3D, 0x2B, 0xA6, 0xA6, 0x54, 0x54, 0x4C,
                                    0x4C, 0x2D, 0xE3, 0x2B, 0x2B, 0x2D, 0x2D, 0x2D, 0x2D, 0xA6, 0xA6, 0x2D});
    replaced[0xF9] = 0x95;
    replaced[0xFB] = 0x76;
    replaced[0xFE] = 0xA6;
    ExpectPublishedExcept(SlotOemToAnsi, replaced);
}

TEST(RecodeTables, AnsiToOemPublishedPlusLookAlikes)
{
    const std::vector<int> upperHalf = {0x3F, 0x3F, 0x27, 0x3F, 0x22, 0x3A, 0xC5, 0xD8, 0x3F, 0x25, 0x3F, 0x3C, 0x3F,
                                        0x3F, 0x3F, 0x3F, 0x3F, 0x27, 0x27, 0x22, 0x22, 0x07, 0x2D, 0x2D, 0x3F, 0x54,
                                        0x3F, 0x3E, 0x3F, 0x3F, 0x3F, 0x3F, 0xFF, 0xF6, 0xF7, 0x3F, 0xFD, 0x3F, 0xB3,
                                        0x15, 0xF0, 0x63, 0xF2, 0x3C, 0xBF, 0x2D, 0x52, 0xF4, 0xF8, 0x2B, 0x49, 0x69,
                                        0x3F, 0xE7, 0x14, 0xFA, 0xF1, 0xFC, 0xF3, 0x3E, 0x3F, 0x3F, 0x3F, 0xF5};
    for (int b = 0x80; b < 0xC0; ++b) EXPECT_EQ(Recoded(SlotAnsiToOem, b), upperHalf[b - 0x80]) << b;
    std::map<int, int> replaced;
    for (int b = 0x80; b < 0xC0; ++b)
        if (ReferenceByte(CodingOem, Reference()[CodingAnsi][b]) == NoChar) replaced[b] = upperHalf[b - 0x80];
    EXPECT_EQ(replaced.size(), 64u - 13u);   // 13 characters of 0x80..0xBF exist in CP866
    ExpectPublishedExcept(SlotAnsiToOem, replaced);
}

TEST(RecodeTables, OemToKoi8PublishedPlusLookAlikes)
{
    ExpectPublishedExcept(
        SlotOemToKoi8,
        {{0xF2, 'E'}, {0xF3, 'e'}, {0xF4, 'I'}, {0xF5, 'i'}, {0xF6, 'Y'}, {0xF7, 'y'}, {0xFC, 'N'}, {0xFD, 0xBF}});
}

TEST(RecodeTables, Koi8ToOemPublishedPlusLookAlikes)
{
    ExpectPublishedExcept(
        SlotKoi8ToOem,
        {{0x93, 0xB3}, {0x9B, 0xB3}, {0x97, 0xCD}, {0x98, '<'}, {0x99, '>'}, {0x9D, 0xF8}, {0x9F, ':'}, {0xBF, 0xFD}});
}

TEST(RecodeTables, MacAndIsoMoveOnlyRussianLetters)
{
    std::map<int, int> macToOem, isoToOem;
    for (int b = 0x80; b < 0x100; ++b) macToOem[b] = isoToOem[b] = b;
    for (int b = 0xE0; b <= 0xEF; ++b) macToOem[b] = b - 0x40;
    for (int b = 0xF0; b <= 0xFE; ++b) macToOem[b] = b - 0x10;
    macToOem[0xDF] = 0xEF;
    macToOem[0xDD] = 0xF0;
    macToOem[0xDE] = 0xF1;
    macToOem[0xDC] = 0xFC;
    macToOem[0xCA] = 0xFF;
    macToOem[0xC7] = macToOem[0xC8] = macToOem[0xD0] = macToOem[0xD1] = 0;
    for (int b = 0xB0; b <= 0xDF; ++b) isoToOem[b] = b - 0x30;
    isoToOem[0xA1] = 0xF0;
    isoToOem[0xF0] = 0xFC;
    isoToOem[0xA0] = 0xFF;
    const struct {
        int toOem, fromOem;
        const std::map<int, int>& moves;
    } pairs[] = {{SlotMacToOem, SlotOemToMac, macToOem}, {SlotIsoToOem, SlotOemToIso, isoToOem}};
    for (const auto& p : pairs) {
        std::map<int, int> inverse;
        for (int b = 0x80; b < 0x100; ++b) inverse[b] = b;
        for (const auto& [from, to] : p.moves)
            if (to != 0 && to != from) inverse[to] = from;
        for (int b = 0x80; b < 0x100; ++b) {
            EXPECT_EQ(Recoded(p.toOem, b), p.moves.at(b)) << "slot " << p.toOem << " byte " << b;
            EXPECT_EQ(Recoded(p.fromOem, b), inverse.at(b)) << "slot " << p.fromOem << " byte " << b;
        }
    }
}

TEST(RecodeTables, RussianLettersRoundTripBetweenEveryPair)
{
    std::vector<int> letters = {0x401, 0x451};
    for (int cp = 0x410; cp <= 0x44F; ++cp) letters.push_back(cp);
    ASSERT_EQ(letters.size(), 66u);
    for (int a = 0; a < CodingCount; ++a) {
        for (int b = 0; b < CodingCount; ++b) {
            std::vector<uint8_t> text{'x', '\r', '\n'}, expected{'x', '\r', '\n'};
            for (int cp : letters) {
                text.push_back(uint8_t(ReferenceByte(a, cp)));
                expected.push_back(uint8_t(ReferenceByte(b, cp)));
            }
            const std::vector<uint8_t> original = text;
            ConvertCoding(text.data(), text.size(), Coding(a), Coding(b));
            EXPECT_EQ(text, expected) << a << " -> " << b;
            ConvertCoding(text.data(), text.size(), Coding(b), Coding(a));
            EXPECT_EQ(text, original) << a << " -> " << b << " -> " << a;
        }
    }
}

TEST(RecodeTables, AsciiNeverChangesAndBadSlotsDoNothing)
{
    std::vector<uint8_t> ascii(128), all(256);
    for (int i = 0; i < 256; ++i) all[i] = uint8_t(i);
    for (int i = 0; i < 128; ++i) ascii[i] = uint8_t(i);
    for (int slot = -2; slot <= 10; ++slot) {
        std::vector<uint8_t> t = ascii;
        RecodeBytes(t.data(), t.size(), slot);
        EXPECT_EQ(t, ascii);
        if (slot < 0 || slot > 7) {
            t = all;
            RecodeBytes(t.data(), t.size(), slot);
            EXPECT_EQ(t, all) << slot;
        }
    }
    for (int a = 0; a < CodingCount; ++a)
        for (int b = 0; b < CodingCount; ++b) {
            std::vector<uint8_t> t = ascii;
            ConvertCoding(t.data(), t.size(), Coding(a), Coding(b));
            EXPECT_EQ(t, ascii);
        }
    std::vector<uint8_t> t = ascii;
    FidoSubstitute(t.data(), t.size());
    EXPECT_EQ(t, ascii);
}

TEST(RecodeTables, ConversionsGoThroughOem)
{
    // ANSI « » — … Є, OEM and back; ANSI Є reaches KOI8 as "E".
    std::vector<uint8_t> t = {0xAB, 0xBB, 0x97, 0x85, 0xC0};
    ConvertCoding(t.data(), t.size(), CodingAnsi, CodingAnsi);
    EXPECT_EQ(t, (std::vector<uint8_t>{'<', '>', '-', ':', 0xC0}));
    t = {0xAA};
    ConvertCoding(t.data(), t.size(), CodingAnsi, CodingKoi8);
    EXPECT_EQ(t[0], 'E');
    // MAC « » – — become zero bytes in every coding.
    for (int to = 0; to < CodingCount; ++to) {
        t = {0xC7, 0xC8, 0xD0, 0xD1};
        ConvertCoding(t.data(), t.size(), CodingMac, Coding(to));
        EXPECT_EQ(t, std::vector<uint8_t>(4, 0)) << to;
    }
    // ISO to ISO keeps Russian letters and the small non-Russian letters
    // (ђ ѓ є ѕ і ї ј љ њ ћ ў); the capitals Ђ..Џ keep their byte in OEM, where
    // it is а..п, and so come back as в..п.
    t = {0xB0, 0xEF, 0xA1, 0xF1, 0xF2, 0xF3, 0xF4, 0xF5, 0xF6, 0xF7, 0xF8, 0xF9, 0xFA, 0xFB, 0xFE, 0xA4};
    ConvertCoding(t.data(), t.size(), CodingIso, CodingIso);
    EXPECT_EQ(t,
              (std::vector<uint8_t>{0xB0, 0xEF, 0xA1, 0xF1, 0xF2, 0xF3, 0xF4, 0xF5, 0xF6, 0xF7, 0xF8, 0xF9, 0xFA, 0xFB,
                                    0xFE, 0xD4}));
    // OEM to OEM changes nothing at all.
    t = {0x80, 0xB0, 0xFF};
    ConvertCoding(t.data(), t.size(), CodingOem, CodingOem);
    EXPECT_EQ(t, (std::vector<uint8_t>{0x80, 0xB0, 0xFF}));
}

TEST(RecodeTables, FidoReplacesOnlyCapitalEnAndSmallEr)
{
    std::vector<uint8_t> t = {0x8D, 0xE0, 0xAD, 0x90, 'H'};
    FidoSubstitute(t.data(), t.size());
    EXPECT_EQ(t, (std::vector<uint8_t>{'H', 'p', 0xAD, 0x90, 'H'}));
}

TEST(RecodeTables, SlotRowsAndNames)
{
    EXPECT_EQ(std::vector<int>(ToOemSlot, ToOemSlot + 5), (std::vector<int>{1, -1, 3, 7, 5}));
    EXPECT_EQ(std::vector<int>(FromOemSlot, FromOemSlot + 5), (std::vector<int>{0, -1, 2, 6, 4}));
    EXPECT_STREQ(CodingName[0], "ANSI (1251)");
    EXPECT_STREQ(CodingName[1], "OEM (866)");
    EXPECT_STREQ(CodingName[2], "KOI8 R");
    EXPECT_STREQ(CodingName[3], "ISO");
    EXPECT_STREQ(CodingName[4], "MAC");
}
