// Decisions of the transformation commands and the Coding dialog that need no
// window: which coding a recoding writes, which view follows a conversion,
// which dialog entry a stored choice stands for, and how long a result may be.
#pragma once
#include <cstddef>
#include <cstdint>

#include "coding/coding_tables.h"
#include "coding/utf8.h"

// The Coding dialog's entries: the five codings in index order, then UTF-8.
constexpr int ConversionCodingCount = CodingUtf8 + 1;
// The name of an entry, 0..5.
const char* ConversionCodingName(int coding);
constexpr bool IsConversionCoding(int coding)
{
    return coding >= 0 && coding < ConversionCodingCount;
}

// A stored dialog choice names its entry; anything else gets the fallback entry.
int DialogEntry(uint32_t stored, int fallback);

// The coding a menu recoding command writes (->ANSI, ->OEM, ->KOI8; Fido
// writes OEM bytes), which a whole-text recoding also makes the view.
Coding RecodeTarget(int command);

// The view after a dialog conversion: UTF-8 cannot be a view, so a whole text
// decoded from it into ANSI, OEM or KOI8 is shown in that coding; otherwise
// the view stays.
Coding ViewAfterConversion(int from, int to, bool wholeText, Coding view);

// How many bytes may take the place of rangeLength of a text of textLength
// bytes when the text may hold at most limit.
size_t ResultRoom(size_t textLength, size_t rangeLength, size_t limit);
