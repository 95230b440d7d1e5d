// The picture the font dialog previews: a title with a Russian word, then a
// face drawn with box characters, so both letters and frames can be judged.
#pragma once
#include <cstddef>
#include <string>

#include "coding/coding_tables.h"

constexpr size_t FontPreviewLength = 72;
// The picture in CP866: seven lines, each but the last ending with CR LF.
extern const char FontPreviewText[FontPreviewLength + 1];

// The picture in the coding: the same letters and frame whichever coding is
// edited (as far as the coding has box characters).
std::string FontPreviewFor(Coding coding);
