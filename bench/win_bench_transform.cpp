// The transformation commands on large documents, each through its command as
// the menu runs it (range, undo record, transformation, stream back, repaint):
// time, the process's peak memory as a multiple of the document, and the
// text it leaves. Each case runs in a process of its own, so that its peak is
// its own.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/command_table.h"
#include "win_bench_child.h"
#include "win_bench_program.h"
#include "bench/rtf_document.h"
#include "coding/utf8.h"
#include "coding/coding_tables.h"
#include "codingui/transform_selection.h"
#include "editor/editor_calls.h"
#include "editor/memory_stream.h"
#include "res/resource.h"
#include "textctl/rtf_reader.h"
#include "win_bench_support.h"

namespace {

// "Съешь же ещё этих мягких французских булок" in Windows-1251.
const std::string Words = "\xD1\xFA\xE5\xF8\xFC \xE6\xE5 \xE5\xF9\xB8 \xFD\xF2\xE8\xF5 \xEC\xFF\xE3\xEA\xE8\xF5 "
                          "\xF4\xF0\xE0\xED\xF6\xF3\xE7\xF1\xEA\xE8\xF5 \xE1\xF3\xEB\xEE\xEA";

// Lines of the words up to the size: short lines, or paragraphs of long
// lines with an empty line after every fifth.
std::string Repeated(size_t size, bool paragraphs)
{
    std::string unit = Words + ", 0123456789\r\n";
    if (paragraphs) {
        const std::string line = Words + ", " + Words + ", " + Words + ", " + Words + ".\r\n";
        unit = line + line + line + line + line + "\r\n";
    }
    std::string text;
    text.reserve(size + unit.size());
    while (text.size() < size) text += unit;
    text.resize(size);
    return text;
}

std::string Utf8Of(const std::string& ansi)
{
    std::vector<uint8_t> out(ConvertedCapacity(ansi.size()));
    const uint8_t* in = reinterpret_cast<const uint8_t*>(ansi.data());
    out.resize(ConvertText(in, ansi.size(), CodingAnsi, CodingUtf8, out.data(), out.size()));
    return std::string(out.begin(), out.end());
}

std::string Koi8Of(std::string ansi)
{
    ConvertCoding(reinterpret_cast<uint8_t*>(&ansi[0]), ansi.size(), CodingAnsi, CodingKoi8);
    return ansi;
}

std::string TextOfRtf(const std::string& rtf)
{
    RtfReader reader;
    std::vector<uint8_t> text;
    reader.Read(reinterpret_cast<const uint8_t*>(rtf.data()), rtf.size(), text);
    reader.Finish(text);
    return std::string(text.begin(), text.end());
}

struct Case {
    const char* name;
    double limit;   // seconds of processor time
    size_t size;
    std::string (*document)(size_t size);
    void (*run)();
    // The text the command must leave; none: any other text than the document.
    std::string (*result)(size_t size);
};

const Case Cases[] = {
    {"->KOI8, whole text of 100 MB", 1.5, 100u << 20, [](size_t size) { return Repeated(size, false); },
     [] { ExecuteCommand(CMD_TO_KOI8); }, [](size_t size) { return Koi8Of(Repeated(size, false)); }},
    {"Justify of 10 MB of prose", 1, 10u << 20, [](size_t size) { return Repeated(size, true); },
     [] { ExecuteCommand(CMD_JUSTIFY); }, nullptr},
    {"RTF to ANSI of 10 MB of RTF", 1, 10u << 20, MakeRtfDocument, [] { ExecuteCommand(CMD_RTF_TO_ANSI); },
     [](size_t size) { return TextOfRtf(MakeRtfDocument(size)); }},
    {"UTF-8 -> ANSI, whole text of 100 MB", 1.5, 100u << 20,
     [](size_t size) { return Utf8Of(Repeated(size / 2 + size / 8, false)); },
     [] { ConvertSelection(CodingUtf8, CodingAnsi); },
     [](size_t size) { return Repeated(size / 2 + size / 8, false); }},
};

void Load(std::string& text)
{
    Editor.TextLimit = 0x7FFFFFFF;
    SetEditorTextLimit(Editor.TextLimit);
    MemoryStream stream = {0, static_cast<DWORD>(text.size()), reinterpret_cast<uint8_t*>(&text[0])};
    StreamInFromMemory(stream, SF_TEXT);
    SelectEditorRange(0, 0);
    text = std::string();
}

int RunCase(const Case& c)
{
    if (!StartProgram()) return 1;
    std::string text = c.document(c.size);
    const double size = double(text.size());
    Load(text);
    Stopwatch took;
    c.run();
    UpdateWindow(Editor.Window);
    const double wall = took.Wall(), processor = took.Cpu(), peak = double(PeakPrivateBytes()) / size;

    std::string result(static_cast<size_t>(EditorTextLength()) + 1, '\0');
    result.resize(static_cast<size_t>(ReadEditorText(&result[0], static_cast<LONG>(result.size()))));
    const bool right = c.result ? result == c.result(c.size) : !result.empty() && result != c.document(c.size);
    const bool ok = processor <= c.limit && right;
    std::printf("%-38s %.3f s wall, %.3f s processor (target %.1f s); peak memory %.2f x the document; %s %s\n", c.name,
                wall, processor, c.limit, peak, right ? "right text" : "WRONG TEXT", Verdict(ok));
    DestroyWindow(App.MainWindow);
    return ok ? 0 : 1;
}

// Runs this program again for each case.
int RunEveryCase()
{
    int failed = 0;
    for (size_t i = 0; i < sizeof Cases / sizeof Cases[0]; ++i) failed += !RunSelfWith(std::to_string(i));
    return failed;
}

}   // namespace

int main(int argc, char** argv)
{
    if (argc < 2) return Conclude(RunEveryCase() == 0);
    const size_t index = std::strtoul(argv[1], nullptr, 10);
    return index < sizeof Cases / sizeof Cases[0] ? RunCase(Cases[index]) : 1;
}
