// Pictures for the program tests: the pixels of a device context, saved as
// a BMP beside the test program so that a person can look at them.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

struct Capture {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;
    COLORREF At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
};

// The pixels of a rectangle of a DC, read through a 32-bit DIB.
Capture Grab(HDC source, int width, int height);
void SaveBitmap(const std::string& path, const Capture& capture);
// The client area of a window once it has painted, also saved beside the program as the file.
Capture PictureOfWindow(HWND window, const char* file);
// A path in the test program's folder.
std::string BesideTheProgram(const char* name);

// The whole window with its frame, once it and its children have painted.
Capture GrabWindow(HWND window);
// What a text control should show: each run of letters drawn as Unicode text in
// the control's own font, where the control places the run's first position.
struct TextRun {
    LONG position;
    std::wstring letters;
};
Capture DrawTextRuns(HWND control, const std::vector<TextRun>& runs, COLORREF text, COLORREF background, int width,
                     int height);
