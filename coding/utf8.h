// Conversion between UTF-8 and the five codings by the program's own tables:
// the Coding dialog's sixth entry. Bytes that are not valid UTF-8 are copied
// unchanged, so nothing is lost.
#pragma once
#include <cstddef>
#include <cstdint>
#include "coding/coding_tables.h"

// An output of this many bytes always holds the result: a byte of a coding
// becomes at most three bytes of UTF-8, and decoding never lengthens the text.
constexpr size_t ConvertedCapacity(size_t length)
{
    return 3 * length;
}

// ConvertText's answer when the result would not fit in outputLimit bytes.
constexpr size_t ConvertedTooLong = SIZE_MAX;

// Converts the bytes from conversion coding `from` to `to` (0..4 a Coding, 5
// UTF-8) into `out`, which must not overlap `in`, writing at most outputLimit
// bytes; returns the result length or ConvertedTooLong (then `out` holds junk).
// From UTF-8, a byte-order mark at the start is dropped and a character the
// coding lacks becomes '?'; into UTF-8 no byte-order mark is written. UTF-8 to
// UTF-8, or an index outside 0..5, copies the bytes; two codings go through OEM.
size_t ConvertText(const uint8_t* in, size_t length, int from, int to, uint8_t* out, size_t outputLimit);

