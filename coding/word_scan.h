// Scanning text eight bytes at a time: the lowest flagged byte of a word.
#pragma once
#include <cstddef>
#include <cstdint>
#if defined(_MSC_VER)
#include <intrin.h>
#endif

// Index (0..7) of the lowest byte that has a bit set in a non-zero mask.
inline size_t LowestFlaggedByte(uint64_t mask)
{
#if defined(_MSC_VER) && defined(_M_X64)
    unsigned long bit;
    _BitScanForward64(&bit, mask);
    return bit / 8;
#elif defined(_MSC_VER)
    size_t byte = 0;
    for (; (mask & 0xFF) == 0; mask >>= 8) ++byte;
    return byte;
#else
    return static_cast<size_t>(__builtin_ctzll(mask)) / 8;
#endif
}
