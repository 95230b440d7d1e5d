#include "textctl/wrap_layout.h"

#include <algorithm>

#include "textctl/text_buffer.h"

namespace {

bool IsBlank(uint8_t byte)
{
    return byte == ' ' || byte == '\t';
}

}   // namespace

int XOfPosition(const TextBuffer& text, const LayoutMetrics& metrics, size_t rowStart, size_t pos)
{
    return XOfPosition(text, metrics, RowMark{rowStart, 0, 0}, pos);
}

int XOfPosition(const TextBuffer& text, const LayoutMetrics& metrics, const RowMark& from, size_t pos)
{
    int x = from.x;
    ForEachChar(text, metrics, from.pos, pos, [&](size_t, const LayoutChar& ch) {
        x = AdvanceX(metrics, ch, x);
        return true;
    });
    return x;
}

size_t PositionFromX(const TextBuffer& text, const LayoutMetrics& metrics, size_t rowStart, size_t rowEnd, int x)
{
    return PositionFromX(text, metrics, RowMark{rowStart, 0, 0}, rowEnd, x);
}

size_t PositionFromX(const TextBuffer& text, const LayoutMetrics& metrics, const RowMark& from, size_t rowEnd, int x)
{
    size_t found = rowEnd;
    int left = from.x;
    ForEachChar(text, metrics, from.pos, rowEnd, [&](size_t pos, const LayoutChar& ch) {
        int right = AdvanceX(metrics, ch, left);
        if (x < right) {
            found = (x - left) * 2 < right - left ? pos : ch.next;
            return false;
        }
        left = right;
        return true;
    });
    return found;
}

size_t FirstPositionAtX(const TextBuffer& text, const LayoutMetrics& metrics, size_t rowStart, size_t rowEnd, int x,
                        int* startX)
{
    return FirstPositionAtX(text, metrics, RowMark{rowStart, 0, 0}, rowEnd, x, startX);
}

size_t FirstPositionAtX(const TextBuffer& text, const LayoutMetrics& metrics, const RowMark& from, size_t rowEnd, int x,
                        int* startX)
{
    size_t found = rowEnd;
    int left = from.x;
    ForEachChar(text, metrics, from.pos, rowEnd, [&](size_t pos, const LayoutChar& ch) {
        int right = AdvanceX(metrics, ch, left);
        if (right > x) {
            found = pos;
            return false;
        }
        left = right;
        return true;
    });
    *startX = left;
    return found;
}

size_t WrapRowEnd(const TextBuffer& text, const LayoutMetrics& metrics, size_t rowStart, size_t lineEnd, int width)
{
    size_t end = lineEnd;
    size_t afterBlank = 0;   // position after the last blank run that fit
    int x = 0;
    bool inBlanks = false;
    ForEachChar(text, metrics, rowStart, lineEnd, [&](size_t pos, const LayoutChar& ch) {
        if (IsBlank(ch.lead)) {
            inBlanks = true;   // blanks may hang past the edge
            x = AdvanceX(metrics, ch, x);
            return true;
        }
        if (inBlanks) {
            afterBlank = pos;
            inBlanks = false;
        }
        x = AdvanceX(metrics, ch, x);
        if (x > width) {
            if (afterBlank > rowStart)
                end = afterBlank;
            else
                end = pos > rowStart ? pos : ch.next;
            return false;
        }
        return true;
    });
    return end;
}

void LineRows::Reset()
{
    lineStart_ = SIZE_MAX;
    starts_.clear();
    complete_ = false;
}

void LineRows::Changed(size_t pos, size_t removed, size_t inserted)
{
    if (lineStart_ == SIZE_MAX || pos > lineEnd_ + 2) return;   // past this line and its break
    if (pos < lineStart_ || pos + removed > lineEnd_) return Reset();
    // A character reads up to 3 bytes on, and row k reads up to the start of
    // row k + 2 at most: rows whose next but one start lies before that stay.
    const size_t changed = pos - std::min<size_t>(pos - lineStart_, 3);
    size_t before = std::lower_bound(starts_.begin(), starts_.end(), changed) - starts_.begin();
    starts_.resize(std::max<size_t>(before, 2) - 1);
    lineEnd_ = lineEnd_ - removed + inserted;
    complete_ = false;
}

void LineRows::Bind(size_t lineStart, size_t lineEnd, int width)
{
    if (lineStart == lineStart_ && lineEnd == lineEnd_ && width == width_) return;
    lineStart_ = lineStart;
    lineEnd_ = lineEnd;
    width_ = width;
    starts_.assign(1, lineStart);
    complete_ = false;
}

void LineRows::ExtendTo(const TextBuffer& text, const LayoutMetrics& metrics, size_t lineStart, size_t lineEnd,
                        int width, size_t row)
{
    Bind(lineStart, lineEnd, width);
    while (!complete_ && starts_.size() <= row) {
        size_t end = WrapRowEnd(text, metrics, starts_.back(), lineEnd, width);
        if (end >= lineEnd)
            complete_ = true;
        else
            starts_.push_back(end);
    }
}

size_t LineRows::Count(const TextBuffer& text, const LayoutMetrics& metrics, size_t lineStart, size_t lineEnd,
                       int width)
{
    ExtendTo(text, metrics, lineStart, lineEnd, width, SIZE_MAX);
    return starts_.size();
}

size_t LineRows::RowStart(const TextBuffer& text, const LayoutMetrics& metrics, size_t lineStart, size_t lineEnd,
                          int width, size_t row)
{
    ExtendTo(text, metrics, lineStart, lineEnd, width, row);
    return row < starts_.size() ? starts_[row] : starts_.back();
}

size_t LineRows::RowEnd(const TextBuffer& text, const LayoutMetrics& metrics, size_t lineStart, size_t lineEnd,
                        int width, size_t row)
{
    ExtendTo(text, metrics, lineStart, lineEnd, width, row + 1);
    return row + 1 < starts_.size() ? starts_[row + 1] : lineEnd;
}

size_t LineRows::RowOf(const TextBuffer& text, const LayoutMetrics& metrics, size_t lineStart, size_t lineEnd,
                       int width, size_t pos)
{
    Bind(lineStart, lineEnd, width);
    while (!complete_ && starts_.back() <= pos) ExtendTo(text, metrics, lineStart, lineEnd, width, starts_.size());
    return std::upper_bound(starts_.begin(), starts_.end(), pos) - starts_.begin() - 1;
}
