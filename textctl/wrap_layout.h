// Layout arithmetic of the text control: where rows of a line wrap, and how
// x coordinates map to byte positions within a row. No Windows header.
//
// A row starts at x = 0. Every byte advances x by its entry in the width
// table, except Tab, which moves to the next multiple of the tab width.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

class TextBuffer;

struct LayoutMetrics {
    int widths[256] = {};
    int tabWidth = 8;   // > 0
};

inline int AdvanceX(const LayoutMetrics& metrics, uint8_t byte, int x)
{
    if (byte == '\t') return (x / metrics.tabWidth + 1) * metrics.tabWidth;
    return x + metrics.widths[byte];
}

// x of position `pos` in the row starting at rowStart (pos >= rowStart).
int XOfPosition(const TextBuffer& text, const LayoutMetrics& metrics, size_t rowStart, size_t pos);
// The position in [rowStart, rowEnd] whose x is nearest to x.
size_t PositionFromX(const TextBuffer& text, const LayoutMetrics& metrics, size_t rowStart, size_t rowEnd, int x);
// First position in [rowStart, rowEnd] whose x reaches x (the left end of the
// byte under x); used to start drawing a scrolled row. *startX gets its x.
size_t FirstPositionAtX(const TextBuffer& text, const LayoutMetrics& metrics, size_t rowStart, size_t rowEnd, int x,
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
