// Scrolling messages: scroll bars, wheel, EM_LINESCROLL and friends, size
// and redraw changes.
#include <algorithm>

#include "textctl/textctl_internal.h"

namespace {

int TrackPosition(HWND window, int bar)
{
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_TRACKPOS;
    GetScrollInfo(window, bar, &info);
    return info.nTrackPos;
}

void VerticalScroll(TextControl& c, int code)
{
    long page = static_cast<long>(VisibleRows(c));
    switch (code) {
    case SB_LINEUP:
        ScrollRows(c, -1);
        break;
    case SB_LINEDOWN:
        ScrollRows(c, 1);
        break;
    case SB_PAGEUP:
        ScrollRows(c, -std::max(1L, page - 1));
        break;
    case SB_PAGEDOWN:
        ScrollRows(c, std::max(1L, page - 1));
        break;
    case SB_TOP:
        ScrollTo(c, 0, 0);
        break;
    case SB_BOTTOM:
        ScrollTo(c, c.text.LineCount() - 1, SIZE_MAX);
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        ScrollTo(c, static_cast<size_t>(std::max(0, TrackPosition(c.window, SB_VERT))), 0);
        break;
    }
}

void HorizontalScroll(TextControl& c, int code)
{
    int step = std::max(1, c.metrics.widths['x']);
    int page = TextAreaWidth(c);
    switch (code) {
    case SB_LINELEFT:
        ScrollHorizontally(c, c.xOffset - step);
        break;
    case SB_LINERIGHT:
        ScrollHorizontally(c, c.xOffset + step);
        break;
    case SB_PAGELEFT:
        ScrollHorizontally(c, c.xOffset - page);
        break;
    case SB_PAGERIGHT:
        ScrollHorizontally(c, c.xOffset + page);
        break;
    case SB_LEFT:
        ScrollHorizontally(c, 0);
        break;
    case SB_RIGHT:
        ScrollHorizontally(c, c.widestRow);
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        ScrollHorizontally(c, TrackPosition(c.window, SB_HORZ));
        break;
    }
}

void WheelScroll(TextControl& c, int delta)
{
    UINT lines = 3;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    if (lines == WHEEL_PAGESCROLL) lines = static_cast<UINT>(VisibleRows(c));
    ScrollRows(c, -static_cast<long>(delta) * static_cast<long>(lines) / WHEEL_DELTA);
}

// EM_SCROLL: one line or page; the result says how many rows moved.
LRESULT ScrollByCode(TextControl& c, int code)
{
    size_t lineBefore = c.topLine, rowBefore = c.topRow;
    VerticalScroll(c, code);
    if (code != SB_LINEUP && code != SB_LINEDOWN && code != SB_PAGEUP && code != SB_PAGEDOWN) return FALSE;
    long moved = static_cast<long>(c.topLine) - static_cast<long>(lineBefore);
    if (WrapMode(c)) moved = static_cast<long>(c.topRow) - static_cast<long>(rowBefore) + moved;
    return MAKELRESULT(static_cast<WORD>(moved), TRUE);
}

void Resized(TextControl& c)
{
    ResetLayout(c);
    if (WrapMode(c)) c.xOffset = 0;
    ScrollTo(c, c.topLine, c.topRow);
    Repaint(c);
    UpdateScrollBars(c);
    PlaceCaret(c);
}

LRESULT PositionMessage(TextControl& c, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == EM_POSFROMCHAR) {
        POINTL* point = reinterpret_cast<POINTL*>(wParam);
        if (!point) return 0;
        POINT found;
        PointOfPosition(c, static_cast<size_t>(std::max<LPARAM>(0, lParam)), &found);
        point->x = found.x;
        point->y = found.y;
        return 0;
    }
    const POINTL* point = reinterpret_cast<const POINTL*>(lParam);
    if (!point) return 0;
    return static_cast<LRESULT>(PositionFromPoint(c, point->x, point->y));
}

}   // namespace

bool ScrollMessage(TextControl& c, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    *result = 0;
    switch (message) {
    case WM_VSCROLL:
        VerticalScroll(c, LOWORD(wParam));
        return true;
    case WM_HSCROLL:
        HorizontalScroll(c, LOWORD(wParam));
        return true;
    case WM_MOUSEWHEEL:
        WheelScroll(c, GET_WHEEL_DELTA_WPARAM(wParam));
        return true;
    case EM_SCROLL:
        *result = ScrollByCode(c, static_cast<int>(wParam));
        return true;
    case EM_LINESCROLL:
        ScrollHorizontally(c, c.xOffset + static_cast<int>(wParam) * std::max(1, c.metrics.widths['x']));
        ScrollRows(c, static_cast<long>(lParam));
        *result = TRUE;
        return true;
    case EM_SCROLLCARET:
        ShowCaretRow(c);
        PlaceCaret(c);
        return true;
    case EM_GETFIRSTVISIBLELINE:
        *result = static_cast<LRESULT>(c.topLine);
        return true;
    case EM_POSFROMCHAR:
    case EM_CHARFROMPOS:
        *result = PositionMessage(c, message, wParam, lParam);
        return true;
    case WM_SIZE:
        Resized(c);
        return true;
    case WM_SETREDRAW:
        c.redraw = wParam != 0;
        if (c.redraw) {
            Repaint(c);
            UpdateScrollBars(c);
            PlaceCaret(c);
        }
        return true;
    }
    return false;
}
