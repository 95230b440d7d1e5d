// The rows on screen: which part of the text the window shows, where the
// caret stands, the scroll bars and what to repaint. Only rows near the
// window are ever laid out, so nothing here walks the whole document.
#include <algorithm>

#include "textctl/textctl_internal.h"

namespace {

RECT ClientRect(const TextControl& c)
{
    RECT rect;
    GetClientRect(c.window, &rect);
    return rect;
}

size_t LineEnd(const TextControl& c, size_t line)
{
    return c.text.LineStart(line) + c.text.LineLength(line);
}

// The row cache that serves a line: the top line and the caret's line keep
// theirs, so that a long wrapped line is not laid out again for every row.
LineRows& RowsFor(TextControl& c, size_t line)
{
    if (line == c.topLine) return c.topRows;
    if (line == c.text.LineFromPos(c.caret)) return c.caretRows;
    return c.scratchRows;
}

bool Before(const Row& a, size_t line, size_t index)
{
    return a.line < line || (a.line == line && a.index < index);
}

bool SameRow(const Row& a, const Row& b)
{
    return a.line == b.line && a.index == b.index;
}

size_t RowCountOfLine(TextControl& c, size_t line)
{
    if (!WrapMode(c)) return 1;
    size_t start = c.text.LineStart(line);
    return RowsFor(c, line).Count(c.text, c.metrics, start, LineEnd(c, line), TextAreaWidth(c));
}

Row LastRow(TextControl& c)
{
    size_t line = c.text.LineCount() - 1;
    return RowAt(c, line, RowCountOfLine(c, line) - 1);
}

// The highest top row that still fills the window down to the last row.
Row LowestTop(TextControl& c)
{
    Row row = LastRow(c);
    for (size_t i = 1; i < VisibleRows(c) && PreviousRow(c, row);) ++i;
    return row;
}

// Setting a bar redraws it even when nothing changed, which under some systems
// takes as long as the rest of a paint: a bar is set only when it changes.
void SetScrollBar(TextControl& c, int bar, int maximum, int page, int pos)
{
    SCROLLINFO& shown = c.shownBars[bar == SB_VERT];
    if (shown.cbSize && shown.nMax == maximum && shown.nPage == static_cast<UINT>(page) && shown.nPos == pos) return;
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMax = maximum;
    info.nPage = static_cast<UINT>(page);
    info.nPos = pos;
    SetScrollInfo(c.window, bar, &info, TRUE);
    shown = info;
}

// Whether the whole text fits the window from its first row.
bool AllRowsFit(TextControl& c)
{
    if (c.topLine != 0 || c.topRow != 0) return false;
    Row row = TopRow(c);
    for (size_t i = 1; i < VisibleRows(c); ++i)
        if (!NextRow(c, row)) return true;
    return !NextRow(c, row);
}

}   // namespace

bool WrapMode(const TextControl& c)
{
    return c.wrap;
}

int TextLeft(const TextControl& c)
{
    bool bar = (GetWindowLongA(c.window, GWL_STYLE) & ES_SELECTIONBAR) != 0;
    return (bar ? SelectionBarWidth : 0) + TextMargin;
}

int TextAreaWidth(const TextControl& c)
{
    RECT rect = ClientRect(c);
    int width = rect.right - TextLeft(c) - TextMargin;
    return std::max(width, c.metrics.widths['W'] + 1);
}

size_t VisibleRows(const TextControl& c)
{
    RECT rect = ClientRect(c);
    return std::max<size_t>(1, rect.bottom / std::max(1, c.lineHeight));
}

Row RowAt(TextControl& c, size_t line, size_t index)
{
    Row row;
    row.line = line;
    row.start = c.text.LineStart(line);
    size_t end = LineEnd(c, line);
    row.end = end;
    if (!WrapMode(c)) return row;
    LineRows& rows = RowsFor(c, line);
    int width = TextAreaWidth(c);
    size_t lineStart = row.start;
    row.index = std::min(index, rows.Count(c.text, c.metrics, lineStart, end, width) - 1);
    row.start = rows.RowStart(c.text, c.metrics, lineStart, end, width, row.index);
    row.end = rows.RowEnd(c.text, c.metrics, lineStart, end, width, row.index);
    row.lastOfLine = row.end >= end;
    return row;
}

Row RowOfPosition(TextControl& c, size_t pos)
{
    pos = std::min(pos, c.text.Length());
    size_t line = c.text.LineFromPos(pos);
    if (!WrapMode(c)) return RowAt(c, line, 0);
    size_t start = c.text.LineStart(line);
    size_t index = RowsFor(c, line).RowOf(c.text, c.metrics, start, LineEnd(c, line), TextAreaWidth(c), pos);
    return RowAt(c, line, index);
}

