// Keyboard and mouse: typing, caret movement, selection with keys and mouse,
// focus and cursor.
#include <algorithm>

#include "textctl/textctl_internal.h"
#include "textctl/word_break.h"

#include <windowsx.h>

namespace {

bool KeyDown(int key)
{
    return GetKeyState(key) < 0;
}

void MoveCaret(TextControl& c, size_t pos, bool extend)
{
    pos = CaretStop(c, pos);
    SetSelection(c, extend ? c.anchor : pos, pos);
}

// The end of a row as the caret may reach it: a wrapped row ends before its
// last character, since the wrap point itself is drawn on the next row.
size_t RowCaretEnd(const TextControl& c, const Row& row)
{
    return row.lastOfLine || row.end == row.start ? row.end : CharStop(c, row.end - 1);
}

size_t PositionInRow(TextControl& c, const Row& row, int x)
{
    size_t pos = PositionFromX(c.text, c.metrics, MarkBeforeX(c, row.start, row.end, x), row.end, x);
    return std::min(pos, RowCaretEnd(c, row));
}

// Up, Down, Page Up and Page Down: rows away, at the remembered x.
void MoveRows(TextControl& c, long rows, bool extend, bool scroll)
{
    Row row = RowOfPosition(c, c.caret);
    if (c.preferredX < 0) c.preferredX = XInRow(c, row.start, c.caret);
    int x = c.preferredX;
    long moved = 0;
    for (; moved < rows && NextRow(c, row); ++moved) {}
    for (; moved > rows && PreviousRow(c, row); --moved) {}
    if (scroll) ScrollRows(c, moved);
    MoveCaret(c, PositionInRow(c, row, x), extend);
    c.preferredX = x;
}

void MoveHorizontally(TextControl& c, int key, bool extend, bool word)
{
    bool left = key == VK_LEFT;
    if (!extend && !word && c.anchor != c.caret) {
        size_t end = left ? SelectionStart(c) : SelectionEnd(c);
        SetSelection(c, end, end);
        return;
    }
    size_t pos = word ? (left ? WordLeft(c, c.caret) : WordRight(c, c.caret))
                      : (left ? CharLeft(c, c.caret) : CharRight(c, c.caret));
    MoveCaret(c, pos, extend);
}

void DeleteForward(TextControl& c, bool word)
{
    if (IsReadOnly(c)) return;
    size_t start = SelectionStart(c), end = SelectionEnd(c);
    if (start == end) {
        start = CharStop(c, start);
        end = word ? WordRight(c, start) : CharRight(c, start);
    }
    ReplaceRange(c, start, end, nullptr, 0);
}

void DeleteBackward(TextControl& c, bool word)
{
    size_t start = SelectionStart(c), end = SelectionEnd(c);
    if (start == end) start = CharStop(c, word ? WordLeft(c, end) : CharLeft(c, end));
    ReplaceRange(c, start, end, nullptr, 0);
}

bool ControlKey(TextControl& c, WPARAM key)
{
    switch (key) {
    case 'A':
        SetSelection(c, 0, c.text.Length());
        return true;
    case 'C':
        CopySelection(c);
        return true;
    case 'X':
        CutSelection(c);
        return true;
    case 'V':
        PasteClipboard(c);
        return true;
    case 'Z':
        UndoLastEdit(c);
        return true;
    }
    return false;
}

void KeyPressed(TextControl& c, WPARAM key)
{
    // A modifier pressed before Shift+Down must not forget the column.
    if (key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU) return;
    bool shift = KeyDown(VK_SHIFT), control = KeyDown(VK_CONTROL);
    long page = std::max(1L, static_cast<long>(VisibleRows(c)) - 1);
    if (key != VK_UP && key != VK_DOWN && key != VK_PRIOR && key != VK_NEXT) c.preferredX = -1;
    switch (key) {
    case VK_LEFT:
    case VK_RIGHT:
        MoveHorizontally(c, static_cast<int>(key), shift, control);
        break;
    case VK_UP:
        MoveRows(c, -1, shift, false);
        break;
    case VK_DOWN:
        MoveRows(c, 1, shift, false);
        break;
    case VK_PRIOR:
        MoveRows(c, -page, shift, true);
        break;
    case VK_NEXT:
        MoveRows(c, page, shift, true);
        break;
    case VK_HOME:
        MoveCaret(c, control ? 0 : RowOfPosition(c, c.caret).start, shift);
        break;
    case VK_END:
        MoveCaret(c, control ? c.text.Length() : RowCaretEnd(c, RowOfPosition(c, c.caret)), shift);
        break;
    case VK_DELETE:
        if (shift && !control)
            CutSelection(c);
        else
            DeleteForward(c, control);
        break;
    case VK_INSERT:
        if (control)
            CopySelection(c);
        else if (shift)
            PasteClipboard(c);
        else
            c.overwrite = !c.overwrite;
        break;
    default:
        if (control) ControlKey(c, key);
        break;
    }
}

// Typed characters: the program has already turned a character message into
// the byte of the coding shown, except in the UTF-8 view.
void CharTyped(TextControl& c, WPARAM code, bool unicode)
{
    if (IsReadOnly(c) || (!unicode && code > 0xFF)) return;
    size_t start = SelectionStart(c), end = SelectionEnd(c);
    if (code == 8 || code == 0x7F) {
        DeleteBackward(c, code == 0x7F);
        return;
    }
    if (code == '\r') {
        static const uint8_t lineBreak[2] = {'\r', '\n'};
        ReplaceRange(c, start, end, lineBreak, 2, true);
        return;
    }
    if (code < 0x20 && code != '\t') return;
    uint8_t bytes[4];
    size_t count = TypedBytes(c, static_cast<uint32_t>(code), unicode, bytes);
    if (count == 0) return;
    if (start == end) start = end = CharStop(c, start);
    bool atLineEnd = end >= c.text.Length() || c.text.At(end) == '\r' || c.text.At(end) == '\n';
    if (c.overwrite && start == end && !atLineEnd) end = CharRight(c, end);
    ReplaceRange(c, start, end, bytes, count, true);
}

bool InSelectionBar(const TextControl& c, int x)
{
    return (GetWindowLongA(c.window, GWL_STYLE) & ES_SELECTIONBAR) && x < SelectionBarWidth;
}

// The row under y with its line break, for the selection bar.
void RowSpanAt(TextControl& c, int y, size_t* start, size_t* end)
{
    Row row = RowOfPosition(c, PositionFromPoint(c, TextLeft(c), y));
    *start = row.start;
    *end = row.lastOfLine ? row.end + c.text.LineBreakLength(row.line) : row.end;
}

void ExtendDrag(TextControl& c, int x, int y)
{
    RECT client;
    GetClientRect(c.window, &client);
    if (y < 0)
        ScrollRows(c, -1);
    else if (y >= client.bottom)
        ScrollRows(c, 1);
    if (c.draggingLines) {
        // Whole rows from the row first clicked to the row under the mouse.
        size_t start, end;
        RowSpanAt(c, y, &start, &end);
        if (start < c.lineAnchorStart)
            SetSelection(c, c.lineAnchorEnd, start);
        else
            SetSelection(c, c.lineAnchorStart, end);
        return;
    }
    SetSelection(c, c.anchor, CaretStop(c, PositionFromPoint(c, x, y)));
}

void ButtonDown(TextControl& c, int x, int y, bool doubleClick)
{
    SetFocus(c.window);
    bool shift = KeyDown(VK_SHIFT);
    c.preferredX = -1;
    c.draggingLines = InSelectionBar(c, x);
    if (c.draggingLines) {
        RowSpanAt(c, y, &c.lineAnchorStart, &c.lineAnchorEnd);
        SetSelection(c, shift ? c.anchor : c.lineAnchorStart, c.lineAnchorEnd);
    } else {
        size_t pos = CaretStop(c, PositionFromPoint(c, x, y));
        if (doubleClick) {
            WordRange word = WordAt(c.text, pos);
            SetSelection(c, CharStop(c, word.start), word.end);
        } else {
            SetSelection(c, shift ? c.anchor : pos, pos);
        }
    }
    c.dragging = !doubleClick;
    if (c.dragging) SetCapture(c.window);
}

void FocusChanged(TextControl& c, bool focused)
{
    c.focused = focused;
    c.showSelection = false;
    if (focused) {
        CreateCaret(c.window, nullptr, 1, c.lineHeight);
        PlaceCaret(c);
        ShowCaret(c.window);
    } else {
        DestroyCaret();
    }
    if (!(GetWindowLongA(c.window, GWL_STYLE) & ES_NOHIDESEL)) InvalidateRange(c, SelectionStart(c), SelectionEnd(c));
}

bool SetCursorShape(TextControl& c, LPARAM lParam)
{
    if (LOWORD(lParam) != HTCLIENT) return false;
    POINT point;
    GetCursorPos(&point);
    ScreenToClient(c.window, &point);
    SetCursor(LoadCursor(nullptr, InSelectionBar(c, point.x) ? IDC_ARROW : IDC_IBEAM));
    return true;
}

}   // namespace

