// The page formatter on prose: counting 500 pages as the page count does
// (render off, page after page), and drawing 100 pages onto a bitmap as
// printing does (format, then draw the band).
#include <windows.h>
#include <richedit.h>
#include <cstdio>
#include <string>

#include "textctl/textctl.h"
#include "prose.h"
#include "win_bench_support.h"

namespace {

constexpr RECT TextRect = {1440, 1440, 1440 + 6 * 1440 + 720, 1440 + 9 * 1440};   // Letter, 1 inch margins

LRESULT Format(HWND control, HDC dc, HDC target, LONG start, bool render)
{
    FORMATRANGE range = {dc, target, TextRect, {0, 0, 12240, 15840}, {start, -1}};
    return SendMessageA(control, EM_FORMATRANGE, render, reinterpret_cast<LPARAM>(&range));
}

}   // namespace

int main()
{
    RegisterTextControl(GetModuleHandleA(nullptr));
    HWND control = CreateWindowExA(0, TextControlClassName, "", WS_POPUP | ES_MULTILINE, 0, 0, 600, 400, nullptr,
                                   nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(control, EM_EXLIMITTEXT, 0, 0x7FFFFFFF);
    std::string text = Prose(500 * 4200);
    SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    HDC target = CreateCompatibleDC(nullptr);
    LONG length = static_cast<LONG>(text.size());

    // Every page must take some text, or the count would never end.
    Stopwatch counting;
    SendMessageA(control, EM_FORMATRANGE, 0, 0);
    int pages = 0;
    bool advancing = true;
    for (LONG at = 0; at < length && advancing; ++pages) {
        LONG next = static_cast<LONG>(Format(control, target, target, at, false));
        advancing = next > at;
        at = next;
    }
    SendMessageA(control, EM_FORMATRANGE, 0, 0);
    const double counted = counting.Cpu(), per500 = counted * 500 / pages;
    bool ok = per500 <= 1 && advancing;
    std::printf("page count of %d pages (%.1f MB of prose), render off: %.3f s wall, %.3f s processor, %.3f s for "
                "500 pages (target <= 1 s)%s %s\n",
                pages, text.size() / 1048576.0, counting.Wall(), counted, per500,
                advancing ? "" : ", A PAGE TOOK NO TEXT", Verdict(ok));

    HDC screen = GetDC(nullptr);
    HDC sheet = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(sheet, CreateCompatibleBitmap(screen, 816, 1056));
    Stopwatch drawing;
    LONG at = 0;
    for (int page = 0; page < 100; ++page) {
        PatBlt(sheet, 0, 0, 816, 1056, WHITENESS);
        LONG next = static_cast<LONG>(Format(control, sheet, target, at, false));
        advancing &= next > at;
        at = next;
        SendMessageA(control, EM_DISPLAYBAND, 0, reinterpret_cast<LPARAM>(&TextRect));
    }
    SendMessageA(control, EM_FORMATRANGE, 0, 0);
    ok &= advancing;
    std::printf("100 pages formatted and drawn onto a bitmap: %.3f s wall, %.3f s processor%s\n", drawing.Wall(),
                drawing.Cpu(), advancing ? "" : ", A PAGE TOOK NO TEXT");
    DeleteObject(SelectObject(sheet, old));
    DeleteDC(sheet);
    ReleaseDC(nullptr, screen);
    DeleteDC(target);
    DestroyWindow(control);
    return Conclude(ok);
}