bool NextRow(TextControl& c, Row& row)
{
    if (!row.lastOfLine) {
        row = RowAt(c, row.line, row.index + 1);
        return true;
    }
    if (row.line + 1 >= c.text.LineCount()) return false;
    row = RowAt(c, row.line + 1, 0);
    return true;
}

bool PreviousRow(TextControl& c, Row& row)
{
    if (row.index > 0) {
        row = RowAt(c, row.line, row.index - 1);
        return true;
    }
    if (row.line == 0) return false;
    row = RowAt(c, row.line - 1, RowCountOfLine(c, row.line - 1) - 1);
    return true;
}

Row TopRow(TextControl& c)
{
    return RowAt(c, c.topLine, c.topRow);
}

void ResetLayout(TextControl& c)
{
    c.topRows.Reset();
    c.caretRows.Reset();
    c.scratchRows.Reset();
    c.marks.Reset();
    size_t lines = c.text.LineCount();
    if (c.topLine >= lines) {
        c.topLine = lines - 1;
        c.topRow = 0;
    }
}

void LayoutEdited(TextControl& c, size_t pos, size_t removed, size_t inserted)
{
    for (LineRows* rows : {&c.topRows, &c.caretRows, &c.scratchRows}) rows->Changed(pos, removed, inserted);
    c.marks.Changed(pos);
}

int XInRow(TextControl& c, size_t rowStart, size_t pos)
{
    if (pos - rowStart < RowMarks::Stride) return XOfPosition(c.text, c.metrics, rowStart, pos);
    return XOfPosition(c.text, c.metrics, c.marks.Before(c.text, c.metrics, rowStart, pos), pos);
}

RowMark MarkBeforeX(TextControl& c, size_t rowStart, size_t rowEnd, int x)
{
    if (rowEnd - rowStart < RowMarks::Stride) return RowMark{rowStart, 0, 0};
    return c.marks.BeforeX(c.text, c.metrics, rowStart, rowEnd, x);
}

size_t ColumnOf(TextControl& c, size_t pos)
{
    pos = std::min(pos, c.text.Length());
    return CharsBefore(c.marks, c.text, c.metrics, c.text.LineStart(c.text.LineFromPos(pos)), pos);
}

void ScrollTo(TextControl& c, size_t line, size_t index)
{
    line = std::min(line, c.text.LineCount() - 1);
    Row target = RowAt(c, line, index);
    Row lowest = LowestTop(c);
    if (Before(lowest, target.line, target.index)) target = lowest;
    if (target.line == c.topLine && target.index == c.topRow) return;
    c.topLine = target.line;
    c.topRow = target.index;
    Repaint(c);
    UpdateScrollBars(c);
    PlaceCaret(c);
}

void ScrollRows(TextControl& c, long delta)
{
    if (!WrapMode(c)) {
        long long line = static_cast<long long>(c.topLine) + delta;
        ScrollTo(c, static_cast<size_t>(std::max(0LL, line)), 0);
        return;
    }
    Row row = TopRow(c);
    for (long i = 0; i < delta && NextRow(c, row); ++i) {}
    for (long i = 0; i > delta && PreviousRow(c, row); --i) {}
    ScrollTo(c, row.line, row.index);
}

void ScrollHorizontally(TextControl& c, int x)
{
    if (WrapMode(c)) x = 0;
    x = std::max(0, std::min(x, std::max(c.widestRow, c.xOffset)));
    if (x == c.xOffset) return;
    c.xOffset = x;
    Repaint(c);
    UpdateScrollBars(c);
    PlaceCaret(c);
}

void ShowCaretRow(TextControl& c)
{
    Row caretRow = RowOfPosition(c, c.caret);
    size_t visible = VisibleRows(c);
    if (Before(caretRow, c.topLine, c.topRow)) {
        ScrollTo(c, caretRow.line, caretRow.index);
    } else if (ScreenRowOf(c, caretRow) >= static_cast<long>(visible)) {
        Row top = caretRow;
        for (size_t i = 1; i < visible && PreviousRow(c, top); ++i) {}
        ScrollTo(c, top.line, top.index);
    }
    if (WrapMode(c)) return;
    int x = XInRow(c, caretRow.start, c.caret);
    c.widestRow = std::max(c.widestRow, x);
    int width = TextAreaWidth(c);
    if (x < c.xOffset)
        ScrollHorizontally(c, x - width / 4);
    else if (x > c.xOffset + width - 2)
        ScrollHorizontally(c, x - width * 3 / 4);
}

