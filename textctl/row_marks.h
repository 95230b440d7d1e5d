// Marks along one long row: a caret at the far end of a row of 100 MB is
// measured from the nearest mark, not from the row's start. No Windows header.
#pragma once
#include <cstddef>
#include <vector>

#include "textctl/text_buffer.h"
#include "textctl/wrap_layout.h"

// A mark every Stride bytes of one row, laid down as far as a question
// reaches and kept until the text before them changes or Reset. Rows shorter
// than a stride are measured from their start and need none.
class RowMarks {
public:
    static constexpr size_t Stride = 1 << 16;
    void Reset();
    // The text changed from pos on; a character reads up to 3 bytes on.
    void Changed(size_t pos);
    // The last mark at or before pos on the row starting at rowStart.
    RowMark Before(const TextBuffer& text, const LayoutMetrics& metrics, size_t rowStart, size_t pos);
    // The last mark whose x is at most x on the row [rowStart, rowEnd) (its start when none is).
    RowMark BeforeX(const TextBuffer& text, const LayoutMetrics& metrics, size_t rowStart, size_t rowEnd, int x);

private:
    void Bind(size_t rowStart);
    // Lays down the next mark, walking no further than `to`; false when the walk reached it first.
    bool Extend(const TextBuffer& text, const LayoutMetrics& metrics, size_t to);

    size_t rowStart_ = SIZE_MAX;
    std::vector<RowMark> marks_;
};

// Characters in [rowStart, pos): counted from the nearest mark. A sequence
// that pos cuts counts as its bytes, as a count of the bytes alone would.
size_t CharsBefore(RowMarks& marks, const TextBuffer& text, const LayoutMetrics& metrics, size_t rowStart, size_t pos);
