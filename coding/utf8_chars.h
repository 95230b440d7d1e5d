// The characters of UTF-8 text as the UTF-8 view shows them. A valid
// sequence is one character; every other byte (a stray continuation byte, a
// sequence cut short, an overlong form, a surrogate, a code point past
// U+10FFFF) is a character of its own. Only characters are read here: the
// bytes are never changed.
#pragma once
#include <cstddef>
#include <cstdint>

// Length of the valid sequence at p (available >= 1 bytes readable); 0 when
// the byte at p starts none.
size_t Utf8SequenceLength(const uint8_t* p, size_t available);

struct Utf8Char {
    size_t length;   // bytes, 1 to 4
    char32_t code;   // the code point; an invalid byte's own value
    bool valid;
};
Utf8Char Utf8CharAt(const uint8_t* p, size_t available);

// An invalid byte b is drawn from InvalidByteMark + b: a lone low surrogate,
// which decoding valid UTF-8 never gives.
constexpr char16_t InvalidByteMark = 0xDC00;
// The UTF-16 units a character is drawn from (1 or 2); returns their number.
size_t DrawnUnits(const Utf8Char& ch, char16_t units[2]);

// Character stops in text[0, length): positions not inside a valid sequence.
// UTF-8 synchronises itself, so each looks at most three bytes back.
// The start of the character that holds pos (pos itself at a stop).
size_t Utf8CharStart(const uint8_t* text, size_t length, size_t pos);
// The next stop after pos (length at the end).
size_t Utf8NextStop(const uint8_t* text, size_t length, size_t pos);

// The UTF-8 bytes of a code point (up to U+10FFFF, no surrogate); returns their number.
size_t EncodeUtf8Char(char32_t code, uint8_t bytes[4]);

// The number of characters in text[0, length): a column counted in characters.
size_t Utf8CharCount(const uint8_t* text, size_t length);

// The byte-order mark, which the view keeps in the bytes but does not draw.
constexpr size_t Utf8ByteOrderMarkLength = 3;
bool StartsWithByteOrderMark(const uint8_t* text, size_t length);
