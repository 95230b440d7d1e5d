#include "coding/utf8_chars.h"

namespace {

bool InRange(const uint8_t* p, size_t k, size_t available, uint8_t low, uint8_t high)
{
    return k < available && p[k] >= low && p[k] <= high;
}

bool IsLeadByte(uint8_t b)
{
    return b >= 0xC2 && b <= 0xF4;
}

}   // namespace

size_t Utf8SequenceLength(const uint8_t* p, size_t available)
{
    const uint8_t b = p[0];
    if (b < 0x80) return 1;
    if (!IsLeadByte(b)) return 0;
    if (b < 0xE0) return InRange(p, 1, available, 0x80, 0xBF) ? 2 : 0;
    if (b < 0xF0) {
        // E0 would be overlong below A0; ED A0..BF would be a surrogate.
        const bool second = InRange(p, 1, available, b == 0xE0 ? 0xA0 : 0x80, b == 0xED ? 0x9F : 0xBF);
        return second && InRange(p, 2, available, 0x80, 0xBF) ? 3 : 0;
    }
    // F0 would be overlong below 90; F4 90 and up lies past U+10FFFF.
    const bool second = InRange(p, 1, available, b == 0xF0 ? 0x90 : 0x80, b == 0xF4 ? 0x8F : 0xBF);
    return second && InRange(p, 2, available, 0x80, 0xBF) && InRange(p, 3, available, 0x80, 0xBF) ? 4 : 0;
}

Utf8Char Utf8CharAt(const uint8_t* p, size_t available)
{
    const size_t n = Utf8SequenceLength(p, available);
    if (n == 0) return {1, p[0], false};
    if (n == 1) return {1, p[0], true};
    char32_t code = p[0] & (0x7F >> n);
    for (size_t i = 1; i < n; ++i) code = code << 6 | (p[i] & 0x3F);
    return {n, code, true};
}

size_t DrawnUnits(const Utf8Char& ch, char16_t units[2])
{
    if (!ch.valid) {
        units[0] = char16_t(InvalidByteMark + ch.code);
        return 1;
    }
    if (ch.code < 0x10000) {
        units[0] = char16_t(ch.code);
        return 1;
    }
    const char32_t above = ch.code - 0x10000;
    units[0] = char16_t(0xD800 + (above >> 10));
    units[1] = char16_t(0xDC00 + (above & 0x3FF));
    return 2;
}

size_t Utf8CharStart(const uint8_t* text, size_t length, size_t pos)
{
    // A lead byte is never a continuation, so it always starts a character.
    for (size_t back = 1; back <= 3 && back <= pos; ++back) {
        const size_t start = pos - back;
        if (IsLeadByte(text[start])) return Utf8SequenceLength(text + start, length - start) > back ? start : pos;
        if (text[start] < 0x80 || text[start] > 0xBF) return pos;
    }
    return pos;
}

size_t Utf8NextStop(const uint8_t* text, size_t length, size_t pos)
{
    if (pos >= length) return length;
    const size_t start = Utf8CharStart(text, length, pos);
    return start + Utf8CharAt(text + start, length - start).length;
}

size_t EncodeUtf8Char(char32_t code, uint8_t bytes[4])
{
    if (code < 0x80) {
        bytes[0] = uint8_t(code);
        return 1;
    }
    const size_t n = code < 0x800 ? 2 : code < 0x10000 ? 3 : 4;
    for (size_t i = n - 1; i > 0; --i, code >>= 6) bytes[i] = uint8_t(0x80 | (code & 0x3F));
    bytes[0] = uint8_t((0xF00 >> n) | code);
    return n;
}

size_t Utf8CharCount(const uint8_t* text, size_t length)
{
    size_t count = 0;
    for (size_t i = 0; i < length; ++count) i += text[i] < 0x80 ? 1 : Utf8CharAt(text + i, length - i).length;
    return count;
}

bool StartsWithByteOrderMark(const uint8_t* text, size_t length)
{
    return length >= Utf8ByteOrderMarkLength && text[0] == 0xEF && text[1] == 0xBB && text[2] == 0xBF;
}
