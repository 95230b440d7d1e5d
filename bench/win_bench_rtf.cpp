// The text control reading a 10 MB RTF stream (EM_STREAMIN with SF_RTF):
// time, memory as a multiple of the RTF's size, and the text against the
// reader's own.
#include <windows.h>
#include <richedit.h>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "bench/rtf_document.h"
#include "textctl/rtf_reader.h"
#include "textctl/textctl.h"
#include "win_bench_support.h"

namespace {

constexpr size_t DocumentSize = 10u << 20;

}   // namespace

int main()
{
    RegisterTextControl(GetModuleHandleA(nullptr));
    HWND control = CreateWindowExA(0, TextControlClassName, "", WS_OVERLAPPEDWINDOW | WS_VISIBLE | ES_MULTILINE, 0, 0,
                                   1000, 800, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(control, EM_EXLIMITTEXT, 0, 0x7FFFFFFF);
    const std::string rtf = MakeRtfDocument(DocumentSize);

    SIZE_T before = PrivateBytes();
    Stopwatch took;
    Cursor cursor{&rtf, 0};
    EDITSTREAM stream = {reinterpret_cast<DWORD_PTR>(&cursor), 0, ReadBytes};
    LRESULT length = SendMessageA(control, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
    UpdateWindow(control);
    const double wall = took.Wall(), cpu = took.Cpu();
    double grown = double(PrivateBytes() - before);

    RtfReader reader;
    std::vector<uint8_t> expected;
    reader.Read(reinterpret_cast<const uint8_t*>(rtf.data()), rtf.size(), expected);
    reader.Finish(expected);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    text.resize(
        static_cast<size_t>(SendMessageA(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]))));
    const bool same = text == std::string(expected.begin(), expected.end());
    std::printf("EM_STREAMIN SF_RTF of %.1f MB -> %.1f MB of text + first paint: %.3f s wall, %.3f s processor "
                "(target <= 1 s), %s %s\n",
                rtf.size() / 1048576.0, length / 1048576.0, wall, cpu, same ? "same text" : "TEXT DIFFERS",
                Verdict(cpu <= 1 && same));
    std::printf("memory after it: %.2f x the RTF (the text itself is %.2f x)\n", grown / rtf.size(),
                double(length) / rtf.size());
    DestroyWindow(control);
    return Conclude(cpu <= 1 && same);
}
