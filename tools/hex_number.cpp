#include "tools/hex_number.h"

namespace {

constexpr int MaxDigits = 8;   // a 32-bit number
constexpr char Digits[] = "0123456789ABCDEF";

// The digit's value, or -1 for any other character.
int DigitValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}   // namespace

bool ParseHexNumber(const char* text, uint32_t* value)
{
    uint32_t number = 0;
    for (int i = 0; i < MaxDigits && text[i]; ++i) {
        int digit = DigitValue(text[i]);
        if (digit < 0) return false;
        number = number << 4 | static_cast<uint32_t>(digit);
    }
    *value = number;
    return true;
}

void FormatHexByte(uint8_t byte, char (&text)[3])
{
    text[0] = Digits[byte >> 4];
    text[1] = Digits[byte & 0xF];
    text[2] = 0;
}