bool InputMessage(TextControl& c, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    *result = 0;
    int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
    switch (message) {
    case WM_KEYDOWN:
        KeyPressed(c, wParam);
        return true;
    case WM_CHAR:
        CharTyped(c, wParam, false);
        return true;
    case WM_UNICHAR:
        if (wParam == UNICODE_NOCHAR) *result = TRUE;
        else CharTyped(c, wParam, true);
        return true;
    case WM_LBUTTONDOWN:
        ButtonDown(c, x, y, false);
        return true;
    case WM_LBUTTONDBLCLK:
        ButtonDown(c, x, y, !InSelectionBar(c, x));
        return true;
    case WM_MOUSEMOVE:
        if (c.dragging) ExtendDrag(c, x, y);
        return true;
    case WM_LBUTTONUP:
        if (c.dragging) ReleaseCapture();
        c.dragging = false;
        return true;
    case WM_CAPTURECHANGED:
        c.dragging = false;
        return true;
    case WM_SETFOCUS:
        FocusChanged(c, true);
        return true;
    case WM_KILLFOCUS:
        FocusChanged(c, false);
        return true;
    case WM_SETCURSOR:
        if (!SetCursorShape(c, lParam)) return false;
        *result = TRUE;
        return true;
    case WM_GETDLGCODE:
        // Read-only in a dialog, it leaves Tab, Enter and Escape to the dialog's buttons.
        *result =
            DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_HASSETSEL | (IsReadOnly(c) ? 0 : DLGC_WANTALLKEYS | DLGC_WANTTAB);
        return true;
    }
    return false;
}
