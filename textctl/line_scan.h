// Finding line break ends eight bytes at a time.
// A break end is an LF, or a CR not followed by LF (the LF of CR LF ends it).
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>
#include "coding/word_scan.h"
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace line_scan_detail {

constexpr uint64_t Ones = 0x0101010101010101ull;
constexpr uint64_t Low7 = 0x7F7F7F7F7F7F7F7Full;

// 0x80 in each byte of x equal to b, 0 elsewhere (exact, no false hits).
inline uint64_t EqualBytes(uint64_t x, uint8_t b)
{
    uint64_t y = x ^ (Ones * b);
    return ~(((y & Low7) + Low7) | y | Low7);
}

// Break ends of a little-endian word; nextIsLf tells whether the byte after it is LF.
inline uint64_t BreakMask(uint64_t word, bool nextIsLf)
{
    uint64_t lf = EqualBytes(word, '\n');
    uint64_t cr = EqualBytes(word, '\r');
    if (!(lf | cr)) return 0;
    uint64_t lfAfter = (lf >> 8) | (nextIsLf ? 0x80ull << 56 : 0);
    return lf | (cr & ~lfAfter);
}

inline uint64_t LoadWord(const uint8_t* p)
{
    uint64_t word;
    std::memcpy(&word, p, sizeof word);
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
    word = __builtin_bswap64(word);
#endif
    return word;
}

// Whether p[0, 16) surely holds no CR and no LF; without SSE2 it never tells.
inline bool NoBreakIn16(const uint8_t* p)
{
#if defined(__SSE2__)
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i ends = _mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8('\n')), _mm_cmpeq_epi8(v, _mm_set1_epi8('\r')));
    return _mm_movemask_epi8(ends) == 0;
#else
    (void)p;
    return false;
#endif
}

}   // namespace line_scan_detail

// Number of break ends flagged in a mask from ForEachBreakMask.
inline size_t BreakCount(uint64_t mask)
{
    return static_cast<size_t>(((mask >> 7) * line_scan_detail::Ones) >> 56);
}

// Byte index (0..7) of flagged break number n (0-based) in a mask.
inline size_t NthBreakInMask(uint64_t mask, size_t n)
{
    while (n--) mask &= mask - 1;
    return LowestFlaggedByte(mask);
}

// Calls f(base, mask) for each word of p[from, to) holding break ends: bit 8k+7
// of mask flags p[base + k]. `next` is the byte at p[to] (-1 at the end of the
// text). f returns false to stop; so does this function then.
template <class F> bool ForEachBreakMask(const uint8_t* p, size_t from, size_t to, int next, F f)
{
    using namespace line_scan_detail;
    size_t i = from;
    for (; i + 8 <= to; i += 8) {
        // Most of a text is letters: two words without a break are passed at once.
        if (i + 16 <= to && NoBreakIn16(p + i)) {
            i += 8;
            continue;
        }
        bool nextIsLf = (i + 8 < to ? p[i + 8] : next) == '\n';
        uint64_t mask = BreakMask(LoadWord(p + i), nextIsLf);
        if (mask && !f(i, mask)) return false;
    }
    if (i < to) {
        uint8_t padded[8] = {};
        size_t rest = to - i;
        std::memcpy(padded, p + i, rest);
        if (next >= 0) padded[rest] = static_cast<uint8_t>(next);
        uint64_t mask = BreakMask(LoadWord(padded), false) & ((1ull << (8 * rest)) - 1);
        if (mask && !f(i, mask)) return false;
    }
    return true;
}

inline size_t CountBreaks(const uint8_t* p, size_t from, size_t to, int next)
{
    size_t count = 0;
    ForEachBreakMask(p, from, to, next, [&](size_t, uint64_t mask) {
        count += BreakCount(mask);
        return true;
    });
    return count;
}

// Offset of break end number n (0-based) in p[from, to); `to` when there are fewer.
inline size_t NthBreak(const uint8_t* p, size_t from, size_t to, int next, size_t n)
{
    size_t found = to;
    ForEachBreakMask(p, from, to, next, [&](size_t base, uint64_t mask) {
        size_t inWord = BreakCount(mask);
        if (n >= inWord) {
            n -= inWord;
            return true;
        }
        found = base + NthBreakInMask(mask, n);
        return false;
    });
    return found;
}
