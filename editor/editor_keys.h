// The editor's subclass procedure: accelerators, the undo records of keys and
// typed characters, typing into the view coding, the context menu and drops.
#pragma once
#include <windows.h>

LRESULT CALLBACK EditorSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
