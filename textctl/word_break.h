// Word movement (Ctrl+arrows, EM_FINDWORDBREAK) and double-click word
// selection over the control's bytes.
//
// Word bytes: ASCII letters and digits, '_' and every byte from 0x80 up (the
// Cyrillic letters of all the codings live there). Blanks: space and tab.
// Line breaks (CR LF as one) and all other bytes (punctuation, controls,
// zero) separate words; a run of punctuation counts as a word of its own.
#pragma once
#include <cstddef>
#include <cstdint>

class TextBuffer;

bool IsWordByte(uint8_t b);

// Start of the next word: skips the word (or punctuation run) at pos and the
// blanks after it; a line break is one step of its own.
size_t WordRight(const TextBuffer& text, size_t pos);
// Start of the word before pos, skipping blanks; a line break is one step.
size_t WordLeft(const TextBuffer& text, size_t pos);

// What a double-click at pos selects: the word with its trailing blanks, a
// run of blanks or punctuation, or a line break.
struct WordRange {
    size_t start;
    size_t end;
};
WordRange WordAt(const TextBuffer& text, size_t pos);
