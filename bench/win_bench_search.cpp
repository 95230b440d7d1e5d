// Find and replace through the program's commands: replace all of 100,000
// occurrences in 10 MB (with the undo snapshot and the repaint), as they are
// and as whole words among near misses, one backward Search Again step over
// 100 MB, and a forward step for a word absent from 100 MB. Each is checked
// for its result as well as its time.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "app/app_state.h"
#include "win_bench_program.h"
#include "editor/editor_calls.h"
#include "editor/memory_stream.h"
#include "search/find_step.h"
#include "search/search_commands.h"
#include "search/search_state.h"
#include "win_bench_support.h"

namespace {

constexpr DWORD BigSize = 100u * 1024 * 1024;
constexpr int Occurrences = 100000;

constexpr char Line[] = "\xD1\xFA\xE5\xF8\xFC \xE6\xE5 \xE5\xF9\xB8 \xFD\xF2\xE8\xF5 \xEC\xFF\xE3\xEA\xE8\xF5 "
                        "\xF4\xF0\xE0\xED\xF6\xF3\xE7\xF1\xEA\xE8\xF5 \xE1\xF3\xEB\xEE\xEA, 0123456789 ";

// Lines of Russian words; each of the first `occurrences` lines ends in `word`, the others in `other`.
std::string MakeDocument(size_t size, int occurrences, const char* word = "needle", const char* other = "nettle")
{
    std::string text;
    text.reserve(size);
    for (int n = 0; text.size() < size; ++n) {
        text += Line;
        text += n < occurrences ? word : other;
        text += "\r\n";
    }
    text.resize(size);
    return text;
}

void Load(std::string text)
{
    SetEditorTextLimit(BigSize * 2);
    MemoryStream stream = {0, static_cast<DWORD>(text.size()), reinterpret_cast<uint8_t*>(&text[0])};
    StreamInFromMemory(stream, SF_TEXT);
    SelectEditorRange(0, 0);
}

void Prepare(const char* text, const char* replacement, bool replace, bool backward, LONG position)
{
    std::strcpy(SearchState.SearchText, text);
    std::strcpy(SearchState.ReplacementText, replacement);
    SearchState.ReplaceMode = replace;
    SearchState.ReplaceAll = replace;
    SearchState.SearchPosition = position;
    SearchOptions = {false, false, true, backward, false};
}

// Times a command by the wall clock and by the processor (the machine may be shared).
struct Timing {
    double wall = WallSeconds();
    double cpu = CpuSeconds();
};

bool Report(const char* what, const Timing& start, double limit, bool right)
{
    double seconds = WallSeconds() - start.wall;
    std::printf("%s: %.3f s wall, %.3f s processor (limit %.1f s)%s%s\n", what, seconds, CpuSeconds() - start.cpu,
                limit, seconds <= limit ? "" : "  TOO SLOW", right ? "" : "  WRONG RESULT");
    return seconds <= limit && right;
}

std::string EditorBytes()
{
    std::string text(static_cast<size_t>(EditorTextLength()) + 1, '\0');
    text.resize(static_cast<size_t>(ReadEditorText(&text[0], static_cast<LONG>(text.size()))));
    return text;
}

// With whole words the lines without an occurrence end in a near miss the word test must pass over.
bool ReplaceAllBench(bool wholeWord)
{
    constexpr size_t Size = 10u * 1000 * 1000;
    const char* other = wholeWord ? "needles" : "nettle";
    Load(MakeDocument(Size, Occurrences, "needle", other));
    Prepare("needle", "pin", true, false, 0);
    SearchOptions.WholeWord = wholeWord;
    Timing start;
    SearchAgainCommand();   // in replace mode with "All": the whole run
    UpdateWindow(Editor.Window);
    // The same lines cut at the same place of the same line: the text is shorter by what was replaced.
    const bool right = EditorBytes() == MakeDocument(Size - Occurrences * 3, Occurrences, "pin", other);
    return Report(wholeWord ? "replace all, 100,000 whole words among near misses in 10 MB, with snapshot and repaint"
                            : "replace all, 100,000 occurrences in 10 MB, with snapshot and repaint",
                  start, 1.0, right);
}

bool BackwardBench()
{
    Load(MakeDocument(BigSize, 1));
    Prepare("needle", "", false, true, static_cast<LONG>(BigSize));
    Timing start;
    SearchAgainCommand();
    const LONG at = static_cast<LONG>(std::strlen(Line));   // the first line's "needle"
    return Report("one backward Search Again step over 100 MB, the occurrence near the start", start, 0.5,
                  EditorSelection().cpMin == at && EditorSelection().cpMax == at + 6);
}

bool AbsentBench()
{
    Prepare("\xF9\xF3\xEA\xE0", "", false, false, 0);   // a Russian word the text lacks
    SelectEditorRange(0, 0);
    Timing start;
    bool found = FindStep();   // what Search Again does before it gives up
    return Report("forward step for a word absent from 100 MB", start, 0.2,
                  !found && SearchState.SearchPosition == -1 && EditorSelection().cpMax == 0);
}

}   // namespace

int main()
{
    if (!StartProgram()) return 1;
    bool ok = ReplaceAllBench(false);
    ok = ReplaceAllBench(true) && ok;
    ok = BackwardBench() && ok;
    ok = AbsentBench() && ok;
    SetEditorModified(false);
    DestroyWindow(App.MainWindow);
    return ok ? 0 : 1;
}
