// How every benchmark reports: each checked figure's line ends in its verdict,
// the last line sums them up, and the exit code is not 0 when a figure missed
// its target or a result was wrong.
#pragma once
#include <cstdio>

// The verdict at the end of a checked figure's line.
inline const char* Verdict(bool ok)
{
    return ok ? "ok" : "MISSED";
}

// The last line of a benchmark and its exit code.
inline int Conclude(bool ok)
{
    std::printf("%s\n", ok ? "all figures meet their targets" : "SOME FIGURES MISS THEIR TARGETS");
    return ok ? 0 : 1;
}
