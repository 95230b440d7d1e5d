// Layout arithmetic of the text control: where rows of a line wrap, and how
// x coordinates map to byte positions within a row. No Windows header.
//
// A row starts at x = 0. Every character advances x by its width, except
// Tab, which moves to the next multiple of the tab width. A character is a
// byte, or in the UTF-8 view a valid sequence or an invalid byte: positions
// found here are never inside a valid sequence.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "textctl/text_buffer.h"
#include "textctl/utf8_text.h"

struct LayoutMetrics {
    int widths[256] = {};   // per byte; in the UTF-8 view those below 0x80
    int tabWidth = 8;       // > 0
    // The UTF-8 view: characters up to U+FFFF by their width here (empty
    // otherwise), those past it all as wide as astralWidth; an invalid byte's marker.
    std::vector<uint16_t> unitWidths;
    int astralWidth = 0;
    int invalidWidth = 0;
    bool Utf8() const { return !unitWidths.empty(); }
};

inline int AdvanceX(const LayoutMetrics& metrics, uint8_t byte, int x)
{
    if (byte == '\t') return (x / metrics.tabWidth + 1) * metrics.tabWidth;
    return x + metrics.widths[byte];
}

// One character as the layout sees it.
struct LayoutChar {
    size_t next;     // the position after it
    uint8_t lead;    // its first byte
    int width;       // a Tab's advance is AdvanceX's
    Utf8Char utf8;   // in the UTF-8 view, what it is
};

inline int AdvanceX(const LayoutMetrics& metrics, const LayoutChar& ch, int x)
{
    return ch.lead == '\t' ? AdvanceX(metrics, ch.lead, x) : x + ch.width;
}

// Reads characters one after another, keeping the byte store's chunk at hand.
class CharReader {
public:
    CharReader(const TextBuffer& text, const LayoutMetrics& metrics) : text_(text), metrics_(metrics) {}
    LayoutChar At(size_t pos)   // pos < text length
    {
        if (pos < spanStart_ || pos - spanStart_ >= spanLength_) {
            span_ = text_.Span(pos, &spanLength_);
            spanStart_ = pos;
        }
        const uint8_t* p = span_ + (pos - spanStart_);
        const size_t left = spanLength_ - (pos - spanStart_);
        if (!metrics_.Utf8()) return {pos + 1, *p, metrics_.widths[*p], {1, *p, true}};
        // A sequence may go on in the next chunk: then its bytes are copied.
        const bool whole = left >= 4 || spanStart_ + spanLength_ >= text_.Length();
        const Utf8Char ch = whole ? Utf8CharAt(p, left) : Utf8CharAt(text_, pos);
        return {pos + ch.length, *p, Width(ch), ch};
    }

private:
    int Width(const Utf8Char& ch) const
    {
        if (!ch.valid) return metrics_.invalidWidth;
        if (ch.code < 0x80) return metrics_.widths[ch.code];
        return ch.code < metrics_.unitWidths.size() ? metrics_.unitWidths[ch.code] : metrics_.astralWidth;
    }

    const TextBuffer& text_;
    const LayoutMetrics& metrics_;
    const uint8_t* span_ = nullptr;
    size_t spanStart_ = 0;
    size_t spanLength_ = 0;
};

// Calls visit(pos, character) for each character of [from, to) until it
// returns false; a character that would reach past `to` ends the walk.
template <typename Visit>
void ForEachChar(const TextBuffer& text, const LayoutMetrics& metrics, size_t from, size_t to, Visit visit)
{
    if (metrics.Utf8()) {
        CharReader reader(text, metrics);
        for (size_t pos = from; pos < to;) {
            const LayoutChar ch = reader.At(pos);
            if (ch.next > to || !visit(pos, ch)) return;
            pos = ch.next;
        }
        return;
    }
    // One byte a character: the plain loop over each chunk.
    for (size_t pos = from; pos < to;) {
        size_t available = 0;
        const uint8_t* bytes = text.Span(pos, &available);
        if (available > to - pos) available = to - pos;
        for (size_t i = 0; i < available; ++i)
            if (!visit(pos + i, LayoutChar{pos + i + 1, bytes[i], metrics.widths[bytes[i]], {1, bytes[i], true}}))
                return;
        pos += available;
    }
}

