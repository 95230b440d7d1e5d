// The text control on a 100 MB document: stream in and paint, against the
// system rich edit control on 4 MB; stream out; typing; repainting; wrap;
// search; memory.
#include <windows.h>
#include <richedit.h>
#include <cstdio>
#include <cstring>
#include <string>

#include "textctl/textctl.h"
#include "win_bench_support.h"

namespace {

constexpr size_t BigSize = 100u << 20;
constexpr size_t SmallSize = 4u << 20;

// Lines of 40..100 bytes of Cyrillic and Latin words with CR LF.
std::string MakeDocument(size_t size)
{
    std::string text;
    text.reserve(size);
    uint32_t seed = 12345;
    auto next = [&seed] { return seed = seed * 1103515245u + 12345u, (seed >> 16) & 0x7FFF; };
    size_t lineLength = 0, target = 40 + next() % 60;
    while (text.size() + 2 < size) {
        uint32_t r = next();
        if (lineLength >= target) {
            text += "\r\n";
            lineLength = 0;
            target = 40 + next() % 60;
        } else if (r % 7 == 0) {
            text += ' ';
            ++lineLength;
        } else {
            text += static_cast<char>(r % 3 ? 0xE0 + r % 32 : 'a' + r % 26);
            ++lineLength;
        }
    }
    text.resize(size, 'x');
    return text;
}

DWORD CALLBACK WriteBytes(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* taken)
{
    auto* cursor = reinterpret_cast<Cursor*>(cookie);
    std::string& out = *const_cast<std::string*>(cursor->bytes);
    std::memcpy(&out[cursor->position], buffer, static_cast<size_t>(count));
    cursor->position += static_cast<size_t>(count);
    *taken = count;
    return 0;
}

HWND CreateHost()
{
    WNDCLASSA host = {};
    host.lpfnWndProc = DefWindowProcA;
    host.hInstance = GetModuleHandleA(nullptr);
    host.lpszClassName = "BenchHost";
    RegisterClassA(&host);
    return CreateWindowExA(0, "BenchHost", "bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 1000, 800, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

HWND CreateControl(HWND host, const char* className, DWORD extraStyle)
{
    HWND control = CreateWindowExA(0, className, "",
                                   WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_SELECTIONBAR | ES_AUTOVSCROLL
                                       | extraStyle,
                                   0, 0, 980, 760, host, nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(control, EM_EXLIMITTEXT, 0, 0x7FFFFFFF);
    return control;
}

// Seconds to stream the bytes in and paint the first screen.
double LoadAndPaint(HWND control, const std::string& bytes)
{
    double start = WallSeconds();
    Cursor cursor{&bytes, 0};
    EDITSTREAM stream = {reinterpret_cast<DWORD_PTR>(&cursor), 0, ReadBytes};
    SendMessageA(control, EM_STREAMIN, SF_TEXT, reinterpret_cast<LPARAM>(&stream));
    UpdateWindow(control);
    return WallSeconds() - start;
}

double Repaint(HWND control)
{
    double start = WallSeconds();
    InvalidateRect(control, nullptr, FALSE);
    UpdateWindow(control);
    return WallSeconds() - start;
}

void PressKey(HWND control, WPARAM key, bool control_)
{
    BYTE keys[256] = {};
    if (control_) keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    SendMessageA(control, WM_KEYDOWN, key, 1);
    BYTE none[256] = {};
    SetKeyboardState(none);
}

double FindSpeed(HWND control, WPARAM flags)
{
    FINDTEXTA find = {{0, -1}, "absent pattern"};
    double start = WallSeconds();
    LRESULT at = SendMessageA(control, EM_FINDTEXT, flags, reinterpret_cast<LPARAM>(&find));
    double seconds = WallSeconds() - start;
    if (at != -1) std::printf("unexpected match at %ld\n", static_cast<long>(at));
    return double(BigSize) / seconds / 1e6;
}

}   // namespace

int main()
{
    RegisterTextControl(GetModuleHandleA(nullptr));
    HWND host = CreateHost();
    std::string big = MakeDocument(BigSize);
    std::string small = big.substr(0, SmallSize);

    HWND rich = nullptr;
    if (LoadLibraryA("riched20.dll")) rich = CreateControl(host, "RichEdit20A", WS_HSCROLL | ES_AUTOHSCROLL);
    double richSeconds = rich ? LoadAndPaint(rich, small) : 0;
    if (rich) DestroyWindow(rich);

    HWND control = CreateControl(host, TextControlClassName, WS_HSCROLL | ES_AUTOHSCROLL);
    LoadAndPaint(control, small);   // warm up fonts and allocator
    double oursSmall = LoadAndPaint(control, small);
    std::printf("4 MB stream in + paint: ours %.4f s, system rich edit %.3f s, %.0fx faster\n", oursSmall, richSeconds,
                oursSmall > 0 ? richSeconds / oursSmall : 0.0);

    SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    SIZE_T before = PrivateBytes();
    double cpu = CpuSeconds();
    double load = LoadAndPaint(control, big);
    cpu = CpuSeconds() - cpu;
    SIZE_T after = PrivateBytes();
    std::printf("100 MB stream in + first paint: %.3f s wall, %.3f s processor (target <= 1 s)\n", load, cpu);
    double used = double(after - before) / 1048576.0;
    std::printf("memory for 100 MB: %.1f MB (limit 1.3 N + 16 = %.1f MB)\n", used, 1.3 * 100 + 16);

    std::string out(BigSize, '\0');
    Cursor cursor{&out, 0};
    EDITSTREAM stream = {reinterpret_cast<DWORD_PTR>(&cursor), 0, WriteBytes};
    double start = WallSeconds();
    cpu = CpuSeconds();
    SendMessageA(control, EM_STREAMOUT, SF_TEXT, reinterpret_cast<LPARAM>(&stream));
    std::printf("100 MB stream out: %.3f s wall, %.3f s processor (target <= 0.5 s), %s\n", WallSeconds() - start,
                CpuSeconds() - cpu, out == big ? "bytes equal" : "BYTES DIFFER");
    out.clear();
    out.shrink_to_fit();

    SendMessageA(control, EM_SETSEL, BigSize / 2, BigSize / 2);
    UpdateWindow(control);
    start = WallSeconds();
    for (int i = 0; i < 1100; ++i) SendMessageA(control, WM_CHAR, i % 11 == 10 ? '\r' : 0xE0 + i % 32, 1);
    double typing = (WallSeconds() - start) / 1100;
    start = WallSeconds();
    UpdateWindow(control);
    std::printf("typing in the middle: %.4f ms per keystroke (target <= 1 ms), repaint after %.2f ms\n", typing * 1e3,
                (WallSeconds() - start) * 1e3);

    double worst = 0;
    for (int i = 0; i < 20; ++i) {
        SendMessageA(control, EM_SETSEL, BigSize / 20 * i, BigSize / 20 * i);
        SendMessageA(control, EM_SCROLLCARET, 0, 0);
        UpdateWindow(control);
        worst = std::max(worst, Repaint(control));
    }
    std::printf("full repaint anywhere, no wrap: worst %.2f ms (target <= 16 ms)\n", worst * 1e3);

    std::printf("EM_FINDTEXT over 100 MB: match case %.0f MB/s (>= 1000), without %.0f MB/s (>= 300)\n",
                FindSpeed(control, FR_DOWN | FR_MATCHCASE), FindSpeed(control, FR_DOWN));
    DestroyWindow(control);

    HWND wrapped = CreateControl(host, TextControlClassName, 0);
    cpu = CpuSeconds();
    double wrapLoad = LoadAndPaint(wrapped, big);
    std::printf("wrap on: stream in + paint %.3f s wall, %.3f s processor\n", wrapLoad, CpuSeconds() - cpu);
    start = WallSeconds();
    PressKey(wrapped, VK_END, true);
    UpdateWindow(wrapped);
    double toEnd = WallSeconds() - start;
    start = WallSeconds();
    SendMessageA(wrapped, EM_SETSEL, 0, 0);
    SendMessageA(wrapped, EM_SETSEL, BigSize, BigSize);
    SendMessageA(wrapped, EM_SCROLLCARET, 0, 0);
    UpdateWindow(wrapped);
    double setSelEnd = WallSeconds() - start;
    worst = 0;
    for (int i = 0; i < 20; ++i) {
        SendMessageA(wrapped, EM_SETSEL, BigSize / 20 * i, BigSize / 20 * i);
        UpdateWindow(wrapped);
        worst = std::max(worst, Repaint(wrapped));
    }
    std::printf("wrap on: Ctrl+End %.2f ms, EM_SETSEL to end %.2f ms (target <= 1 s), worst full repaint %.2f ms\n",
                toEnd * 1e3, setSelEnd * 1e3, worst * 1e3);
    DestroyWindow(host);
    return 0;
}
