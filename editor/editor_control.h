// The document window (EditorWindow): creation, keyboard and mouse handling, word wrap.
#pragma once
#include <windows.h>

// Creates and configures the editor; leaves Editor.Window null when that fails.
void CreateEditor();
LRESULT CALLBACK EditorSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Command 18: re-creates the editor with the other wrapping style, keeping text, selection and modify flag.
void ToggleWordWrap();
