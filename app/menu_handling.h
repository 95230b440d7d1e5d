// What the MainWindow does while its menus are open.
#pragma once
#include <windows.h>

// A digit typed in an open drop-down menu opens that recent file; true when taken.
bool HandleMenuDigit(HWND window, WPARAM wParam);
