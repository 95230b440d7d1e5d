#include "codingui/char_map_dialog.h"

#include <windows.h>
#include <richedit.h>
#include <algorithm>

#include "codingui/char_map_text.h"
#include "editor/modal_dialog.h"
#include "editor/clipboard_commands.h"
#include "editor/editor_calls.h"
#include "editor/editor_state.h"
#include "editor/undo.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "textctl/textctl.h"
#include "textctl/textctl_calls.h"

namespace {

using Picked = char[CharMapTextCapacity];

// The grid's selected codes, with the line breaks between rows; 0 when nothing is selected.
LONG ReadPicked(HWND grid, Picked& bytes)
{
    CHARRANGE selection = ControlSelection(grid);
    if (selection.cpMin >= selection.cpMax) return 0;
    return ReadControlSelection(grid, bytes);
}

// In place of the editor's selection, as one undo step. The control refuses an
// edit past the text limit as a whole, and an undo record of bytes never
// inserted would take away others: such a pick only beeps.
void InsertPicked(const char* bytes, LONG length)
{
    CHARRANGE target = EditorSelection();
    LONG kept = EditorTextLength() - (target.cpMax - target.cpMin);
    if (static_cast<uint64_t>(kept) + length > Editor.TextLimit) {
        MessageBeep(0);
        return;
    }
    RecordUndo(UndoReplaceSelection, length);
    ReplaceEditorSelection(bytes);
}

// Copy Direct inserts the picked codes and stays open for more; Copy also puts
// them on the clipboard and closes.
void Pick(HWND dialog, bool toClipboard)
{
    HWND grid = GetDlgItem(dialog, IDC_CHARMAP_GRID);
    Picked bytes = {};
    LONG length = ReadPicked(grid, bytes);
    if (length == 0) return;
    if (toClipboard) CopyBytes(bytes, length);
    InsertPicked(bytes, length);
    if (toClipboard)
        EndDialog(dialog, IDOK);
    else
        SetFocus(grid);
}

// The control's own Ctrl+C would hand the system raw bytes to read through its
// code pages: the grid copies as the editor does.
WNDPROC GridProc;

LRESULT CALLBACK GridCopyProc(HWND grid, UINT message, WPARAM wParam, LPARAM lParam)
{
    bool control = GetKeyState(VK_CONTROL) < 0;
    if (message == WM_COPY || (message == WM_KEYDOWN && control && (wParam == 'C' || wParam == VK_INSERT))) {
        Picked bytes = {};
        if (LONG length = ReadPicked(grid, bytes)) CopyBytes(bytes, length);
        return 0;
    }
    return CallWindowProcA(GridProc, grid, message, wParam, lParam);
}

// Where the template put things: the grid grows with the dialog, the buttons
// keep their distance from its right edge.
struct Layout {
    bool known;
    SIZE client;
    SIZE smallest;   // the window, which may grow but not shrink
};
Layout Placement;

RECT ItemBox(HWND dialog, HWND item)
{
    RECT box;
    GetWindowRect(item, &box);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&box), 2);
    return box;
}

void RememberLayout(HWND dialog)
{
    RECT client, window;
    GetClientRect(dialog, &client);
    GetWindowRect(dialog, &window);
    Placement = {true, {client.right, client.bottom}, {window.right - window.left, window.bottom - window.top}};
}

void LayOut(HWND dialog, int width, int height)
{
    if (!Placement.known) return;
    int dx = width - Placement.client.cx, dy = height - Placement.client.cy;
    Placement.client = {width, height};
    for (HWND item = GetWindow(dialog, GW_CHILD); item; item = GetWindow(item, GW_HWNDNEXT)) {
        RECT box = ItemBox(dialog, item);
        bool grid = GetDlgCtrlID(item) == IDC_CHARMAP_GRID;
        int width = box.right - box.left + (grid ? dx : 0), height = box.bottom - box.top + (grid ? dy : 0);
        MoveWindow(item, box.left + (grid ? 0 : dx), box.top, std::max(width, 0), std::max(height, 0), TRUE);
    }
}

// The codes in the editor's font, colours and view coding, nothing selected.
void FillGrid(HWND dialog)
{
    HWND grid = GetDlgItem(dialog, IDC_CHARMAP_GRID);
    SetControlViewCoding(grid, Editor.ViewCoding);
    SetControlCharFormat(grid, SCF_ALL, EditorSelectionFormat());
    SetControlBackground(grid, ReadSettingNumber(SettingName::Background));
    SetControlText(grid, MakeCharMapText(Editor.ViewCoding).c_str());
    GridProc =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrA(grid, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(GridCopyProc)));
    // Focused by the dialog the grid would be wholly selected, ready to insert it all.
    SetFocus(grid);
}

INT_PTR CALLBACK CharMapProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        FillGrid(dialog);
        RememberLayout(dialog);
        return FALSE;
    case WM_SIZE:
        LayOut(dialog, LOWORD(lParam), HIWORD(lParam));
        return TRUE;
    case WM_GETMINMAXINFO:
        if (Placement.known)
            reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {Placement.smallest.cx, Placement.smallest.cy};
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDC_CHARMAP_COPY)
            Pick(dialog, LOWORD(wParam) == IDC_CHARMAP_COPY);
        if (LOWORD(wParam) == IDCANCEL) EndDialog(dialog, IDOK);
        return TRUE;
    }
    return FALSE;
}

}   // namespace

void CharMapCommand()
{
    Placement.known = false;
    RunModalDialog(IDD_CHAR_MAP, CharMapProc);
}
