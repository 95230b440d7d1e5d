// Time of a whole-text undo snapshot of a 100 MB document, and of taking it back.
#include <cstdint>
#include <cstdio>
#include <vector>

#include "app/app_state.h"
#include "win_bench_program.h"
#include "editor/editor_calls.h"
#include "editor/memory_stream.h"
#include "editor/undo.h"
#include "win_bench_support.h"

namespace {

constexpr DWORD DocumentBytes = 100u * 1024 * 1024;

std::vector<uint8_t> RussianLines(DWORD size)
{
    const char line[] = "\xD1\xFA\xE5\xF8\xFC \xE6\xE5 \xE5\xF9\xB8 \xFD\xF2\xE8\xF5 \xEC\xFF\xE3\xEA\xE8\xF5 "
                        "\xF4\xF0\xE0\xED\xF6\xF3\xE7\xF1\xEA\xE8\xF5 \xE1\xF3\xEB\xEE\xEA, 0123456789\r\n";
    std::vector<uint8_t> text(size);
    for (DWORD i = 0; i < size; ++i) text[i] = static_cast<uint8_t>(line[i % (sizeof line - 1)]);
    return text;
}

}   // namespace

int main()
{
    if (!StartProgram()) return 1;
    std::vector<uint8_t> text = RussianLines(DocumentBytes);
    SetEditorTextLimit(DocumentBytes * 2);
    MemoryStream stream = {0, DocumentBytes, text.data()};
    StreamInFromMemory(stream, SF_TEXT);
    text = {};
    if (EditorTextLength() != static_cast<LONG>(DocumentBytes)) {
        std::printf("the editor holds %ld bytes, not %lu\n", EditorTextLength(), DocumentBytes);
        return 1;
    }
    Stopwatch snapshotting;
    RecordUndo(UndoWholeText, 0);
    const double snapshot = snapshotting.Cpu();
    SelectAllEditorText();
    ClearEditorSelection();
    Stopwatch restoring;
    UndoLast();
    const double restore = restoring.Cpu();
    bool restored = EditorTextLength() == static_cast<LONG>(DocumentBytes);
    std::printf("whole-text undo snapshot of 100 MB: %.3f s processor (limit 0.5 s) %s\n", snapshot,
                Verdict(snapshot <= 0.5));
    std::printf("undo of it, 100 MB streamed back: %.3f s processor%s\n", restore,
                restored ? "" : "  TEXT NOT RESTORED");
    DestroyWindow(App.MainWindow);
    return Conclude(snapshot <= 0.5 && restored);
}
