// The coding guess over the first bytes of a text.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "coding/detect.h"
#include "coding/unicode_tables.h"
#include "coding/utf8.h"

namespace {

std::vector<uint8_t> Encode(const std::u16string& text, Coding coding)
{
    std::vector<uint8_t> bytes;
    for (char16_t ch : text) bytes.push_back(UnicodeToByte(coding, ch));
    return bytes;
}

Coding Detect(const std::vector<uint8_t>& bytes)
{
    return DetectViewCoding(bytes.data(), bytes.size());
}

const std::u16string Prose = u"Мороз и солнце; день чудесный!\r\nЕще ты дремлешь, друг прелестный.\r\n";

}   // namespace

TEST(DetectViewCoding, RecognisesEachViewCoding)
{
    EXPECT_EQ(Detect(Encode(Prose, CodingOem)), CodingOem);
    EXPECT_EQ(Detect(Encode(Prose, CodingKoi8)), CodingKoi8);
    EXPECT_EQ(Detect(Encode(Prose, CodingAnsi)), CodingAnsi);
    EXPECT_EQ(Detect({}), CodingAnsi);
    EXPECT_EQ(DetectViewCoding(nullptr, 0), CodingAnsi);
    EXPECT_EQ(Detect(Encode(u"plain ASCII text\r\n", CodingAnsi)), CodingAnsi);
}

TEST(DetectViewCoding, DecisionOrder)
{
    // OEM wins only with more bytes than ANSI; a tie falls to the KOI8 pattern.
    EXPECT_EQ(Detect({0x80, 0xF2}), CodingAnsi);
    EXPECT_EQ(Detect({0x80, 0xA0, 0xF2}), CodingOem);
    EXPECT_EQ(Detect({0x80, 0xF2, ' ', 0xE0, 0xC0}), CodingKoi8);
    EXPECT_EQ(Detect({0x80, 0xA0, 0xF2, ' ', 0xE0, 0xC0}), CodingOem);
    // The pattern needs a byte below 0x61 first, then E0..FF, then C0..DF.
    EXPECT_EQ(Detect({'a', 0xE0, 0xC0}), CodingAnsi);
    EXPECT_EQ(Detect({'`', 0xFF, 0xDF}), CodingKoi8);
    EXPECT_EQ(Detect({' ', 0xDF, 0xC0}), CodingAnsi);
    EXPECT_EQ(Detect({' ', 0xE0, 0xE0}), CodingAnsi);
    // KOI8-R needs more of its capitalised words than 1251's (C0..DF then E0..FF).
    EXPECT_EQ(Detect({' ', 0xC0, 0xE0, ' ', 0xE0, 0xC0}), CodingAnsi);
    EXPECT_EQ(Detect({' ', 0xE0, 0xC0, 'A', 0xC0, 0xE0, '\n', 0xFF, 0xDF}), CodingKoi8);
}

TEST(DetectViewCoding, LooksOnlyAtTheSample)
{
    std::vector<uint8_t> text(DetectSampleLimit, 'x');
    text.insert(text.end(), 10, 0x80);
    EXPECT_EQ(Detect(text), CodingAnsi);
    text[DetectSampleLimit - 1] = 0x80;
    EXPECT_EQ(Detect(text), CodingOem);

    // A pattern that straddles the end of the sample sees zeros there.
    std::vector<uint8_t> koi(DetectSampleLimit + 2, 'x');
    koi[DetectSampleLimit - 2] = ' ';
    koi[DetectSampleLimit - 1] = 0xE0;
    koi[DetectSampleLimit] = 0xC0;
    EXPECT_EQ(Detect(koi), CodingAnsi);
    koi[DetectSampleLimit - 3] = ' ';
    koi[DetectSampleLimit - 2] = 0xE0;
    koi[DetectSampleLimit - 1] = 0xC0;
    EXPECT_EQ(Detect(koi), CodingKoi8);
    EXPECT_EQ(Detect({' ', 0xE0}), CodingAnsi);
}

TEST(DetectViewCoding, RandomBytesPastTheSampleNeverCount)
{
    std::mt19937 rng(11);
    for (int round = 0; round < 300; ++round) {
        std::vector<uint8_t> text(rng() % 6000);
        for (auto& b : text) b = uint8_t(rng() % 3 ? 0xC0 + rng() % 64 : rng());
        const Coding guess = Detect(text);
        ASSERT_LE(guess, CodingKoi8);
        if (text.size() > DetectSampleLimit) text.resize(DetectSampleLimit);
        ASSERT_EQ(Detect(text), guess);
    }
}

// Random slices of Russian prose in each view coding: the share guessed
// right must not fall below its floor at any of three slice sizes.
TEST(DetectViewCoding, RussianProseCorpus)
{
    std::ifstream file(VERKO_TEST_DATA "/fortunes_utf8.txt", std::ios::binary);
    const std::vector<uint8_t> prose{std::istreambuf_iterator<char>(file), {}};
    ASSERT_GT(prose.size(), 50000u);
    const struct {
        size_t slice;
        double floor[ViewCodingCount];   // per cent: ANSI, OEM, KOI8
    } targets[] = {{100, {100, 100, 93}}, {1024, {100, 100, 100}}, {DetectSampleLimit, {100, 100, 100}}};
    for (int coding = 0; coding < ViewCodingCount; ++coding) {
        std::vector<uint8_t> text(prose.size());
        text.resize(ConvertText(prose.data(), prose.size(), CodingUtf8, coding, text.data(), text.size()));
        std::mt19937 rng(17);
        for (const auto& t : targets) {
            int right = 0;
            for (int k = 0; k < 400; ++k)
                right += DetectViewCoding(text.data() + rng() % (text.size() - t.slice), t.slice) == coding;
            EXPECT_GE(right / 4.0, t.floor[coding]) << CodingName[coding] << ", " << t.slice << " bytes";
        }
    }
}