long ScreenRowOf(TextControl& c, const Row& row)
{
    long visible = static_cast<long>(VisibleRows(c));
    if (!WrapMode(c)) {
        long long difference = static_cast<long long>(row.line) - static_cast<long long>(c.topLine);
        return static_cast<long>(std::max<long long>(-visible - 1, std::min<long long>(difference, visible + 1)));
    }
    Row walk = TopRow(c);
    if (Before(row, c.topLine, c.topRow)) {
        for (long i = 1; i <= visible && PreviousRow(c, walk); ++i)
            if (SameRow(walk, row)) return -i;
        return -visible - 1;
    }
    for (long i = 0; i <= visible; ++i) {
        if (SameRow(walk, row)) return i;
        if (!NextRow(c, walk)) break;
    }
    return visible + 1;
}

bool PointOfPosition(TextControl& c, size_t pos, POINT* point)
{
    Row row = RowOfPosition(c, pos);
    long screenRow = ScreenRowOf(c, row);
    point->x = TextLeft(c) + XInRow(c, row.start, std::min(pos, row.end)) - c.xOffset;
    point->y = screenRow * c.lineHeight;
    return screenRow >= 0 && screenRow <= static_cast<long>(VisibleRows(c));
}

size_t PositionFromPoint(TextControl& c, int x, int y)
{
    long target = y < 0 ? -1 - (-y - 1) / c.lineHeight : y / c.lineHeight;
    long reach = static_cast<long>(VisibleRows(c)) + 1;   // a wild point walks no further
    target = std::max(-reach, std::min(target, reach));
    Row row = TopRow(c);
    for (long i = 0; i < target && NextRow(c, row); ++i) {}
    for (long i = 0; i > target && PreviousRow(c, row); --i) {}
    x = x - TextLeft(c) + c.xOffset;
    size_t pos = PositionFromX(c.text, c.metrics, MarkBeforeX(c, row.start, row.end, x), row.end, x);
    // A wrap point belongs to the next row: stay on the row clicked.
    if (pos == row.end && !row.lastOfLine && pos > row.start) pos = CharStop(c, pos - 1);
    return pos;
}

void PlaceCaret(TextControl& c)
{
    // While redraw is held the caret waits too: WM_SETREDRAW places it once.
    if (!c.focused || !c.redraw) return;
    POINT point;
    if (!PointOfPosition(c, c.caret, &point)) point = {-1000, -1000};
    SetCaretPos(point.x, point.y);
}

void InvalidateRange(TextControl& c, size_t from, size_t to)
{
    if (!c.redraw) return;
    RECT rect = ClientRect(c);
    long visible = static_cast<long>(VisibleRows(c));
    long first = ScreenRowOf(c, RowOfPosition(c, from));
    long last = to == SIZE_MAX ? visible : ScreenRowOf(c, RowOfPosition(c, to));
    if (last < 0 || first > visible) return;
    rect.top = std::max(0L, first) * c.lineHeight;
    if (to != SIZE_MAX) rect.bottom = std::min(rect.bottom, (std::min(last, visible) + 1) * c.lineHeight);
    InvalidateRect(c.window, &rect, FALSE);
}

void Repaint(TextControl& c)
{
    if (c.redraw) InvalidateRect(c.window, nullptr, FALSE);
}

// Setting a scroll bar redraws it at once, which is slow: the bars are set
// when the window paints next, once for a whole burst of changes.
void UpdateScrollBars(TextControl& c)
{
    c.scrollBarsStale = true;
    RECT corner = {0, 0, 1, 1};
    if (c.redraw) InvalidateRect(c.window, &corner, FALSE);
}

void SetScrollBarsNow(TextControl& c)
{
    if (!c.scrollBarsStale) return;
    c.scrollBarsStale = false;
    if (c.verticalBar) {
        int lines = static_cast<int>(std::min<size_t>(c.text.LineCount(), INT_MAX));
        if (!WrapMode(c))
            SetScrollBar(c, SB_VERT, lines - 1, static_cast<int>(VisibleRows(c)), static_cast<int>(c.topLine));
        else if (AllRowsFit(c))
            SetScrollBar(c, SB_VERT, 0, 2, 0);
        else
            SetScrollBar(c, SB_VERT, lines - 1, 1, static_cast<int>(c.topLine));
    }
    if (c.horizontalBar && !WrapMode(c)) {
        int width = TextAreaWidth(c);
        int extent = std::max(c.widestRow + c.lineHeight, c.xOffset + width);
        SetScrollBar(c, SB_HORZ, extent, width, c.xOffset);
    }
}
