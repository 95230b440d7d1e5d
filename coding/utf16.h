// UTF-8 text as UTF-16 and back, for the clipboard of the UTF-8 view.
#pragma once
#include <cstddef>
#include <cstdint>

// UTF-8 as UTF-16, an invalid byte as U+FFFD; out holds `length` units.
// Returns the number written.
size_t Utf8ToUtf16(const uint8_t* text, size_t length, char16_t* out);
// UTF-16 as UTF-8, a surrogate pair as one four-byte sequence and a lone half
// as U+FFFD; out holds 3 * length bytes. Returns the number written.
size_t Utf16ToUtf8(const char16_t* text, size_t length, uint8_t* out);
