#include "textctl/page_layout.h"

#include <algorithm>

#include "textctl/text_buffer.h"

namespace {

// The row that starts at pos; *next gets where the following row starts
// (past the line break when the row ends its line).
PageRow RowAt(const TextBuffer& text, const LayoutMetrics& metrics, size_t pos, size_t end, int width, size_t* next)
{
    size_t line = text.LineFromPos(pos);
    size_t lineEnd = text.LineStart(line) + text.LineLength(line);
    size_t shownEnd = std::min(lineEnd, end);
    // A start between CR and LF has nothing left to show on its line.
    size_t rowEnd = pos < shownEnd ? WrapRowEnd(text, metrics, pos, shownEnd, width) : pos;
    *next = rowEnd < lineEnd ? rowEnd : lineEnd + text.LineBreakLength(line);
    return {pos, rowEnd};
}

}   // namespace

size_t LayOutPage(const TextBuffer& text, const LayoutMetrics& metrics, size_t start, size_t end,
                  const PageFrame& frame, std::vector<PageRow>* rows)
{
    rows->clear();
    size_t capacity = std::max(1, frame.height / frame.lineHeight);
    size_t pos = start;
    while (pos < end && rows->size() < capacity) {
        size_t next = pos;
        rows->push_back(RowAt(text, metrics, pos, end, frame.width, &next));
        pos = std::min(next, end);
    }
    return pos;
}

PageRange ClampPageRange(long start, long end, size_t length)
{
    PageRange range;
    range.start = start < 0 ? 0 : std::min(static_cast<size_t>(start), length);
    range.end = end < 0 ? length : std::min(static_cast<size_t>(end), length);
    return range;
}
