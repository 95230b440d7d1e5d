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

const wchar_t* TextLimitBasis(uint64_t seenMemory, uint64_t computerMemory)
{
    // A 32-bit process is shown at most 2 GB, or 4 GB when large-address-aware.
    if (seenMemory < computerMemory) return L"half of the memory this program sees";
    if (seenMemory > 0xFFFFFFFFu) return L"half of 4 GB, the most memory this program counts";
    return L"half of this computer's memory";
}

bool IsPlacementTracked(bool restoreSize, int showCommand)
{
    return restoreSize && (showCommand == ShowDefault || showCommand == ShowNormal);
}
