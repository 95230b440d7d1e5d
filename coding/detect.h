// Guess of the view coding of a loaded text from its first bytes.
#pragma once
#include <cstddef>
#include <cstdint>
#include "coding/coding_tables.h"

constexpr size_t DetectSampleLimit = 4092;

// The coding whose reading of the sample reads most like Russian: `coding` is
// a Coding (CodingUtf8 included), `view` the best of the view codings. A
// sample with no byte >= 0x80, or a tie, gives CodingAnsi.
struct CodingGuess {
    int coding;
    Coding view;
};
CodingGuess GuessCoding(const uint8_t* bytes, size_t length);

// Looks at most at the first DetectSampleLimit bytes. Returns CodingAnsi,
// CodingOem, CodingKoi8 or, for valid UTF-8 with Cyrillic, CodingUtf8.
Coding DetectViewCoding(const uint8_t* bytes, size_t length);
