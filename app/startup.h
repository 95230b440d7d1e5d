// The life of the process: start-up, the loop, and what the shell releases at the end.
#pragma once
#include <windows.h>
#include <string>

// Registers the class, creates and initialises the MainWindow, restores its placement,
// shows it and loads the accelerators. The command line starts with the program's name.
// Null when no window class could be registered.
HWND StartApplication(HINSTANCE instance, const wchar_t* commandLine, int showCommand);
// The menu bitmaps and the menu font.
void ReleaseShellResources();
// The whole run; returns the exit code.
int ApplicationMain();
// The file named on the command line, made absolute; empty when none is named.
// Posts the Print command when the line carries the print switch.
std::wstring ProcessCommandLine(const wchar_t* commandLine);
