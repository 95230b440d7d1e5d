#include "editor/editor_keys.h"

#include <windows.h>
#include <shellapi.h>

#include "coding/coding_tables.h"
#include "coding/unicode_tables.h"
#include "coding/utf8_chars.h"
#include "editor/editor_calls.h"
#include "editor/editor_control.h"
#include "editor/editor_host.h"
#include "editor/editor_state.h"
#include "editor/undo.h"
#include <string>

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

// The scan code with its extended bit: a key's characters carry its flags.
LPARAM KeyOfFlags(LPARAM flags)
{
    return (flags >> 16) & 0x1FF;
}

// A character past 16 bits typed in the UTF-8 view waits here for its second half.
char16_t PendingHalf = 0;

// The message loop translates a key press before dispatching it, so its
// character is already queued. It is taken out while the key is handled and
// goes on only when the key press does, so that no key acts twice.
bool TakeCharacterOf(HWND window, UINT keyMessage, LPARAM keyFlags, MSG& character)
{
    UINT kind = keyMessage == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
    return PeekMessageW(&character, window, kind, kind, PM_NOREMOVE)
        && KeyOfFlags(character.lParam) == KeyOfFlags(keyFlags)
        && PeekMessageW(&character, window, kind, kind, PM_REMOVE);
}

// A key may give both halves of a character past 16 bits: they are taken and
// put back together, in their order. Returns how many were taken.
int TakeCharactersOf(HWND window, UINT keyMessage, LPARAM keyFlags, MSG characters[2])
{
    if (!TakeCharacterOf(window, keyMessage, keyFlags, characters[0])) return 0;
    bool firstHalf = characters[0].wParam >= 0xD800 && characters[0].wParam < 0xDC00;
    return firstHalf && TakeCharacterOf(window, keyMessage, keyFlags, characters[1]) ? 2 : 1;
}

// The line break that ends a selection longer than two bytes: 2 for CR LF,
// 1 for a lone CR or LF, 0 for none.
LONG FinalBreakLength(const CHARRANGE& selection)
{
    char last[3] = {};
    if (selection.cpMax - selection.cpMin <= 2 || ReadEditorRange(selection.cpMax - 2, selection.cpMax, last) != 2)
        return 0;
    if (last[1] == '\n') return last[0] == '\r' ? 2 : 1;
    return last[1] == '\r' ? 1 : 0;
}

bool StartsLine(LONG position)
{
    return EditorLineStart(EditorLineOf(position)) == position;
}

// Typing over a selection that ends with a line break keeps the break; so
// does Delete, unless the selection covers whole lines.
void KeepFinalBreak(bool evenFromLineStart)
{
    CHARRANGE selection = EditorSelection();
    LONG length = FinalBreakLength(selection);
    if (length && (evenFromLineStart || !StartsLine(selection.cpMin)))
        SelectEditorRange(selection.cpMin, selection.cpMax - length);
}

// Ctrl+Backspace and Ctrl+Delete: the recorder deletes the word itself, except
// when the control's own undo is in use.
bool DeleteWord(UndoKind kind)
{
    if (Editor.SingleLevelUndo) return false;
    RecordUndo(kind, 0);
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
// Backspace and Enter act through their characters.
bool HandleKey(WPARAM key)
{
    bool control = GetKeyState(VK_CONTROL) < 0;
    switch (key) {
    case VK_BACK:
        return control && DeleteWord(UndoCtrlBackspace);
    case VK_DELETE:
        if (control) return DeleteWord(UndoCtrlDelete);
        KeepFinalBreak(false);
        if (DeleteSelection()) return true;
        RecordUndo(UndoDeleteKey, 0);
        return false;
    case VK_INSERT:
        if (control) return true;   // only the accelerators copy and paste
        // The control switches its own mode on the same key.
        Editor.OverwriteMode = !Editor.OverwriteMode;
        HostInsertModeChanged();
        return false;
    case 'C':
    case 'V':
    case 'X':
    case 'Z':
        // The control's own clipboard and undo keys, held with other
        // modifiers than the accelerators: they would bypass the history.
        return control;
    default:
        return false;
    }
}

// Key presses: accelerators first, then the keys the history must see.
LRESULT HandleKeyPress(HWND window, UINT message, WPARAM key, LPARAM flags)
{
    MSG characters[2];
    int brought = TakeCharactersOf(window, message, flags, characters);
    if (TranslatedAsAccelerator(message, key, flags)) {
        // The system must see the press, or releasing Alt before the key
        // would open the menu bar as after Alt alone.
        if (message == WM_SYSKEYDOWN) DefWindowProcA(window, message, key, flags);
        return Consumed;
    }
    if (message == WM_KEYDOWN && HandleKey(key)) return Consumed;
    LRESULT result = PassOn(window, message, key, flags);
    for (int i = 0; i < brought; ++i)
        PostMessageW(window, characters[i].message, characters[i].wParam, characters[i].lParam);
    return result;
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
        if (OverwriteReplacesAt(caret)) SelectEditorRange(caret, caret + 1);
    } else {
        RecordUndo(UndoTyping, 1);
    }
    const char text[2] = {static_cast<char>(OemSmallA), 0};
    ReplaceEditorSelection(text);
}

