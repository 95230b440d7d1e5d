// Timing and reporting shared by the native benchmarks.
#pragma once
#include <iconv.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "bench/bench_verdict.h"

using Bytes = std::vector<uint8_t>;
using Clock = std::chrono::steady_clock;

inline void PrintLoadAverage()
{
    if (FILE* load = std::fopen("/proc/loadavg", "r")) {
        char line[64] = "";
        if (std::fgets(line, sizeof line, load)) std::printf("load average: %s", line);
        std::fclose(load);
    }
}

struct Timing {
    double wall, cpu;   // best of the runs, seconds
};

inline double ThreadCpuSeconds()
{
    timespec t;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

// Best of several runs: the machine is shared, so the quickest run is the
// one least disturbed by other processes.
template <class Work> Timing Best(Work work, int runs = 7)
{
    Timing best{1e9, 1e9};
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        const double cpuStart = ThreadCpuSeconds();
        work();
        best.cpu = std::min(best.cpu, ThreadCpuSeconds() - cpuStart);
        best.wall = std::min(best.wall, std::chrono::duration<double>(Clock::now() - start).count());
    }
    return best;
}

// The verdict goes by the thread's CPU time: other processes share the cores,
// and the wall clock counts their turns too.
inline bool Report(const char* what, size_t bytes, Timing t, double neededMBps)
{
    const double mbps = bytes / t.cpu / 1e6;
    const bool ok = mbps >= neededMBps;
    std::printf("%-30s %8.1f MB/s cpu, %8.1f MB/s wall  (%5.1f MB; needs >= %4.0f MB/s) %s\n", what, mbps,
                bytes / t.wall / 1e6, bytes / 1e6, neededMBps, ok ? "ok" : "TOO SLOW");
    return ok;
}

inline Timing IconvTiming(const Bytes& in, const char* from, const char* to)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == iconv_t(-1)) return {0, 0};
    Bytes out(3 * in.size());   // room for UTF-8 too
    const Timing t = Best([&] {
        char* src = reinterpret_cast<char*>(const_cast<uint8_t*>(in.data()));
        char* dst = reinterpret_cast<char*>(out.data());
        size_t srcLeft = in.size(), dstLeft = out.size();
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) == size_t(-1) || srcLeft != 0)
            std::printf("iconv stopped with %zu bytes left\n", srcLeft);
    });
    iconv_close(cd);
    return t;
}
