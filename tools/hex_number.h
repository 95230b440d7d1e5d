// Hexadecimal numbers as the byte editor reads and shows them.
#pragma once
#include <cstdint>

// The value of the first 8 characters of text at most; false when one of them is no
// hexadecimal digit. Characters after the eighth are ignored; an empty text gives 0.
bool ParseHexNumber(const char* text, uint32_t* value);
// The byte as two upper-case digits, high half first.
void FormatHexByte(uint8_t byte, char (&text)[3]);