// A character start on a row, with its x and the number of characters
// before it on the row: a place to measure from other than the row's start.
struct RowMark {
    size_t pos = 0;
    int x = 0;
    size_t chars = 0;
};

// x of position `pos` in the row starting at rowStart (pos >= rowStart), or
// measured from a mark on it (pos >= its position).
int XOfPosition(const TextBuffer& text, const LayoutMetrics& metrics, size_t rowStart, size_t pos);
int XOfPosition(const TextBuffer& text, const LayoutMetrics& metrics, const RowMark& from, size_t pos);
// The position in [rowStart, rowEnd] whose x is nearest to x; from a mark
// whose x is at most x (or the row's start).
size_t PositionFromX(const TextBuffer& text, const LayoutMetrics& metrics, size_t rowStart, size_t rowEnd, int x);
size_t PositionFromX(const TextBuffer& text, const LayoutMetrics& metrics, const RowMark& from, size_t rowEnd, int x);
// First position in [rowStart, rowEnd] whose x reaches x (the left end of the
// byte under x); used to start drawing a scrolled row. *startX gets its x.
// From a mark as PositionFromX.
size_t FirstPositionAtX(const TextBuffer& text, const LayoutMetrics& metrics, size_t rowStart, size_t rowEnd, int x,
                        int* startX);
size_t FirstPositionAtX(const TextBuffer& text, const LayoutMetrics& metrics, const RowMark& from, size_t rowEnd, int x,
                        int* startX);

// End of the row that starts at rowStart in a line ending at lineEnd, for a
// window `width` pixels wide: after the last blank that fits, else after as
// many bytes as fit, and always at least one byte (unless rowStart == lineEnd).
// Blanks after the break point stay on the row, so a row never starts with one.
size_t WrapRowEnd(const TextBuffer& text, const LayoutMetrics& metrics, size_t rowStart, size_t lineEnd, int width);

// Row starts of one line in wrap mode, computed as far as asked and kept
// until the text, the metrics or the width change (Reset).
class LineRows {
public:
    void Reset();
    // The text changed: `removed` bytes at pos gave way to `inserted`. Rows
    // that read none of them stay; those after are laid out again when asked.
    void Changed(size_t pos, size_t removed, size_t inserted);
    // Number of rows of the line [lineStart, lineEnd) (at least 1).
    size_t Count(const TextBuffer& text, const LayoutMetrics& metrics, size_t lineStart, size_t lineEnd, int width);
    // Start of row `row` (row < Count).
    size_t RowStart(const TextBuffer& text, const LayoutMetrics& metrics, size_t lineStart, size_t lineEnd, int width,
                    size_t row);
    // Row holding pos; a position at a wrap point belongs to the next row.
    size_t RowOf(const TextBuffer& text, const LayoutMetrics& metrics, size_t lineStart, size_t lineEnd, int width,
                 size_t pos);
    // End of row `row` (the next row's start, or lineEnd for the last).
    size_t RowEnd(const TextBuffer& text, const LayoutMetrics& metrics, size_t lineStart, size_t lineEnd, int width,
                  size_t row);

private:
    // Computes rows until `row` is known or the line is done.
    void ExtendTo(const TextBuffer& text, const LayoutMetrics& metrics, size_t lineStart, size_t lineEnd, int width,
                  size_t row);
    void Bind(size_t lineStart, size_t lineEnd, int width);

    size_t lineStart_ = SIZE_MAX;
    size_t lineEnd_ = 0;
    int width_ = 0;
    bool complete_ = false;
    std::vector<size_t> starts_;
};
