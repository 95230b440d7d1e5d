// Every message the program sends to the document control, as a typed call.
// Queries are named for what they answer (EditorModified), changes for what
// they do (SetEditorModified); positions are LONG byte positions in which a
// line break counts two. Nothing else sends to the editor window: a message
// the program needs gets its one-line call here first. Messages that other
// instances of the text control take too go through textctl/textctl_calls.h.
#pragma once
#include <windows.h>
#include <richedit.h>

#include "coding/coding_tables.h"
#include "editor/editor_state.h"
#include "textctl/textctl.h"
#include "textctl/textctl_calls.h"

// Only for the calls of this header and its source.
inline LRESULT SendEditor(UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return SendControl(Editor.Window, message, wParam, lParam);
}

// --- Text and selection ---
inline LONG EditorTextLength()
{
    return static_cast<LONG>(SendEditor(WM_GETTEXTLENGTH));
}
// The first bytes of the text, at most capacity - 1, with a zero after them; returns their number.
inline LONG ReadEditorText(char* buffer, LONG capacity)
{
    return static_cast<LONG>(SendEditor(WM_GETTEXT, capacity, reinterpret_cast<LPARAM>(buffer)));
}
inline void SetEditorText(const char* text)
{
    SetControlText(Editor.Window, text);
}
CHARRANGE EditorSelection();
void SelectEditorRange(LONG start, LONG end);
inline void SelectAllEditorText()
{
    SendEditor(EM_SETSEL, 0, -1);
}
inline bool EditorHasSelection()
{
    return SendEditor(EM_SELECTIONTYPE) != SEL_EMPTY;
}
// The selected bytes into buffer, which holds the selection's length + 1; returns their number.
inline LONG ReadEditorSelection(char* buffer)
{
    return ReadControlSelection(Editor.Window, buffer);
}
// Copies start..end (clipped to the text) into buffer, which holds end - start + 1
// bytes; returns the number of bytes read.
LONG ReadEditorRange(LONG start, LONG end, char* buffer);
// The byte at position, or -1 past the end of the text.
int EditorByteAt(LONG position);
// Whether a character typed in overwrite mode at position replaces the byte
// there: not at the end of a line (CR LF, a lone CR or LF) or of the text.
bool OverwriteReplacesAt(LONG position);
// Whether the selection replaced by count bytes leaves the text within Editor.TextLimit;
// the control refuses an edit past it, and a stream stops there.
bool EditorHasRoomFor(uint64_t count);
// canUndo: the control's own undo can take it back.
inline void ReplaceEditorSelection(const char* text, bool canUndo = false)
{
    SendEditor(EM_REPLACESEL, canUndo, reinterpret_cast<LPARAM>(text));
}
// The same for bytes that may hold zeros: exactly count bytes replace the selection.
void ReplaceEditorSelectionBytes(const char* bytes, DWORD count);
inline void ClearEditorSelection()
{
    SendEditor(WM_CLEAR);
}
// Moves the text in or out through the stream record (SF_TEXT, SFF_SELECTION, SF_RTF).
inline void StreamEditorIn(DWORD flags, EDITSTREAM& stream)
{
    SendEditor(EM_STREAMIN, flags, reinterpret_cast<LPARAM>(&stream));
}
inline void StreamEditorOut(DWORD flags, EDITSTREAM& stream)
{
    SendEditor(EM_STREAMOUT, flags, reinterpret_cast<LPARAM>(&stream));
}

// --- Lines and words ---
inline LONG EditorLineOf(LONG position)
{
    return static_cast<LONG>(SendEditor(EM_EXLINEFROMCHAR, 0, position));
}
inline LONG EditorLineStart(LONG line)
{
    return static_cast<LONG>(SendEditor(EM_LINEINDEX, line));
}
// Characters from the start of position's line to it (bytes but in the UTF-8 view).
inline LONG EditorColumnOf(LONG position)
{
    return static_cast<LONG>(SendEditor(TCM_GETCOLUMN, static_cast<WPARAM>(position)));
}
// The length of the line holding position, without its line break.
inline LONG EditorLineLength(LONG position)
{
    return static_cast<LONG>(SendEditor(EM_LINELENGTH, position));
}
// The character stop at position, or the other end of the character Backspace
// or Delete takes from it.
inline LONG EditorCharStop(LONG position, CharStep step)
{
    return static_cast<LONG>(SendEditor(TCM_CHARSTOP, static_cast<WPARAM>(position), step));
}
// WB_MOVEWORDLEFT or WB_MOVEWORDRIGHT from position.
inline LONG EditorWordBreak(int code, LONG position)
{
    return static_cast<LONG>(SendEditor(EM_FINDWORDBREAK, code, position));
}

