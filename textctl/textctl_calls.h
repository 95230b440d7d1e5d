// Typed calls for any instance of the text control: the editor, the character
// map's grid, the font preview, the page number field and the help text. Each
// takes the control it talks to; editor/editor_calls.h binds them to the editor.
// Positions are LONG byte positions in which a line break counts two.
#pragma once
#include <windows.h>
#include <richedit.h>
#include <cstdint>

#include "coding/coding_tables.h"
#include "textctl/textctl.h"

// Only for the calls of this header, editor/editor_calls.h and their sources.
inline LRESULT SendControl(HWND control, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return SendMessageA(control, message, wParam, lParam);
}

inline void SetControlText(HWND control, const char* text)
{
    SendControl(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}
inline CHARRANGE ControlSelection(HWND control)
{
    CHARRANGE selection = {0, 0};
    SendControl(control, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    return selection;
}
// The selected bytes into buffer, which holds the selection's length + 1; returns their number.
inline LONG ReadControlSelection(HWND control, char* buffer)
{
    return static_cast<LONG>(SendControl(control, EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(buffer)));
}
inline void SetControlViewCoding(HWND control, Coding coding)
{
    SendControl(control, TCM_SETVIEWCODING, coding);
}
// scope: SCF_SELECTION, SCF_ALL or both.
inline void SetControlCharFormat(HWND control, DWORD scope, const CHARFORMATA& format)
{
    SendControl(control, EM_SETCHARFORMAT, scope, reinterpret_cast<LPARAM>(&format));
}
inline void SetControlBackground(HWND control, COLORREF colour)
{
    SendControl(control, EM_SETBKGNDCOLOR, 0, colour);
}
// 0: the control's own default of 65536 bytes.
inline void SetControlTextLimit(HWND control, uint32_t bytes)
{
    SendControl(control, EM_EXLIMITTEXT, 0, bytes);
}

// --- Pages ---
// Lays out one page of range.chrg into range.rc for range.hdcTarget, drawing
// it on range.hdc as well when render; returns the first position of the next page.
inline LONG FormatControlPage(HWND control, const FORMATRANGE& range, bool render)
{
    return static_cast<LONG>(SendControl(control, EM_FORMATRANGE, render, reinterpret_cast<LPARAM>(&range)));
}
// Forgets the page laid out last and the widths measured for it.
inline void ReleaseControlPages(HWND control)
{
    SendControl(control, EM_FORMATRANGE);
}
// Draws the page laid out last into the rectangle, in twips of its device.
inline void DrawControlBand(HWND control, const RECT& twips)
{
    SendControl(control, EM_DISPLAYBAND, 0, reinterpret_cast<LPARAM>(&twips));
}
