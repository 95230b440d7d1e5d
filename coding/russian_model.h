// How Russian a text reads: letter pairs of Russian with the case of words,
// counted from a corpus. The coding guess and the repair of garbled text
// compare readings of the same bytes with it.
#pragma once
#include <cstddef>
#include <cstdint>
#include "coding/coding_tables.h"
#include "coding/russian_model_table.h"

// A character as the model sees it: its class (russian_model_table.h), plus
// RussianUpper for an upper-case letter.
using RussianSymbol = uint8_t;
constexpr RussianSymbol RussianUpper = RussianClassCount;
constexpr int RussianSymbolCount = 2 * RussianClassCount;
RussianSymbol RussianSymbolOf(char16_t ch);

// Log-likelihood of the symbol `next` right after `prev`: [prev][next].
using RussianPairTable = float[RussianSymbolCount][RussianSymbolCount];
const RussianPairTable& RussianPairScores();

// Sum of the pair scores over the pairs with a character past ASCII (the rest
// read alike in every coding and carry no evidence), and their number. The
// first character pairs with a break before it.
struct RussianLikelihood {
    double sum = 0;
    size_t pairs = 0;
};
RussianLikelihood RussianLikelihoodOf(const char16_t* text, size_t length);

// The sum of RussianTripleTenths over the runs of three Russian letters, in
// nats: added to a likelihood, it tells apart texts that differ in one letter
// whose neighbours pair alike with both.
double RussianTripleSum(const char16_t* text, size_t length);

// The score of a text with no character past ASCII: nothing in it reads as
// Russian, so it scores as low as text read in a wrong coding.
constexpr double RussianScoreNoEvidence = -6.0;

// Average log-likelihood per scored pair: higher reads more Russian. Russian
// prose scores about -2.7, the same text read in a wrong coding -6 to -8.
double RussianScore(const char16_t* text, size_t length);
// The same for bytes read in a single-byte coding.
double RussianScore(Coding coding, const uint8_t* bytes, size_t length);

// The bytes read in the coding by the program's tables; `out` holds `length` characters.
void DecodeBytes(Coding coding, const uint8_t* bytes, size_t length, char16_t* out);
