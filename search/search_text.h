// Search and replacement texts: their size, hexadecimal input, the word picked
// at the caret, and the way between what the user types (Windows-1251) and the
// bytes of the coding the document is shown in.
#pragma once
#include <cstddef>
#include <string>

#include "coding/coding_tables.h"

// The most bytes a search or replacement text holds, and the most characters read from a field.
constexpr size_t SearchTextLength = 32;
// The most bytes those characters take in the view coding's bytes (UTF-8: up to 3 each).
constexpr size_t SearchTextBytes = 3 * SearchTextLength;

// Hexadecimal input (its first 32 characters) to bytes. Characters go two at a
// time; each hexadecimal digit of a pair shifts the pair's value four bits left
// and adds itself, any other character counts for nothing; a lone last
// character is a pair of its own. A zero byte ends the result.
std::string ParseHexBytes(const std::string& text);

// The bytes picked at the caret as the search field shows them: the first 32
// (up to a zero byte) without blanks, line breaks and control characters, read
// in the view coding (ANSI, OEM or KOI8) and given in Windows-1251.
std::string PickedWord(const char* bytes, size_t count, Coding view);

// Windows-1251 text as typed into the bytes of the view coding (ANSI, OEM or KOI8).
void TypedToView(std::string& text, Coding view);

// The UTF-8 view takes the fields' own characters, not their Windows-1251
// bytes, so a character 1251 lacks is still shown and searched for.
// PickedWord for UTF-8 bytes: the first 32 characters, an invalid byte as U+FFFD.
std::u16string PickedUtf8Word(const char* bytes, size_t count);
// The first 32 typed characters as UTF-8, as many as fit SearchTextBytes.
std::string TypedAsUtf8(const std::u16string& typed);
