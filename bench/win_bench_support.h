// Clocks and memory counters shared by the benchmarks run under Wine.
#pragma once
#include <windows.h>
#include <psapi.h>
#include <algorithm>
#include <cstring>
#include <string>

#include "bench/bench_verdict.h"

// Wall-clock seconds since an arbitrary start.
inline double WallSeconds()
{
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return double(counter.QuadPart) / double(frequency.QuadPart);
}

// Processor time of the process: the machine may be shared, so wall time
// alone would count other processes' work too.
inline double CpuSeconds()
{
    FILETIME creation, exit, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &creation, &exit, &kernel, &user);
    auto seconds = [](FILETIME t) { return (double(t.dwHighDateTime) * 4294967296.0 + t.dwLowDateTime) / 1e7; };
    return seconds(kernel) + seconds(user);
}

// Both clocks from the moment it is made. Verdicts on work longer than the
// processor clock's tick go by the processor.
struct Stopwatch {
    double wallStart = WallSeconds(), cpuStart = CpuSeconds();
    double Wall() const { return WallSeconds() - wallStart; }
    double Cpu() const { return CpuSeconds() - cpuStart; }
};

// The process's memory counters, looked up at run time to need no extra import library; all 0 when unknown.
inline PROCESS_MEMORY_COUNTERS MemoryCounters()
{
    using Query = BOOL(WINAPI*)(HANDLE, PPROCESS_MEMORY_COUNTERS, DWORD);
    auto query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "K32GetProcessMemoryInfo")));
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    if (!query || !query(GetCurrentProcess(), &counters, sizeof counters)) counters = {};
    return counters;
}

// Private bytes of the process; 0 when unknown.
inline SIZE_T PrivateBytes()
{
    return MemoryCounters().PagefileUsage;
}

// The most memory the process has held so far; 0 when unknown. Wine gives the
// current private bytes as their peak, so the working set's peak, a true one there, counts too.
inline SIZE_T PeakPrivateBytes()
{
    const PROCESS_MEMORY_COUNTERS counters = MemoryCounters();
    return std::max(counters.PeakPagefileUsage, counters.PeakWorkingSetSize);
}

// A stream over bytes in memory for EM_STREAMIN and EM_STREAMOUT.
struct Cursor {
    const std::string* bytes;
    size_t position;
};

inline DWORD CALLBACK ReadBytes(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* got)
{
    auto* cursor = reinterpret_cast<Cursor*>(cookie);
    size_t count = std::min<size_t>(static_cast<size_t>(wanted), cursor->bytes->size() - cursor->position);
    std::memcpy(buffer, cursor->bytes->data() + cursor->position, count);
    cursor->position += count;
    *got = static_cast<LONG>(count);
    return 0;
}
