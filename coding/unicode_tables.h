// The program's own character tables: what each byte means in a coding,
// so that nothing depends on the system's code pages.
#pragma once
#include <cstdint>
#include "coding/coding_tables.h"

// The character byte b stands for in the coding (0x00..0x7F map to themselves;
// a byte the coding leaves undefined maps to U+FFFD).
char16_t ByteToUnicode(Coding coding, uint8_t b);
// All 256 entries of one coding.
const char16_t* ByteToUnicodeTable(Coding coding);
// The coding's byte for a character; '?' when the coding lacks it.
uint8_t UnicodeToByte(Coding coding, char16_t ch);
