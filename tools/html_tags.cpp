#include "tools/html_tags.h"

#include <cstring>

bool NextHtmlTag(const char* text, size_t length, size_t from, size_t* start, size_t* end)
{
    if (from >= length) return false;
    const void* found = std::memchr(text + from, '<', length - from);
    if (!found) return false;
    size_t open = static_cast<size_t>(static_cast<const char*>(found) - text);
    for (size_t i = open + 1; i < length; ++i) {
        if (text[i] == '<') {
            open = i;   // a further "<" starts the tag anew
        } else if (text[i] == '>') {
            *start = open;
            *end = i + 1;
            return true;
        }
    }
    return false;
}
