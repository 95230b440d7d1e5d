// The counted tables of the Russian text model (generated: russian_model_table.cpp).
#pragma once

// Classes: the 33 letters а..я then ё, case folded; then a break (any ASCII
// character), the punctuation of Russian text past ASCII, a Cyrillic letter of
// another language and any other character.
constexpr int RussianLetterCount = 33;
constexpr int RussianBreak = 33;
constexpr int RussianPunctuation = 34;
constexpr int RussianForeign = 35;
constexpr int RussianOdd = 36;
constexpr int RussianClassCount = 37;

// Log-probability of a class after a class.
extern const float RussianPairLog[RussianClassCount][RussianClassCount];
// Log-probability that a letter is upper case (column 0) or lower case
// (column 1) after no letter (row 0), an upper-case (1) or a lower-case letter (2).
extern const float RussianCaseLog[3][2];
// What a letter after two letters tells beyond the letter before it, case
// folded: the log-probability of [c] after [a][b] less that of [c] after [b],
// in tenths of a nat.
extern const signed char RussianTripleTenths[RussianLetterCount][RussianLetterCount][RussianLetterCount];
