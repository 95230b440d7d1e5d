#include "app/startup_rules.h"

namespace {

constexpr int ShowNormal = 1;     // SW_SHOWNORMAL
constexpr int ShowDefault = 10;   // SW_SHOWDEFAULT

}

uint32_t ComputeTextLimit(uint64_t totalPhysicalMemory)
{
    uint64_t counted = totalPhysicalMemory > 0xFFFFFFFFu ? 0xFFFFFFFFu : totalPhysicalMemory;
    return static_cast<uint32_t>(counted / 2) | 0xFFFFFu;
}

bool IsPlacementTracked(bool restoreSize, int showCommand)
{
    return restoreSize && (showCommand == ShowDefault || showCommand == ShowNormal);
}
