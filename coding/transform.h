// Byte transformations of the Coding menu. Each writes into `out`, which the
// caller gives at least 2 * length + 1 bytes, and returns the bytes written.
#pragma once
#include <cstddef>
#include <cstdint>
#include "coding/coding_tables.h"

constexpr size_t TransformOutputCapacity(size_t length)
{
    return 2 * length + 1;
}

// The input, read in viewCoding, converted to OEM and transliterated to Latin;
// in UTF-8 only the letters change and everything else keeps its bytes.
size_t Transliterate(const uint8_t* in, size_t length, Coding viewCoding, uint8_t* out);
// =XX escapes with upper-case hexadecimal digits become their byte.
size_t DecodeQuotedPrintable(const uint8_t* in, size_t length, uint8_t* out);
// Every CR not followed by LF (a CR at the very end too) gets an LF.
size_t CompleteLineBreaks(const uint8_t* in, size_t length, uint8_t* out);
