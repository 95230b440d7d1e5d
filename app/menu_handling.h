// What the MainWindow does while its menus are open.
#pragma once
#include <windows.h>

// A digit typed in an open drop-down menu opens that recent file; true when taken.
bool HandleMenuDigit(HWND window, WPARAM wParam);
// The recent-file items take no room and draw nothing while the list is not kept.
void MeasureRecentItem(MEASUREITEMSTRUCT& item);
