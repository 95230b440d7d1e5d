// A stretch of text with many occurrences replaced, built in one pass.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The bytes of `span`, which starts at text position `base`, with the
// occurrences of `length` bytes at `positions` (ascending, not overlapping,
// all inside the span) replaced by `replacement`.
std::string ReplaceInSpan(const std::string& span, int64_t base, const std::vector<int64_t>& positions, size_t length,
                          const std::string& replacement);
