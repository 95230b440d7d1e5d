#include "pictures.h"

#include <gtest/gtest.h>
#include <cstdio>

Capture Grab(HDC source, int width, int height)
{
    Capture capture;
    capture.width = width;
    capture.height = height;
    HDC memory = CreateCompatibleDC(source);
    HBITMAP bitmap = CreateCompatibleBitmap(source, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    std::vector<DWORD> raw(static_cast<size_t>(width * height));
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), raw.data(), &info, DIB_RGB_COLORS);
    for (DWORD p : raw) capture.pixels.push_back(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
    DeleteObject(bitmap);
    DeleteDC(memory);
    return capture;
}

void SaveBitmap(const std::string& path, const Capture& capture)
{
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof(header);
    header.biWidth = capture.width;
    header.biHeight = -capture.height;
    header.biPlanes = 1;
    header.biBitCount = 32;
    DWORD size = static_cast<DWORD>(capture.pixels.size() * 4);
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(header);
    file.bfSize = file.bfOffBits + size;
    FILE* out = std::fopen(path.c_str(), "wb");
    ASSERT_NE(out, nullptr);
    std::fwrite(&file, sizeof(file), 1, out);
    std::fwrite(&header, sizeof(header), 1, out);
    for (COLORREF c : capture.pixels) {
        DWORD p = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
        std::fwrite(&p, 4, 1, out);
    }
    std::fclose(out);
}

std::string BesideTheProgram(const char* name)
{
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of("\\/") + 1) + name;
}

Capture PictureOfWindow(HWND window, const char* file)
{
    RECT client{};
    GetClientRect(window, &client);
    UpdateWindow(window);
    HDC dc = GetDC(window);
    Capture capture = Grab(dc, client.right, client.bottom);
    ReleaseDC(window, dc);
    SaveBitmap(BesideTheProgram(file), capture);
    return capture;
}

Capture GrabWindow(HWND window)
{
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT box;
    GetWindowRect(window, &box);
    HDC dc = GetWindowDC(window);
    Capture capture = Grab(dc, box.right - box.left, box.bottom - box.top);
    ReleaseDC(window, dc);
    return capture;
}

Capture DrawTextRuns(HWND control, const std::vector<TextRun>& runs, COLORREF text, COLORREF background, int width,
                     int height)
{
    HDC screen = GetDC(control);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
    HGDIOBJ oldFont = SelectObject(memory, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
    RECT all = {0, 0, width, height};
    SetBkColor(memory, background);
    SetTextColor(memory, text);
    ExtTextOutW(memory, 0, 0, ETO_OPAQUE, &all, nullptr, 0, nullptr);
    for (const TextRun& run : runs) {
        POINTL origin = {0, 0};
        SendMessageA(control, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&origin), run.position);
        ExtTextOutW(memory, origin.x, origin.y, 0, nullptr, run.letters.data(), static_cast<UINT>(run.letters.size()),
                    nullptr);
    }
    Capture capture = Grab(memory, width, height);
    SelectObject(memory, oldFont);
    SelectObject(memory, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(control, screen);
    return capture;
}
