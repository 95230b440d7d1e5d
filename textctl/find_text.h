// Forward search over the control's bytes (EM_FINDTEXT).
//
// Without FindMatchCase, letters fold by the coding the bytes are shown in:
// Latin A-Z and the Cyrillic capitals and small letters of that coding
// (Ё and ё included), by the program's own tables, never by the system locale.
// In UTF-8 each character of the pattern matches itself or its other case as
// a whole, so no byte of a longer sequence is taken for another's.
#pragma once
#include <cstddef>
#include <cstdint>

#include "coding/coding_tables.h"

class TextBuffer;

enum FindFlags : unsigned {
    FindMatchCase = 1,
    FindWholeWord = 2,   // neither neighbour of the match is a word byte
};

// The first match starting at or after `min` that lies wholly before `max`
// (max < 0 or past the end: the end of the text); -1 when there is none or
// the pattern is empty.
int64_t FindText(const TextBuffer& text, size_t min, int64_t max, const uint8_t* pattern, size_t length, unsigned flags,
                 Coding coding);

// The byte each byte folds to in a one-byte coding: a capital letter's small
// letter, any other byte itself.
const uint8_t* CaseFoldTable(Coding coding);
