// What the character map shows: every code from 0x20 to 0xFF, in seven rows
// of 32 separated by CR LF, so a picked code is exactly the byte inserted.
#pragma once
#include <array>
#include <cstddef>

constexpr size_t CharMapTextLength = 236;
constexpr int CharMapRowLength = 32;

// Zero-terminated.
std::array<char, CharMapTextLength + 1> MakeCharMapText();
