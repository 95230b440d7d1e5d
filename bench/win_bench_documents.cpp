// Opening and saving a 100 MB document, and the memory it takes with one undo snapshot.
#include "app/app_state.h"
#include "win_bench_program.h"
#include "document/document_files.h"
#include "editor/editor_calls.h"
#include "document/save_document.h"
#include "editor/undo.h"
#include "win_bench_support.h"
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr DWORD FileSize = 100u << 20;

// Windows-1251 lines of Russian words with CR LF ends, repeated up to the size.
bool WriteBenchFile(const wchar_t* name)
{
    const std::string line = "\xD1\xFA\xE5\xF8\xFC \xE6\xE5 \xE5\xF9\xB8 \xFD\xF2\xE8\xF5 "
                             "\xEC\xFF\xE3\xEA\xE8\xF5 \xE1\xF3\xEB\xEE\xEA, 0123456789\r\n";
    std::vector<char> bytes(FileSize);
    for (DWORD i = 0; i < FileSize; ++i) bytes[i] = line[i % line.size()];
    HANDLE file = CreateFileW(name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    bool ok = file != INVALID_HANDLE_VALUE && WriteFile(file, bytes.data(), FileSize, &written, nullptr)
        && written == FileSize;
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    return ok;
}

}

int main()
{
    wchar_t folder[MAX_PATH], name[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    GetTempFileNameW(folder, L"vbd", 0, name);
    if (!WriteBenchFile(name)) {
        std::printf("cannot write the benchmark file\n");
        return 1;
    }
    if (!StartProgram(SW_SHOWNORMAL)) return 1;
    SIZE_T before = PrivateBytes();

    Stopwatch opening;
    bool loaded = LoadDocument(name) == LoadResult::Loaded && EditorTextLength() == LONG(FileSize);
    UpdateWindow(App.MainWindow);
    UpdateWindow(Editor.Window);
    const double opened = opening.Cpu();

    Stopwatch snapshotting;
    RecordUndo(UndoWholeText, 0);
    const double snapshot = snapshotting.Cpu();
    SIZE_T after = PrivateBytes();
    const double memory = before && after ? double(after - before) / FileSize : 0;

    SetEditorModified(true);
    Stopwatch saving;
    bool saved = SaveDocument();
    const double save = saving.Cpu();

    const bool ok = loaded && saved && opened <= 1.5 && snapshot <= 0.5 && save <= 1 && memory > 0 && memory <= 2.5;
    std::printf("document of %u MB: %s, %s\n", unsigned(FileSize >> 20), loaded ? "loaded" : "NOT LOADED",
                saved ? "saved" : "NOT SAVED");
    std::printf("open (load, coding guess, first paint): %.3f s processor (limit 1.5 s) %s\n", opened,
                Verdict(opened <= 1.5));
    std::printf("whole-text undo snapshot:                %.3f s processor (limit 0.5 s) %s\n", snapshot,
                Verdict(snapshot <= 0.5));
    std::printf("save:                                    %.3f s processor (limit 1 s) %s\n", save, Verdict(save <= 1));
    std::printf("memory while open with one snapshot:     %.2f x the file size (limit 2.5; 0: no counters) %s\n",
                memory, Verdict(memory > 0 && memory <= 2.5));
    DestroyWindow(App.MainWindow);
    DeleteFileW(name);
    return Conclude(ok);
}
