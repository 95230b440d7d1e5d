// Start-up decisions that need no window system.
#pragma once
#include <cstdint>

// The largest document and file: half of the physical memory, low 20 bits set.
// Memory beyond 4 GB counts as 4 GB, so the limit never wraps round to a small value.
uint32_t ComputeTextLimit(uint64_t totalPhysicalMemory);
// What that limit is half of, for the refusal of a file too large, from the memory the
// process sees (the figure the limit is computed from) and the memory the computer has.
const wchar_t* TextLimitBasis(uint64_t seenMemory, uint64_t computerMemory);
// The placement is restored and saved only for a normal start with "Restore Size" on.
bool IsPlacementTracked(bool restoreSize, int showCommand);
