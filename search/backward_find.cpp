#include "search/backward_find.h"

int64_t FindLastBefore(int64_t end, size_t length, const ForwardFind& find)
{
    const int64_t size = static_cast<int64_t>(length);
    int64_t best = find(0, end);
    if (best < 0) return -1;
    // A later occurrence starts at lo or after and ends by hi.
    int64_t lo = best + 1, hi = end;
    while (lo + size <= hi) {
        int64_t middle = lo + (hi - lo) / 2;
        int64_t found = find(middle, hi);
        if (found < 0) {
            // What is left starts before the middle, so it ends before middle + length.
            if (middle + size - 1 < hi) hi = middle + size - 1;
            found = find(lo, hi);
            if (found < 0) return best;
        }
        best = found;
        lo = found + 1;
    }
    return best;
}
