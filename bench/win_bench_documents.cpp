// Opening and saving a 100 MB document, and the memory it takes with one undo snapshot;
// then, in a process of its own, opening a 1.2 GB one, its whole-text "-> KOI8" and the undo of that.
#include "app/app_state.h"
#include "app/command_table.h"
#include "coding/coding_tables.h"
#include "document/document_files.h"
#include "document/save_document.h"
#include "editor/editor_calls.h"
#include "editor/undo.h"
#include "res/resource.h"
#include "win_bench_child.h"
#include "win_bench_program.h"
#include "win_bench_support.h"
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr DWORD FileSize = 100u << 20;
constexpr DWORD LargeFileSize = DWORD((uint64_t(6) << 30) / 5);
constexpr DWORD Piece = 1u << 20;

// Windows-1251 lines of Russian words with CR LF ends, repeated up to the size; written a
// piece at a time, so that the writing adds nothing to the peak of a large document.
bool WriteBenchFile(const wchar_t* name, DWORD size)
{
    const std::string line = "\xD1\xFA\xE5\xF8\xFC \xE6\xE5 \xE5\xF9\xB8 \xFD\xF2\xE8\xF5 "
                             "\xEC\xFF\xE3\xEA\xE8\xF5 \xE1\xF3\xEB\xEE\xEA, 0123456789\r\n";
    std::string piece;
    while (piece.size() + line.size() <= Piece) piece += line;
    HANDLE file = CreateFileW(name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    bool ok = file != INVALID_HANDLE_VALUE;
    for (DWORD done = 0; ok && done < size;) {
        DWORD count = std::min<DWORD>(DWORD(piece.size()), size - done), written = 0;
        ok = WriteFile(file, piece.data(), count, &written, nullptr) && written == count;
        done += count;
    }
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    return ok;
}

// Whether the editor holds exactly the file's bytes, recoded from ANSI to `coding`.
bool EditorHoldsFile(const wchar_t* name, Coding coding)
{
    HANDLE file = CreateFileW(name, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    std::vector<char> bytes(Piece), text(Piece + 1);
    LONG position = 0;
    bool same = true;
    for (DWORD got = 0; same && ReadFile(file, bytes.data(), Piece, &got, nullptr) && got; position += LONG(got)) {
        ConvertCoding(reinterpret_cast<uint8_t*>(bytes.data()), got, CodingAnsi, coding);
        same = ReadEditorRange(position, position + LONG(got), text.data()) == LONG(got)
            && std::memcmp(bytes.data(), text.data(), got) == 0;
    }
    CloseHandle(file);
    return same && position == EditorTextLength();
}

// A temporary file of the size, deleted when done.
struct BenchFile {
    wchar_t name[MAX_PATH];
    bool written;
    explicit BenchFile(DWORD size)
    {
        wchar_t folder[MAX_PATH];
        GetTempPathW(MAX_PATH, folder);
        GetTempFileNameW(folder, L"vbd", 0, name);
        written = WriteBenchFile(name, size);
        if (!written) std::printf("cannot write the benchmark file\n");
    }
    ~BenchFile() { DeleteFileW(name); }
};

bool MeasureDocument()
{
    BenchFile file(FileSize);
    if (!file.written || !StartProgram(SW_SHOWNORMAL)) return false;
    SIZE_T before = PrivateBytes();

    Stopwatch opening;
    bool loaded = LoadDocument(file.name) == LoadResult::Loaded && EditorTextLength() == LONG(FileSize);
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
    return ok;
}

// The peak is the whole process's, so this runs in a process of its own.
bool MeasureLargeDocument()
{
    BenchFile file(LargeFileSize);
    if (!file.written || !StartProgram(SW_SHOWNORMAL)) return false;
    const double size = LargeFileSize;

    Stopwatch opening;
    const bool loaded = LoadDocument(file.name) == LoadResult::Loaded && EditorTextLength() == LONG(LargeFileSize);
    UpdateWindow(App.MainWindow);
    UpdateWindow(Editor.Window);
    const double openWall = opening.Wall(), openCpu = opening.Cpu(), openPeak = PeakPrivateBytes() / size;
    const bool openOk = loaded && openCpu <= 3 && openPeak > 0 && openPeak <= 1.1;

    Stopwatch recoding;
    ExecuteCommand(CMD_TO_KOI8);
    UpdateWindow(Editor.Window);
    const double recodeWall = recoding.Wall(), recodeCpu = recoding.Cpu(), recodePeak = PeakPrivateBytes() / size;
    const bool recoded = EditorHoldsFile(file.name, CodingKoi8);

    Stopwatch undoing;
    ExecuteCommand(CMD_UNDO);
    UpdateWindow(Editor.Window);
    const double undoWall = undoing.Wall(), undoCpu = undoing.Cpu();
    const bool restored = EditorHoldsFile(file.name, CodingAnsi);

    std::printf("document of %.2f GB: %s\n", size / (1u << 30), loaded ? "loaded" : "NOT LOADED");
    std::printf("open to a painted window: %.3f s wall, %.3f s processor (limit 3 s); peak memory %.2f x the file "
                "(limit 1.1) %s\n",
                openWall, openCpu, openPeak, Verdict(openOk));
    std::printf("whole-text -> KOI8:       %.3f s wall, %.3f s processor; peak memory %.2f x the file; %s %s\n",
                recodeWall, recodeCpu, recodePeak, recoded ? "right text" : "WRONG TEXT", Verdict(recoded));
    std::printf("undo of it:               %.3f s wall, %.3f s processor; %s %s\n", undoWall, undoCpu,
                restored ? "bytes restored" : "BYTES DIFFER", Verdict(restored));
    DestroyWindow(App.MainWindow);
    return openOk && recoded && restored;
}

}   // namespace

int main(int argc, char** argv)
{
    if (argc > 1) return std::strcmp(argv[1], "large") == 0 && MeasureLargeDocument() ? 0 : 1;
    const bool document = MeasureDocument();
    return Conclude(RunSelfWith("large") && document);
}
