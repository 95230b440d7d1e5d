// Decisions of the transformation commands and the Coding dialog that need no
// window: which coding a recoding writes, which view follows a conversion,
// which dialog entry a stored choice stands for, and how long a result may be.
#pragma once
#include <cstddef>
#include <cstdint>

#include "coding/align.h"
#include "coding/coding_tables.h"
#include "coding/utf8.h"

// What a command of the Coding or Align menu does; its row in the command table names it.
enum class Transformation {
    ToAnsi,
    ToOem,
    ToKoi8,
    ToUtf8,
    ToFido,   // OEM, then Fido's substitutions
    Transliterate,
    RtfToAnsi,
    DecodeQuotedPrintable,
    CompleteLineBreaks,
    RepairCoding,   // undoes the wrong readings that garbled the text
    Justify,
    Center,
    Left,
    Right,
};

// The stretch a transformation takes when something is selected: the selection,
// the selection widened to whole lines, or the whole text regardless.
enum class RangeRule { Selection, WholeLines, WholeText };
RangeRule RangeOf(Transformation transformation);
// The paragraph alignment of Justify, Center, Left and Right.
AlignMode AlignModeOf(Transformation transformation);

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

// The coding a recoding writes (->ANSI, ->OEM, ->KOI8, ->UTF-8; Fido writes
// OEM bytes), which a whole-text recoding also makes the view.
Coding RecodeTarget(Transformation recoding);

// The view after a dialog conversion: a whole text decoded from UTF-8 into
// ANSI, OEM or KOI8 is shown in that coding; otherwise the view stays.
Coding ViewAfterConversion(int from, int to, bool wholeText, Coding view);

// How many bytes may take the place of rangeLength of a text of textLength
// bytes when the text may hold at most limit.
size_t ResultRoom(size_t textLength, size_t rangeLength, size_t limit);
