// Searching backward with a find that only goes forward.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>

// find(from, to): the first occurrence that lies wholly inside [from, to), or -1.
using ForwardFind = std::function<int64_t(int64_t from, int64_t to)>;

// The last occurrence of a text of `length` bytes that lies wholly before
// `end`, or -1. Bisection: each round searches the upper half of what is left
// and, when that holds nothing, what starts in the lower half, so the bytes
// searched stay within about twice `end`.
int64_t FindLastBefore(int64_t end, size_t length, const ForwardFind& find);
