// The MainWindow's placement, kept as the byte record "DEF" under the settings key.
#pragma once
#include <windows.h>

// Applies a stored placement; returns its show command, or showCommand when none is stored.
int RestoreWindowPlacement(HWND window, int showCommand);
// Stores the placement, but only when the settings key already exists.
void SaveWindowPlacement(HWND window);
