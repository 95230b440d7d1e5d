// The MainWindow's procedure: layout, closing, menus and commands.
#pragma once
#include <windows.h>

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Lays out the children once the messages waiting now are handled, as after a resize.
void PostMainWindowLayout();
