// The Russian text model: class pairs and case changes from the counted
// tables, joined once into one table of symbol pairs.
#include "coding/russian_model.h"
#include "coding/unicode_tables.h"

namespace {

// Punctuation of Russian text past ASCII; the generating script has the same list.
constexpr char16_t Punctuation[] = {0xA0, u'«', u'»', u'–', u'—', u'…', u'„', u'“', u'”', u'‘', u'’', u'‚', u'№'};

int ClassOf(RussianSymbol s)
{
    return s >= RussianUpper ? s - RussianUpper : s;
}

// Row of RussianCaseLog: no letter, upper case, lower case.
int CaseRow(RussianSymbol s)
{
    if (s >= RussianUpper) return 1;
    return s < RussianLetterCount ? 2 : 0;
}

struct PairTable {
    RussianPairTable score;
};

PairTable BuildPairs()
{
    PairTable t{};
    for (int prev = 0; prev < RussianSymbolCount; ++prev) {
        for (int next = 0; next < RussianSymbolCount; ++next) {
            const RussianSymbol p = RussianSymbol(prev), n = RussianSymbol(next);
            const int caseRow = CaseRow(n);
            float score = RussianPairLog[ClassOf(p)][ClassOf(n)];
            if (caseRow != 0) score += RussianCaseLog[CaseRow(p)][caseRow == 1 ? 0 : 1];
            t.score[prev][next] = score;
        }
    }
    return t;
}

// The symbols of the characters up to the end of the Cyrillic block, looked up
// rather than worked out: nearly every character of Russian text is there.
constexpr char16_t LookedUpEnd = 0x500;

struct LookedUp {
    RussianSymbol of[LookedUpEnd];
};

LookedUp BuildLookedUp()
{
    LookedUp t{};
    for (char16_t ch = 0; ch < LookedUpEnd; ++ch) t.of[ch] = RussianSymbolOf(ch);
    return t;
}

// Sums the pairs of the characters at(0..length) that have one past ASCII.
template <class At> RussianLikelihood Likelihood(size_t length, At at)
{
    static const LookedUp lookedUp = BuildLookedUp();
    const RussianPairTable& pairs = RussianPairScores();
    float sum = 0;
    size_t counted = 0;
    RussianSymbol prev = RussianBreak;
    bool prevWide = false;
    for (size_t i = 0; i < length; ++i) {
        const char16_t ch = at(i);
        const RussianSymbol symbol = ch < LookedUpEnd ? lookedUp.of[ch] : RussianSymbolOf(ch);
        const bool wide = ch >= 0x80;
        if (wide || prevWide) {
            sum += pairs[prev][symbol];
            ++counted;
        }
        prev = symbol;
        prevWide = wide;
    }
    return {sum, counted};
}

double Average(RussianLikelihood l)
{
    return l.pairs ? l.sum / l.pairs : RussianScoreNoEvidence;
}

}   // namespace

RussianSymbol RussianSymbolOf(char16_t ch)
{
    if (ch < 0x80) return RussianBreak;
    if (ch >= u'а' && ch <= u'я') return RussianSymbol(ch - u'а');
    if (ch >= u'А' && ch <= u'Я') return RussianSymbol(RussianUpper + (ch - u'А'));
    if (ch == u'ё') return 32;
    if (ch == u'Ё') return RussianUpper + 32;
    if (ch >= 0x400 && ch <= 0x4FF) return RussianForeign;
    for (char16_t p : Punctuation)
        if (ch == p) return RussianPunctuation;
    return RussianOdd;
}

const RussianPairTable& RussianPairScores()
{
    static const PairTable table = BuildPairs();
    return table.score;
}

RussianLikelihood RussianLikelihoodOf(const char16_t* text, size_t length)
{
    return Likelihood(length, [text](size_t i) { return text[i]; });
}

double RussianTripleSum(const char16_t* text, size_t length)
{
    int64_t tenths = 0;
    int before = -1, prev = -1;
    for (size_t i = 0; i < length; ++i) {
        const RussianSymbol symbol = RussianSymbolOf(text[i]);
        const int letter = ClassOf(symbol) < RussianLetterCount ? ClassOf(symbol) : -1;
        if (before >= 0 && prev >= 0 && letter >= 0) tenths += RussianTripleTenths[before][prev][letter];
        before = prev;
        prev = letter;
    }
    return tenths / 10.0;
}

double RussianScore(const char16_t* text, size_t length)
{
    return Average(RussianLikelihoodOf(text, length));
}

double RussianScore(Coding coding, const uint8_t* bytes, size_t length)
{
    const char16_t* table = ByteToUnicodeTable(coding);
    return Average(Likelihood(length, [&](size_t i) { return table[bytes[i]]; }));
}

void DecodeBytes(Coding coding, const uint8_t* bytes, size_t length, char16_t* out)
{
    const char16_t* table = ByteToUnicodeTable(coding);
    for (size_t i = 0; i < length; ++i) out[i] = table[bytes[i]];
}
