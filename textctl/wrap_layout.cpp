#include "textctl/wrap_layout.h"

#include <algorithm>

#include "textctl/text_buffer.h"

namespace {

bool IsBlank(uint8_t byte)
{
    return byte == ' ' || byte == '\t';
}

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

}   // namespace

int XOfPosition(const TextBuffer& text, const LayoutMetrics& metrics, size_t rowStart, size_t pos)
{
    int x = 0;
    ForEachChar(text, metrics, rowStart, pos, [&](size_t, const LayoutChar& ch) {
        x = AdvanceX(metrics, ch, x);
        return true;
    });
    return x;
}

size_t PositionFromX(const TextBuffer& text, const LayoutMetrics& metrics, size_t rowStart, size_t rowEnd, int x)
{
    size_t found = rowEnd;
    int left = 0;
    ForEachChar(text, metrics, rowStart, rowEnd, [&](size_t pos, const LayoutChar& ch) {
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
    size_t found = rowEnd;
    int left = 0;
    ForEachChar(text, metrics, rowStart, rowEnd, [&](size_t pos, const LayoutChar& ch) {
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
