// Paragraph alignment to a fixed width in characters: reflowed words, spaces
// for indents and padding, CR LF after every line.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// The default largest aligned text: the editor's positions are signed 32-bit.
constexpr size_t AlignOutputLimit = 0x7FFFFFFF;

enum AlignMode { AlignJustify, AlignCenter, AlignLeft, AlignRight };

struct AlignParams {
    int32_t firstIndent = 0;                 // "FI"
    int32_t leftIndent = 0;                  // "LI"
    int32_t rightIndent = 80;                // "RI", the line width
    bool ignoreLineBreaks = false;           // "IG"
    size_t outputLimit = AlignOutputLimit;   // the longest result
};

enum class AlignOutcome {
    Aligned,
    OutOfMemory,
    TooLong,          // the result would pass params.outputLimit
    IndentsTooLong,   // so would the indents of its lines alone, with their line breaks
};

// Replaces `out` with the aligned text; `out` is empty unless it was Aligned.
AlignOutcome AlignParagraphs(const uint8_t* d, size_t length, AlignMode mode, const AlignParams& params,
                             std::vector<uint8_t>& out);

struct ByteRange {
    int32_t start;
    int32_t end;
};

// Widens a non-empty selection to whole lines. startLineStart is the start of the
// line holding selection.start; endLineStart and endLineLength (without its break)
// describe the line holding selection.end.
ByteRange WidenToLines(ByteRange selection, int32_t startLineStart, int32_t endLineStart, int32_t endLineLength);
