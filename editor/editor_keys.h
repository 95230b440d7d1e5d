// The editor's subclass procedure: accelerators, the undo records of keys and
// typed characters, typing into the view coding, the context menu and drops.
#pragma once
#include <windows.h>

LRESULT CALLBACK EditorSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// True when characters typed into the window go to it as WM_UNICHAR code
// units rather than Windows-1251 bytes: the editor in the UTF-8 view.
bool TakesCharacterCodes(HWND window);
