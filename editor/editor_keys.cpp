#include "editor/editor_keys.h"

#include <windows.h>
#include <shellapi.h>

#include "coding/coding_tables.h"
#include "editor/confirm_discard.h"
#include "editor/document_files.h"
#include "editor/editor_calls.h"
#include "editor/editor_control.h"
#include "editor/editor_host.h"
#include "editor/editor_state.h"
#include "editor/undo.h"

namespace {

constexpr LRESULT Consumed = 0;
constexpr int EditMenuIndex = 1;
constexpr uint8_t OemSmallA = 0xA0;   // Windows-1251 0xE0

LRESULT PassOn(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallWindowProcA(Editor.ControlProc, window, message, wParam, lParam);
}

bool TranslatedAsAccelerator(UINT message, WPARAM wParam, LPARAM lParam)
{
    return HostTranslateAccelerator({nullptr, message, wParam, lParam, 0, {0, 0}});
}

// The last two characters of a selection longer than two; false for a shorter one.
bool ReadSelectionEnd(const CHARRANGE& selection, char (&last)[3])
{
    return selection.cpMax - selection.cpMin > 2 && ReadEditorRange(selection.cpMax - 2, selection.cpMax, last) == 2;
}

bool StartsLine(LONG position)
{
    return EditorLineStart(EditorLineOf(position)) == position;
}

// Typing over a selection that ends with a line break keeps the break.
void KeepFinalBreakWhenTyping()
{
    CHARRANGE selection = EditorSelection();
    char last[3] = {};
    if (ReadSelectionEnd(selection, last) && last[0] == '\r' && last[1] == '\n')
        SelectEditorRange(selection.cpMin, selection.cpMax - 2);
}

// Delete keeps the final line break unless the selection covers whole lines.
void KeepFinalBreakWhenDeleting()
{
    CHARRANGE selection = EditorSelection();
    char last[3] = {};
    if (ReadSelectionEnd(selection, last) && last[1] == '\n' && !StartsLine(selection.cpMin))
        SelectEditorRange(selection.cpMin, selection.cpMax - 2);
}

// Ctrl+Backspace and Ctrl+Delete: the recorder deletes the word itself, except
// when the control's own undo is in use.
bool DeleteWord(HWND window, UndoKind kind)
{
    if (Editor.SingleLevelUndo) return false;
    RecordUndo(kind, 0);
    // The character the key brings (0x7F, or 8 on some keyboards) would delete once more.
    MSG next;
    if (PeekMessageA(&next, window, WM_CHAR, WM_CHAR, PM_NOREMOVE) && (next.wParam == '\b' || next.wParam == 0x7F))
        PeekMessageA(&next, window, WM_CHAR, WM_CHAR, PM_REMOVE);
    return true;
}

bool DeleteSelection()
{
    if (!EditorHasSelection()) return false;
    RecordUndo(UndoReplaceSelection, 0);
    ClearEditorSelection();
    return true;
}

// True when the key was handled here and must not reach the control.
bool HandleKey(HWND window, WPARAM key)
{
    bool control = GetKeyState(VK_CONTROL) < 0;
    switch (key) {
    case VK_BACK:
        if (control) return DeleteWord(window, UndoCtrlBackspace);
        if (DeleteSelection()) return true;
        RecordUndo(UndoBackspaceKey, 0);
        return false;
    case VK_DELETE:
        if (control) return DeleteWord(window, UndoCtrlDelete);
        KeepFinalBreakWhenDeleting();
        if (DeleteSelection()) return true;
        RecordUndo(UndoDeleteKey, 0);
        return false;
    case VK_RETURN:
        RecordUndo(UndoLineBreak, 2);
        return false;
    case VK_INSERT:
        // The control switches its own mode on the same key.
        if (!control) {
            Editor.OverwriteMode = !Editor.OverwriteMode;
            HostInsertModeChanged();
        }
        return false;
    default:
        return false;
    }
}

bool IsTypedCharacter(WPARAM code)
{
    return code == '\t' || (code >= 32 && code <= 126) || (code >= 128 && code <= 255);
}

// The Windows-1251 letter 0xE0 typed in the OEM view goes in directly as its
// OEM byte 0xA0.
void InsertOemSmallA()
{
    if (Editor.OverwriteMode) {
        RecordUndo(UndoOverwrite, 1);
        LONG caret = EditorSelection().cpMin;
        int replaced = EditorByteAt(caret);
        // At the end of a line or of the text overwrite inserts, keeping the break.
        if (replaced >= 0 && replaced != '\r') SelectEditorRange(caret, caret + 1);
    } else {
        RecordUndo(UndoTyping, 1);
    }
    const char text[2] = {static_cast<char>(OemSmallA), 0};
    ReplaceEditorSelection(text);
}

// A typed character arrives as Windows-1251; the control gets the view coding's byte.
WPARAM ToViewCoding(WPARAM code)
{
    if (Editor.ViewCoding == CodingAnsi || code < 0x80 || code > 0xFF) return code;
    uint8_t byte = RecodeTable[SlotAnsiToOem][code - 0x80];
    if (Editor.ViewCoding == CodingKoi8 && byte >= 0x80) byte = RecodeTable[SlotOemToKoi8][byte - 0x80];
    return byte;
}

LRESULT HandleCharacter(HWND window, WPARAM code, LPARAM lParam)
{
    if (IsTypedCharacter(code)) {
        KeepFinalBreakWhenTyping();
        if (Editor.ViewCoding == CodingOem && code == 0xE0 && !EditorHasSelection()) {
            InsertOemSmallA();
            return Consumed;
        }
        RecordUndo(Editor.OverwriteMode ? UndoOverwrite : UndoTyping, 1);
    }
    return PassOn(window, WM_CHAR, ToViewCoding(code), lParam);
}

// The Edit menu at the mouse, without moving the caret.
void ShowEditMenu()
{
    DWORD position = GetMessagePos();
    TrackPopupMenu(GetSubMenu(GetMenu(HostWindow()), EditMenuIndex), TPM_CENTERALIGN,
                   static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position)), 0, HostWindow(),
                   nullptr);
}

