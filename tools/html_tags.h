// The tags of an HTML text: each is the shortest stretch from a "<" to the next
// ">" that holds no other "<". A "<" with no ">" after it starts no tag.
#pragma once
#include <cstddef>

// The first tag at or after from: true with [*start, *end), end just past its ">";
// false when there is none.
bool NextHtmlTag(const char* text, size_t length, size_t from, size_t* start, size_t* end);
