// The UTF-8 view on 100 MB, each part in a process of its own: opening and
// painting a UTF-8 file against a Windows-1251 file of the same size, with the
// peak memory of it; then keys at the end of a 100 MB text without a line
// break, in the UTF-8 and the ANSI view, without and with word wrap.
#include "app/app_state.h"
#include "app/message_loop.h"
#include "coding/unicode_tables.h"
#include "coding/utf8_chars.h"
#include "document/document_files.h"
#include "editor/editor_calls.h"
#include "editor/editor_control.h"
#include "bench/prose.h"
#include "win_bench_child.h"
#include "win_bench_program.h"
#include "win_bench_support.h"
#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr size_t FileSize = 100u << 20;
constexpr double KeyLimit = 0.010;
constexpr char Utf8Name[] = "verko_bench_utf8.txt", AnsiName[] = "verko_bench_1251.txt";

// Prose of exactly FileSize bytes in the coding, ending in "я"; with
// `oneLine` its line breaks are blanks.
std::string BenchText(Coding coding, bool oneLine)
{
    std::string prose = Prose(FileSize), text;
    text.reserve(FileSize);
    const size_t room = FileSize - (coding == CodingUtf8 ? 2 : 1);
    for (size_t i = 0; i < prose.size(); ++i) {
        uint8_t byte = static_cast<uint8_t>(prose[i]), bytes[4] = {byte};
        if (oneLine && (byte == '\r' || byte == '\n')) bytes[0] = ' ';
        size_t count = coding == CodingUtf8 ? EncodeUtf8Char(ByteToUnicode(CodingAnsi, bytes[0]), bytes) : 1;
        if (text.size() + count > room) break;
        text.append(reinterpret_cast<char*>(bytes), count);
    }
    text.resize(room, ' ');
    return text + (coding == CodingUtf8 ? "\xD1\x8F" : "\xFF");
}

bool WriteFileBytes(const char* name, const std::string& bytes)
{
    FILE* file = std::fopen(name, "wb");
    bool ok = file && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (file) ok = std::fclose(file) == 0 && ok;
    if (!ok) std::printf("cannot write %s\n", name);
    return ok;
}

std::wstring TempPath(const char* name)
{
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    return folder + std::wstring(name, name + std::strlen(name));
}

void Pump()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) ProcessProgramMessage(message);
}

// Opens the file as a user does, so the guess picks the view, and paints; wall
// seconds (a fraction of a second, finer than processor time is counted), or
// -1 when it did not load in that view.
double OpenInView(const char* name, Coding view)
{
    const std::wstring path = TempPath(name);
    Stopwatch opening;
    const bool loaded = LoadDocument(path.c_str()) == LoadResult::Loaded && EditorTextLength() == LONG(FileSize);
    UpdateWindow(App.MainWindow);
    UpdateWindow(Editor.Window);
    Pump();
    const double took = opening.Wall();
    if (!loaded || Editor.ViewCoding != view) std::printf("%s did not load in view %d\n", name, int(view));
    return loaded && Editor.ViewCoding == view ? took : -1;
}

// The UTF-8 file first, for its peak; then the two in turn, the best of each.
bool MeasureOpening()
{
    if (!StartProgram(SW_SHOWNORMAL)) return false;
    // The program's own memory before it opens a file is not the document's;
    // counted as the peak is, whose working set holds the program's code too.
    const PROCESS_MEMORY_COUNTERS start = MemoryCounters();
    const SIZE_T before = std::max(start.PagefileUsage, start.WorkingSetSize);
    double utf8 = OpenInView(Utf8Name, CodingUtf8);
    const SIZE_T peakBytes = PeakPrivateBytes();
    const double peak = before && peakBytes > before ? double(peakBytes - before) / FileSize : 0;
    double ansi = 1e9;
    for (int round = 0; round < 3 && utf8 > 0; ++round) {
        ansi = std::min(ansi, OpenInView(AnsiName, CodingAnsi));
        utf8 = std::min(utf8, OpenInView(Utf8Name, CodingUtf8));
    }
    const bool fast = utf8 > 0 && ansi > 0 && utf8 <= 1.1 * ansi, small = peak > 0 && peak <= 1.1;
    std::printf("open + paint 100 MB, best of 3: UTF-8 view %.3f s, Windows-1251 in the ANSI view %.3f s wall "
                "(limit 1.1 x the ANSI: %.3f s) %s\n",
                utf8, ansi, 1.1 * ansi, Verdict(fast));
    std::printf("peak memory for the 100 MB UTF-8 file, above the program's before: %.2f x the file "
                "(limit 1.1; 0: no counters) %s\n",
                peak, Verdict(small));
    DestroyWindow(App.MainWindow);
    return fast && small;
}

// Wall seconds of one key press through the program's own loop, painted.
double Press(UINT key, bool shift = false, bool ctrl = false)
{
    BYTE state[256] = {};
    if (shift) state[VK_SHIFT] = state[VK_LSHIFT] = 0x80;
    if (ctrl) state[VK_CONTROL] = state[VK_LCONTROL] = 0x80;
    SetKeyboardState(state);
    const LPARAM extended = key == VK_BACK ? 0 : 1 << 24;
    Stopwatch took;
    PostMessageW(Editor.Window, WM_KEYDOWN, key, 1 | extended);
    PostMessageW(Editor.Window, WM_KEYUP, key, 0xC0000001 | extended);
    Pump();
    const double wall = took.Wall();
    BYTE none[256] = {};
    SetKeyboardState(none);
    return wall;
}

