#include "coding/utf16.h"
#include "coding/utf8_chars.h"

namespace {

constexpr char32_t Replacement = 0xFFFD;

// A high (first 0xD800) or low (first 0xDC00) half of a surrogate pair.
bool IsHalf(char32_t unit, char32_t first)
{
    return unit >= first && unit < first + 0x400;
}

}   // namespace

size_t Utf8ToUtf16(const uint8_t* text, size_t length, char16_t* out)
{
    size_t o = 0;
    for (size_t i = 0; i < length;) {
        Utf8Char ch = Utf8CharAt(text + i, length - i);
        i += ch.length;
        if (!ch.valid) ch = {1, Replacement, true};
        o += DrawnUnits(ch, out + o);
    }
    return o;
}

size_t Utf16ToUtf8(const char16_t* text, size_t length, uint8_t* out)
{
    size_t o = 0;
    for (size_t i = 0; i < length; ++i) {
        char32_t code = text[i];
        if (IsHalf(code, 0xD800) && i + 1 < length && IsHalf(text[i + 1], 0xDC00))
            code = 0x10000 + ((code - 0xD800) << 10) + (text[++i] - 0xDC00);
        else if (IsHalf(code, 0xD800) || IsHalf(code, 0xDC00))
            code = Replacement;
        o += EncodeUtf8Char(code, out + o);
    }
    return o;
}
