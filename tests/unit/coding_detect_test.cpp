// The coding guess over the first bytes of a text.
#include <gtest/gtest.h>

#include <algorithm>
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

// Without evidence the view stays ANSI: ASCII only, or bytes that read as
// symbols alike in all three codings.
TEST(DetectViewCoding, TiesKeepAnsi)
{
    EXPECT_EQ(Detect({0xB0, 0xB1, ' ', 0xB0}), CodingAnsi);
    EXPECT_EQ(Detect({'a', 0xB1}), CodingAnsi);
    // A letter that reads as a letter in every coding is evidence enough, and
    // so are quotation marks and a dash in English text.
    EXPECT_EQ(Detect(Encode(u"ты", CodingKoi8)), CodingKoi8);
    EXPECT_EQ(Detect(Encode(u"Press «Save» — or \"Cancel\".", CodingAnsi)), CodingAnsi);
}

TEST(DetectViewCoding, LooksOnlyAtTheSample)
{
    const std::vector<uint8_t> koi8 = Encode(Prose, CodingKoi8);
    std::vector<uint8_t> text(DetectSampleLimit, 'x');
    text.insert(text.end(), koi8.begin(), koi8.end());
    EXPECT_EQ(Detect(text), CodingAnsi);
    std::copy(koi8.begin(), koi8.end(), text.begin() + DetectSampleLimit - koi8.size());
    EXPECT_EQ(Detect(text), CodingKoi8);
}

// Valid UTF-8 with Cyrillic letters is recognised and shown in the UTF-8 view,
// even cut inside a character at either end.
TEST(DetectViewCoding, RecognisesUtf8)
{
    std::vector<uint8_t> utf8(ConvertedCapacity(Prose.size()));
    const std::vector<uint8_t> ansi = Encode(Prose, CodingAnsi);
    utf8.resize(ConvertText(ansi.data(), ansi.size(), CodingAnsi, CodingUtf8, utf8.data(), utf8.size()));
    const struct {
        size_t from, to;
        bool utf8;
    } cases[] = {{0, utf8.size(), true}, {1, utf8.size() - 1, true}, {3, 20, true}, {0, 1, false}};
    for (const auto& c : cases) {
        const CodingGuess guess = GuessCoding(utf8.data() + c.from, c.to - c.from);
        EXPECT_EQ(guess.coding == CodingUtf8, c.utf8) << c.from << ".." << c.to;
        EXPECT_EQ(DetectViewCoding(utf8.data() + c.from, c.to - c.from) == CodingUtf8, c.utf8);
    }
    std::vector<uint8_t> broken = utf8;
    broken[10] = 0xFF;
    EXPECT_NE(GuessCoding(broken.data(), broken.size()).coding, CodingUtf8);
    EXPECT_NE(GuessCoding(ansi.data(), ansi.size()).coding, CodingUtf8);
}

TEST(DetectViewCoding, RandomBytesPastTheSampleNeverCount)
{
    std::mt19937 rng(11);
    for (int round = 0; round < 300; ++round) {
        std::vector<uint8_t> text(rng() % 6000);
        for (auto& b : text) b = uint8_t(rng() % 3 ? 0xC0 + rng() % 64 : rng());
        const Coding guess = Detect(text);
        ASSERT_TRUE(IsViewCoding(guess));
        if (text.size() > DetectSampleLimit) text.resize(DetectSampleLimit);
        ASSERT_EQ(Detect(text), guess);
    }
}

// Random slices of Russian prose (text the model was not counted from) in
// each coding, each slice with four bytes >= 0x80 or more: the share guessed
// right must not fall below its floor. For UTF-8 the guess must say UTF-8.
TEST(DetectViewCoding, RussianProseCorpus)
{
    std::ifstream file(VERKO_TEST_DATA "/fortunes_utf8.txt", std::ios::binary);
    const std::vector<uint8_t> prose{std::istreambuf_iterator<char>(file), {}};
    ASSERT_GT(prose.size(), 50000u);
    const struct {
        size_t slice;
        double floor;   // per cent, in every coding
    } targets[] = {{16, 98}, {64, 99.5}, {256, 99.5}, {1024, 100}, {DetectSampleLimit, 100}};
    for (int coding : {int(CodingAnsi), int(CodingOem), int(CodingKoi8), int(CodingUtf8)}) {
        std::vector<uint8_t> text(prose.size());
        text.resize(ConvertText(prose.data(), prose.size(), CodingUtf8, coding, text.data(), text.size()));
        if (coding == CodingUtf8) text = prose;
        std::mt19937 rng(17);
        for (const auto& t : targets) {
            int right = 0;
            for (int k = 0; k < 400;) {
                const uint8_t* slice = text.data() + rng() % (text.size() - t.slice);
                if (std::count_if(slice, slice + t.slice, [](uint8_t b) { return b >= 0x80; }) < 4) continue;
                right += GuessCoding(slice, t.slice).coding == coding;
                ++k;
            }
            EXPECT_GE(right / 4.0, t.floor) << coding << ", " << t.slice << " bytes";
        }
    }
}

// The document files the program tests open are guessed right whole.
TEST(DetectViewCoding, TestDocuments)
{
    const struct {
        const char* name;
        int coding;
    } files[] = {{"prose_cp1251.txt", CodingAnsi},  {"prose_cp866.txt", CodingOem},
                 {"prose_koi8r.txt", CodingKoi8},   {"fortunes_cp1251.txt", CodingAnsi},
                 {"fortunes_cp866.txt", CodingOem}, {"fortunes_koi8r.txt", CodingKoi8},
                 {"fortunes_utf8.txt", CodingUtf8}};
    for (const auto& f : files) {
        std::ifstream file(std::string(VERKO_TEST_DATA "/") + f.name, std::ios::binary);
        const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
        ASSERT_FALSE(bytes.empty()) << f.name;
        EXPECT_EQ(GuessCoding(bytes.data(), bytes.size()).coding, f.coding) << f.name;
    }
}