// The first occurrence of text lying wholly inside start..end (end -1: the end
// of the text), or -1; flags FR_WHOLEWORD and FR_MATCHCASE.
inline LONG FindEditorText(const char* text, LONG start, LONG end, WPARAM flags)
{
    FINDTEXTA find = {{start, end}, text};
    return static_cast<LONG>(SendEditor(EM_FINDTEXT, flags, reinterpret_cast<LPARAM>(&find)));
}

// --- Modify flag and the control's own undo ---
inline bool EditorModified()
{
    return SendEditor(EM_GETMODIFY) != 0;
}
inline void SetEditorModified(bool modified)
{
    SendEditor(EM_SETMODIFY, modified);
}
inline bool EditorCanUndo()
{
    return SendEditor(EM_CANUNDO) != 0;
}
inline void UndoEditor()
{
    SendEditor(EM_UNDO);
}
inline void EmptyEditorUndo()
{
    SendEditor(EM_EMPTYUNDOBUFFER);
}

// --- Looks and limits ---
inline void SetEditorRedraw(bool redraw)
{
    SendEditor(WM_SETREDRAW, redraw);
}
// Shows the selection even while the editor lacks the focus, until the focus changes.
inline void ShowEditorSelection()
{
    SendEditor(EM_HIDESELECTION, FALSE);
}
inline void RepaintEditor()
{
    InvalidateRect(Editor.Window, nullptr, FALSE);
}
inline void ShowEditorWindow(bool shown)
{
    ShowWindow(Editor.Window, shown ? SW_SHOW : SW_HIDE);
}
// Whether the selection stays visible while the editor has no focus (the ES_NOHIDESEL style).
inline void KeepEditorSelectionVisible(bool visible)
{
    SendEditor(EM_HIDESELECTION, !visible, TRUE);
}
inline void SetEditorViewCoding(Coding coding)
{
    SetControlViewCoding(Editor.Window, coding);
}
// scope: SCF_SELECTION, SCF_ALL or both.
inline void SetEditorCharFormat(DWORD scope, const CHARFORMATA& format)
{
    SetControlCharFormat(Editor.Window, scope, format);
}
// The colour of all the text, the automatic colour off; the colours of ranges go.
void SetEditorTextColour(COLORREF colour);
// Gives each range the colour in one message; the selection and the view stay.
// False when memory ran out.
inline bool ColourEditorRanges(const CHARRANGE* ranges, size_t count, COLORREF colour)
{
    RangeColours request = {ranges, count, colour};
    return SendEditor(TCM_SETRANGECOLOURS, 0, reinterpret_cast<LPARAM>(&request)) != 0;
}
// The format of the whole text, with the colour at the selection's start.
inline CHARFORMATA EditorSelectionFormat()
{
    CHARFORMATA format = {};
    format.cbSize = sizeof format;
    format.dwMask = CFM_SIZE | CFM_COLOR | CFM_FACE | CFM_CHARSET | CFM_BOLD | CFM_ITALIC;
    SendEditor(EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    return format;
}
inline void SetEditorBackground(COLORREF colour)
{
    SetControlBackground(Editor.Window, colour);
}
inline void SetEditorTextLimit(uint32_t bytes)
{
    SetControlTextLimit(Editor.Window, bytes);
}
inline void SetEditorOleCallback(void* callback)
{
    SendEditor(EM_SETOLECALLBACK, 0, reinterpret_cast<LPARAM>(callback));
}

// --- Pages (see textctl/textctl_calls.h) ---
inline LONG FormatEditorPage(const FORMATRANGE& range, bool render)
{
    return FormatControlPage(Editor.Window, range, render);
}
inline void ReleaseEditorPages()
{
    ReleaseControlPages(Editor.Window);
}
inline void DrawEditorBand(const RECT& twips)
{
    DrawControlBand(Editor.Window, twips);
}
