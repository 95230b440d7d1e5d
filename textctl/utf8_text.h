// UTF-8 characters over the control's byte store. Each call copies the few
// bytes around a position, so a sequence split between two chunks reads as
// any other, and nothing walks back further than three bytes.
#pragma once
#include <cstddef>
#include "coding/utf8_chars.h"

class TextBuffer;

Utf8Char Utf8CharAt(const TextBuffer& text, size_t pos);   // pos < Length()
size_t Utf8CharStart(const TextBuffer& text, size_t pos);
size_t Utf8NextStop(const TextBuffer& text, size_t pos);
size_t Utf8PreviousStop(const TextBuffer& text, size_t pos);
bool StartsWithByteOrderMark(const TextBuffer& text);