// A typed character arrives as Windows-1251; the control gets the view coding's
// byte, or in the UTF-8 view the character, which it spells itself.
WPARAM ToViewCoding(WPARAM code)
{
    if (Editor.ViewCoding == CodingAnsi || Editor.ViewCoding == CodingUtf8 || code < 0x80 || code > 0xFF) return code;
    uint8_t byte = RecodeTable[SlotAnsiToOem][code - 0x80];
    if (Editor.ViewCoding == CodingKoi8 && byte >= 0x80) byte = RecodeTable[SlotOemToKoi8][byte - 0x80];
    return byte;
}

// Records what a character is about to do; false when it must not reach the control.
bool RecordCharacter(WPARAM code)
{
    switch (code) {
    case '\b':
        if (DeleteSelection()) return false;
        RecordUndo(UndoBackspaceKey, 0);
        return true;
    case '\r':
    case '\n':   // Ctrl+Enter
        RecordUndo(UndoLineBreak, 2);
        return true;
    case 0x7F:   // Ctrl+Backspace, whose key already deleted the word unless the control's undo is used
        return Editor.SingleLevelUndo;
    default:
        if (!IsTypedCharacter(code)) return true;
        KeepFinalBreak(true);
        if (Editor.ViewCoding == CodingOem && code == 0xE0 && !EditorHasSelection()) {
            InsertOemSmallA();
            return false;
        }
        RecordUndo(Editor.OverwriteMode ? UndoOverwrite : UndoTyping, 1);
        return true;
    }
}

// The character a unit completes, or 0 while a first half waits or when a
// second half comes alone.
char32_t CompleteCharacter(WPARAM unit)
{
    char16_t first = PendingHalf;
    PendingHalf = 0;
    if (unit >= 0xD800 && unit < 0xDC00) {
        PendingHalf = static_cast<char16_t>(unit);
        return 0;
    }
    if (unit < 0xDC00 || unit >= 0xE000) return static_cast<char32_t>(unit);
    return first ? 0x10000 + ((first - 0xD800u) << 10) + (unit - 0xDC00u) : 0;
}

LRESULT HandleCharacter(HWND window, WPARAM code, LPARAM lParam);

// In the UTF-8 view a character goes to the control whole, as its code point,
// once its UTF-8 bytes are recorded; a character below 0x80 as any other.
LRESULT HandleUnicodeCharacter(HWND window, WPARAM unit, LPARAM lParam)
{
    if (Editor.ViewCoding != CodingUtf8 || unit == UNICODE_NOCHAR) return PassOn(window, WM_UNICHAR, unit, lParam);
    char32_t code = CompleteCharacter(unit);
    if (code == 0) return Consumed;
    if (code < 0x80) return HandleCharacter(window, code, lParam);
    uint8_t bytes[4];
    size_t length = EncodeUtf8Char(code, bytes);
    if (length == 0) return Consumed;
    KeepFinalBreak(true);
    RecordUndo(Editor.OverwriteMode ? UndoOverwrite : UndoTyping, static_cast<int32_t>(length));
    return PassOn(window, WM_UNICHAR, code, lParam);
}

LRESULT HandleCharacter(HWND window, WPARAM code, LPARAM lParam)
{
    // In the UTF-8 view a byte character is a Windows-1251 letter.
    if (Editor.ViewCoding == CodingUtf8 && code > 0x7F && code <= 0xFF)
        return HandleUnicodeCharacter(window, ByteToUnicode(CodingAnsi, static_cast<uint8_t>(code)), lParam);
    if (!RecordCharacter(code)) return Consumed;
    // Every line break is the control's CR LF.
    return PassOn(window, WM_CHAR, code == '\n' ? '\r' : ToViewCoding(code), lParam);
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
    UINT length = DragQueryFileW(drop, 0, nullptr, 0);
    if (length == 0) return PassOn(window, WM_DROPFILES, wParam, lParam);
    std::wstring name(length, L'\0');
    DragQueryFileW(drop, 0, &name[0], length + 1);
    DragFinish(drop);
    HostOpenDroppedFile(name.c_str());
    return Consumed;
}

}   // namespace

bool TakesCharacterCodes(HWND window)
{
    return window == Editor.Window && Editor.ViewCoding == CodingUtf8;
}

LRESULT CALLBACK EditorSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INPUTLANGCHANGE:
        HostKeyboardLayoutChanged();   // only the status bar's keyboard pane follows the layout
        return Consumed;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        // Accelerators act only while the editor has the focus, and before any key handling.
        return HandleKeyPress(window, message, wParam, lParam);
    case WM_KEYUP:
        HostShowCaretPosition();
        return PassOn(window, message, wParam, lParam);
    case WM_CHAR:
        return HandleCharacter(window, wParam, lParam);
    case WM_UNICHAR:
        return HandleUnicodeCharacter(window, wParam, lParam);
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
