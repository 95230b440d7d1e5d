// Verko's byte-exact text control.
//
// A window class that answers the rich edit messages the program relies on,
// keeps the document as raw bytes and draws each byte as the character it
// stands for in the coding it is told to show (TCM_SETVIEWCODING). The class
// is an ANSI window class, so text passed with SendMessageA arrives unchanged.
#pragma once
#include <windows.h>

constexpr char TextControlClassName[] = "VerkoText";

// Registers the window class; false when the system refuses.
bool RegisterTextControl(HINSTANCE instance);

// wParam: the coding the bytes are drawn in, 0 ANSI, 1 OEM, 2 KOI8; lParam 0.
// Returns the previous coding. Any other wParam is ignored (returns the current one).
constexpr UINT TCM_SETVIEWCODING = WM_APP + 0x100;
// Returns the coding the bytes are drawn in.
constexpr UINT TCM_GETVIEWCODING = WM_APP + 0x101;