double Type(wchar_t character)
{
    Stopwatch took;
    PostMessageW(Editor.Window, WM_CHAR, character, 1);
    Pump();
    return took.Wall();
}

struct KeyFigure {
    const char* name;
    double best;
};

// Keys at the end of the text, three rounds, each key's best; false when a
// key did not do what it should.
bool PressKeysAtEnd(size_t lastChar, KeyFigure (&keys)[7])
{
    const LONG end = LONG(FileSize);
    bool right = true;
    // With wrap, Home goes to the start of the last row, not of the line.
    const bool wrapped = Editor.WordWrapStyle == 0;
    auto check = [&](double seconds, KeyFigure& key, LONG from, LONG to, LONG length) {
        key.best = std::min(key.best, seconds);
        CHARRANGE s = EditorSelection();
        if (wrapped && from == 0 && s.cpMin == s.cpMax && s.cpMin > end - 4096) from = to = s.cpMin;
        if (s.cpMin != from || s.cpMax != to || EditorTextLength() != length) {
            std::printf("after %s: selection %ld..%ld, length %ld; wanted %ld..%ld, %ld\n", key.name, s.cpMin, s.cpMax,
                        EditorTextLength(), from, to, length);
            right = false;
        }
    };
    const LONG before = end - LONG(lastChar);
    for (int round = 0; round < 3 && right; ++round) {
        check(Press(VK_LEFT), keys[0], before, before, end);
        check(Press(VK_RIGHT), keys[1], end, end, end);
        Press(VK_LEFT);
        check(Press(VK_RIGHT, true), keys[2], before, end, end);
        check(Press(VK_BACK), keys[3], before, before, before);
        check(Type(L'\x436'), keys[4], end, end, end);
        check(Press(VK_HOME), keys[5], 0, 0, end);
        check(Press(VK_END), keys[6], end, end, end);
    }
    return right;
}

// One view, the wrap state as it is: Ctrl+End, then the keys.
bool MeasureKeys(Coding coding, const char* label)
{
    Stopwatch toEnd;
    Press(VK_END, false, true);
    const double first = toEnd.Cpu();
    KeyFigure keys[7] = {{"Left", 1e9},          {"Right", 1e9}, {"Shift+Right", 1e9}, {"Backspace", 1e9},
                         {"typing \"zh\"", 1e9}, {"Home", 1e9},  {"End", 1e9}};
    bool ok = PressKeysAtEnd(coding == CodingUtf8 ? 2 : 1, keys);
    std::printf("%s: Ctrl+End to the end of the 100 MB line %.3f s processor\n", label, first);
    for (const KeyFigure& key : keys) {
        ok &= key.best <= KeyLimit;
        std::printf("%s: %-12s %6.2f ms (limit %.0f ms) %s\n", label, key.name, key.best * 1e3, KeyLimit * 1e3,
                    Verdict(key.best <= KeyLimit));
    }
    return ok;
}

// Both views in both wrap states, each document opened afresh; the wrap state is left as it was.
bool MeasureAllKeys()
{
    if (!StartProgram(SW_SHOWNORMAL)) return false;
    bool ok = true;
    const bool wrapped = Editor.WordWrapStyle == 0;
    for (Coding coding : {CodingUtf8, CodingAnsi}) {
        const bool loaded = OpenInView(coding == CodingUtf8 ? Utf8Name : AnsiName, coding) > 0;
        ok &= loaded;
        for (int state = 0; state < 2 && loaded; ++state) {
            SetFocus(Editor.Window);
            const bool wrap = Editor.WordWrapStyle == 0;
            std::string label =
                std::string(coding == CodingUtf8 ? "UTF-8 view" : "ANSI view (1251)") + (wrap ? ", wrap" : ", no wrap");
            ok &= MeasureKeys(coding, label.c_str());
            ToggleWordWrap();
        }
    }
    if ((Editor.WordWrapStyle == 0) != wrapped) ToggleWordWrap();
    DestroyWindow(App.MainWindow);
    return ok;
}

std::string PathOf(const char* name)
{
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return folder + std::string(name);
}

bool WriteFiles(bool oneLine)
{
    return WriteFileBytes(PathOf(Utf8Name).c_str(), BenchText(CodingUtf8, oneLine))
        && WriteFileBytes(PathOf(AnsiName).c_str(), BenchText(CodingAnsi, oneLine));
}

}   // namespace

int main(int argc, char** argv)
{
    if (argc > 1) return (std::strcmp(argv[1], "open") == 0 ? MeasureOpening() : MeasureAllKeys()) ? 0 : 1;
    bool ok = WriteFiles(false) && RunSelfWith("open");
    ok = WriteFiles(true) && RunSelfWith("keys") && ok;
    DeleteFileA(PathOf(Utf8Name).c_str());
    DeleteFileA(PathOf(AnsiName).c_str());
    return Conclude(ok);
}
