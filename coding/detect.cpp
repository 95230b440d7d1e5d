// The coding guess: each reading of the sample is scored by the Russian text
// model and the one that reads most like Russian wins.
#include "coding/detect.h"
#include "coding/russian_model.h"
#include "coding/unicode_tables.h"
#include "coding/utf8_chars.h"

namespace {

constexpr Coding ViewCodings[ViewCodingCount] = {CodingAnsi, CodingOem, CodingKoi8};

struct SymbolTables {
    RussianSymbol of[ViewCodingCount][256];
};

SymbolTables BuildSymbols()
{
    SymbolTables t{};
    for (int c = 0; c < ViewCodingCount; ++c)
        for (int b = 0; b < 256; ++b) t.of[c][b] = RussianSymbolOf(ByteToUnicode(ViewCodings[c], uint8_t(b)));
    return t;
}

// The model's likelihood of the sample in each view coding, in one pass; only
// pairs with a byte >= 0x80 count, as the rest read alike in all three.
void ViewLikelihoods(const uint8_t* bytes, size_t n, double sums[ViewCodingCount])
{
    static const SymbolTables symbols = BuildSymbols();
    const RussianPairTable& pairs = RussianPairScores();
    float ansi = 0, oem = 0, koi8 = 0;
    uint8_t prev = ' ';
    for (size_t i = 0; i < n; ++i) {
        const uint8_t b = bytes[i];
        if ((b | prev) >= 0x80) {
            ansi += pairs[symbols.of[0][prev]][symbols.of[0][b]];
            oem += pairs[symbols.of[1][prev]][symbols.of[1][b]];
            koi8 += pairs[symbols.of[2][prev]][symbols.of[2][b]];
        }
        prev = b;
    }
    sums[0] = ansi;
    sums[1] = oem;
    sums[2] = koi8;
}

// Whether the bytes left at the end are the start of a sequence the sample cut.
bool CutSequence(const uint8_t* p, size_t left)
{
    const size_t needed = p[0] >= 0xF0 ? 4 : p[0] >= 0xE0 ? 3 : 2;
    if (p[0] < 0xC2 || p[0] > 0xF4 || left >= needed) return false;
    for (size_t k = 1; k < left; ++k)
        if ((p[k] & 0xC0) != 0x80) return false;
    return true;
}

// The length of the valid sequence at p, 0 for none; the one and two bytes
// of most characters of Russian text are seen without a call.
size_t SequenceAt(const uint8_t* p, size_t left)
{
    if (p[0] < 0x80) return 1;
    if (p[0] >= 0xC2 && p[0] < 0xE0 && left > 1 && (p[1] & 0xC0) == 0x80) return 2;
    return Utf8SequenceLength(p, left);
}

char16_t Utf8Character(const uint8_t* p, size_t k)
{
    if (k == 1) return p[0];
    if (k == 2) return char16_t((p[0] & 0x1F) << 6 | (p[1] & 0x3F));
    if (k == 3) return char16_t((p[0] & 0x0F) << 12 | (p[1] & 0x3F) << 6 | (p[2] & 0x3F));
    return 0xFFFD;   // past U+FFFF: no Russian there
}

// The sample read as UTF-8 into `out`; false unless it is valid UTF-8 with a
// Cyrillic letter. Sequences cut by either end of the sample are left out.
bool ReadUtf8(const uint8_t* bytes, size_t n, char16_t* out, size_t& count)
{
    size_t i = 0;
    while (i < n && i < 3 && (bytes[i] & 0xC0) == 0x80) ++i;
    bool cyrillic = false;
    for (count = 0; i < n;) {
        const size_t k = SequenceAt(bytes + i, n - i);
        if (k == 0) return CutSequence(bytes + i, n - i) && cyrillic;
        out[count] = Utf8Character(bytes + i, k);
        cyrillic |= out[count] >= 0x400 && out[count] < 0x500;
        ++count;
        i += k;
    }
    return cyrillic;
}

}   // namespace

CodingGuess GuessCoding(const uint8_t* bytes, size_t length)
{
    const size_t n = length < DetectSampleLimit ? length : DetectSampleLimit;
    double sums[ViewCodingCount];
    ViewLikelihoods(bytes, n, sums);
    CodingGuess guess{CodingAnsi, CodingAnsi};
    for (int c = 1; c < ViewCodingCount; ++c)
        if (sums[c] > sums[guess.view]) guess = {c, ViewCodings[c]};
    char16_t text[DetectSampleLimit];
    size_t count = 0;
    if (ReadUtf8(bytes, n, text, count) && RussianLikelihoodOf(text, count).sum > sums[guess.view])
        guess.coding = CodingUtf8;
    return guess;
}

Coding DetectViewCoding(const uint8_t* bytes, size_t length)
{
    return Coding(GuessCoding(bytes, length).coding);
}
