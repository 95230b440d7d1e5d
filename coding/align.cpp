// Reflows words into lines of a fixed width: indents, padding and justified
// gaps are spaces, every line ends with CR LF. The last byte of the range is
// written with the last line but never counted, as the commands always did.
#include "coding/align.h"

#include <new>
#include <stdexcept>

namespace {

bool IsBlank(uint8_t b) { return b == 0x00 || b == 0x09 || b == 0x0A || b == 0x0D || b == 0x20; }

// Appends to the result; running past the limit counts as running out of memory.
struct Output {
    std::vector<uint8_t>& bytes;
    size_t limit;

    void MakeRoom(int64_t count) {
        if (uint64_t(count) > limit - bytes.size()) throw std::bad_alloc();
    }
    void Spaces(int64_t count) {
        if (count <= 0) return;
        MakeRoom(count);
        bytes.insert(bytes.end(), size_t(count), ' ');
    }
    void Copy(const uint8_t* from, const uint8_t* to) {
        MakeRoom(to - from);
        bytes.insert(bytes.end(), from, to);
    }
};

// The words of one output line: d[start..end] holds them (end is the blank or
// line feed where the next line begins, or the range's last byte).
struct Line {
    size_t start, end;
    int64_t words, letters;
};

// Collects words while they fit in `room` columns; a word that overflows is
// given back unless it is the only one.
Line CollectWords(const uint8_t* d, size_t length, size_t start, int64_t room, bool ignoreLineBreaks) {
    const size_t last = length - 1;  // never examined by the scan
    Line line{start, start, 0, 0};
    size_t& k = line.end;
    for (;;) {
        if (k >= last || line.words + line.letters - 1 > room) break;
        bool lineBreak = false;
        while (k < last && IsBlank(d[k])) {
            ++k;
            if (!ignoreLineBreaks && d[k] == 0x0A) {
                lineBreak = true;
                break;
            }
        }
        if (lineBreak) break;
        if (k < last) {
            ++line.words;
            for (; k < last && !IsBlank(d[k]); ++k) ++line.letters;
        }
    }
    if (line.words + line.letters - 1 > room && line.words > 1) {
        --line.words;
        while (k > 0 && IsBlank(d[k])) --k;
        for (; k > 0 && !IsBlank(d[k]); --k) --line.letters;
    }
    return line;
}

struct Gaps {
    int64_t spaces;  // every gap
    int64_t wider;   // how many of the first gaps get one space more
};

// Writes the padding before the words and says how wide the gaps are.
Gaps Pad(Output& out, AlignMode mode, int64_t freeColumns, const Line& line, size_t length) {
    switch (mode) {
    case AlignCenter: out.Spaces(freeColumns / 2); break;
    case AlignRight: out.Spaces(freeColumns); break;
    case AlignJustify:
        if (freeColumns > 0 && line.words > 1 && line.end < length - 1)
            return {freeColumns / (line.words - 1) + 1, freeColumns % (line.words - 1)};
        break;
    case AlignLeft: break;
    }
    return {1, 0};
}

void WriteWords(Output& out, const uint8_t* d, const Line& line, Gaps gaps) {
    int64_t wordsLeft = line.words;
    size_t j = line.start;
    const size_t k = line.end;
    while (j <= k) {
        while (j <= k && IsBlank(d[j])) ++j;
        if (j > k) break;
        --wordsLeft;
        const size_t wordStart = j;
        while (j <= k && !IsBlank(d[j])) ++j;
        out.Copy(d + wordStart, d + j);
        if (wordsLeft > 0 && j < k) {
            out.Spaces(gaps.spaces + (gaps.wider > 0 ? 1 : 0));
            if (gaps.wider > 0) --gaps.wider;
        }
    }
    const uint8_t lineBreak[2] = {0x0D, 0x0A};
    out.Copy(lineBreak, lineBreak + 2);
}

void Align(const uint8_t* d, size_t length, AlignMode mode, const AlignParams& params, Output& out) {
    const int64_t width = params.rightIndent;
    int64_t first = mode == AlignCenter ? params.leftIndent : params.firstIndent;
    int64_t left = params.leftIndent;
    if (left >= width - 8) left = 0;
    if (first >= width - 8) first = 0;
    out.Spaces(first);
    int64_t indent = first;
    for (size_t j = 0; j < length;) {
        if (j > 0) {
            out.Spaces(left);
            indent = left;
        }
        const Line line = CollectWords(d, length, j, width - indent, params.ignoreLineBreaks);
        const int64_t freeColumns = width - indent - line.letters - line.words + 1;
        WriteWords(out, d, line, Pad(out, mode, freeColumns, line, length));
        j = line.end + 1;
    }
}

}  // namespace

bool AlignParagraphs(const uint8_t* d, size_t length, AlignMode mode, const AlignParams& params,
                     std::vector<uint8_t>& out) {
    out.clear();
    Output output{out, params.outputLimit};
    try {
        out.reserve(length + length / 8 + 64);
        Align(d, length, mode, params, output);
        return true;
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
    out.clear();
    out.shrink_to_fit();
    return false;
}

ByteRange WidenToLines(ByteRange selection, int32_t startLineStart, int32_t endLineStart, int32_t endLineLength) {
    if (selection.start <= startLineStart) return selection;
    ByteRange widened{startLineStart, selection.end};
    if (int64_t(endLineLength) > int64_t(selection.end) - endLineStart)
        widened.end = int32_t(int64_t(endLineStart) + endLineLength);
    return widened;
}
