// What the character map shows: every code from 0x20 to 0xFF, in seven rows
// of 32 separated by CR LF, so a picked code is exactly the byte inserted. In
// the UTF-8 view the codes from 0x80 stand for no character on their own: the
// rows after ASCII hold the Cyrillic letters and common punctuation as UTF-8.
#pragma once
#include <cstddef>
#include <string>

#include "coding/coding_tables.h"

constexpr size_t CharMapTextCapacity = 512;   // any view's text with its zero
constexpr int CharMapRowLength = 32;

std::string MakeCharMapText(Coding view);
