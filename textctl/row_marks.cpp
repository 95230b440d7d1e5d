#include "textctl/row_marks.h"

#include <algorithm>

#include "coding/utf8_chars.h"

void RowMarks::Reset()
{
    rowStart_ = SIZE_MAX;
    marks_.clear();
}

void RowMarks::Changed(size_t pos)
{
    if (rowStart_ == SIZE_MAX) return;
    const size_t changed = pos < 3 ? 0 : pos - 3;
    if (changed <= rowStart_) return Reset();
    while (marks_.back().pos >= changed) marks_.pop_back();
}

void RowMarks::Bind(size_t rowStart)
{
    if (rowStart == rowStart_) return;
    rowStart_ = rowStart;
    marks_.assign(1, RowMark{rowStart, 0, 0});
}

bool RowMarks::Extend(const TextBuffer& text, const LayoutMetrics& metrics, size_t to)
{
    RowMark walk = marks_.back();
    const size_t markAt = walk.pos + Stride;
    bool laid = false;
    ForEachChar(text, metrics, walk.pos, to, [&](size_t pos, const LayoutChar& ch) {
        if (pos >= markAt) {
            marks_.push_back(RowMark{pos, walk.x, walk.chars});
            laid = true;
            return false;
        }
        walk.x = AdvanceX(metrics, ch, walk.x);
        ++walk.chars;
        return true;
    });
    return laid;
}

RowMark RowMarks::Before(const TextBuffer& text, const LayoutMetrics& metrics, size_t rowStart, size_t pos)
{
    Bind(rowStart);
    while (marks_.back().pos + Stride <= pos && Extend(text, metrics, pos)) {}
    auto after =
        std::upper_bound(marks_.begin(), marks_.end(), pos, [](size_t p, const RowMark& mark) { return p < mark.pos; });
    return *(after - 1);
}

RowMark RowMarks::BeforeX(const TextBuffer& text, const LayoutMetrics& metrics, size_t rowStart, size_t rowEnd, int x)
{
    Bind(rowStart);
    while (marks_.back().x <= x && Extend(text, metrics, rowEnd)) {}
    auto after =
        std::upper_bound(marks_.begin(), marks_.end(), x, [](int want, const RowMark& mark) { return want < mark.x; });
    return after == marks_.begin() ? marks_.front() : *(after - 1);
}

size_t CharsBefore(RowMarks& marks, const TextBuffer& text, const LayoutMetrics& metrics, size_t rowStart, size_t pos)
{
    if (!metrics.Utf8()) return pos - rowStart;
    RowMark walk =
        pos - rowStart < RowMarks::Stride ? RowMark{rowStart, 0, 0} : marks.Before(text, metrics, rowStart, pos);
    ForEachChar(text, metrics, walk.pos, pos, [&](size_t, const LayoutChar& ch) {
        walk.pos = ch.next;
        ++walk.chars;
        return true;
    });
    uint8_t cut[4];
    const size_t left = text.CopyOut(walk.pos, std::min<size_t>(pos - walk.pos, sizeof cut), cut);
    return walk.chars + Utf8CharCount(cut, left);
}