// Only the first dropped file is opened.
LRESULT HandleDrop(HWND window, WPARAM wParam, LPARAM lParam)
{
    auto drop = reinterpret_cast<HDROP>(wParam);
    char name[PathCapacity];
    if (!DragQueryFileA(drop, 0, name, PathCapacity)) return PassOn(window, WM_DROPFILES, wParam, lParam);
    DragFinish(drop);
    if (ConfirmDiscard()) LoadDocument(name);
    return Consumed;
}

}   // namespace

LRESULT CALLBACK EditorSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // Accelerators act only while the editor has the focus, and before any key handling.
    if (TranslatedAsAccelerator(message, wParam, lParam)) return Consumed;
    switch (message) {
    case WM_INPUTLANGCHANGE:
        HostKeyboardLayoutChanged();   // only the status bar's keyboard pane follows the layout
        return Consumed;
    case WM_KEYDOWN:
        return HandleKey(window, wParam) ? Consumed : PassOn(window, message, wParam, lParam);
    case WM_KEYUP:
        HostShowCaretPosition();
        return PassOn(window, message, wParam, lParam);
    case WM_CHAR:
        return HandleCharacter(window, wParam, lParam);
    case WM_LBUTTONDOWN:
        // Answered once the click has moved the caret.
        HostCaretMoved();
        return PassOn(window, message, wParam, lParam);
    case WM_RBUTTONDOWN:
        ShowEditMenu();
        return Consumed;
    case WM_DROPFILES:
        return HandleDrop(window, wParam, lParam);
    default:
        return PassOn(window, message, wParam, lParam);
    }
}
