// Guess of the view coding of a loaded text from its first bytes.
#pragma once
#include <cstddef>
#include <cstdint>
#include "coding/coding_tables.h"

constexpr size_t DetectSampleLimit = 4092;

// Looks at most at the first DetectSampleLimit bytes; bytes past the end count
// as zeros. Returns CodingAnsi, CodingOem or CodingKoi8.
Coding DetectViewCoding(const uint8_t* bytes, size_t length);
