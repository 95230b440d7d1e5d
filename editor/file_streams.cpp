#include "editor/file_streams.h"
#include "editor/editor_calls.h"
#include "editor/editor_state.h"
#include "editor/message_box.h"

uint64_t FileWriteBudget = UINT64_MAX;
uint64_t FileReadBudget = UINT64_MAX;

DWORD CALLBACK ReadFileCallback(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* got)
{
    auto* stream = reinterpret_cast<FileStream*>(cookie);
    DWORD read = 0;
    if (FileReadBudget == 0) {
        SetLastError(ERROR_READ_FAULT);
    } else if (ReadFile(stream->File, buffer, static_cast<DWORD>(wanted), &read, nullptr)) {
        if (read > FileReadBudget) read = static_cast<DWORD>(FileReadBudget);
        if (FileReadBudget != UINT64_MAX) FileReadBudget -= read;
        *got = static_cast<LONG>(read);
        return 0;
    }
    stream->Error = GetLastError();
    *got = 0;
    return 1;
}

DWORD CALLBACK WriteFileCallback(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* written)
{
    auto* stream = reinterpret_cast<FileStream*>(cookie);
    DWORD wanted = static_cast<DWORD>(count);
    DWORD allowed = FileWriteBudget < wanted ? static_cast<DWORD>(FileWriteBudget) : wanted;
    DWORD done = 0;
    BOOL ok = WriteFile(stream->File, buffer, allowed, &done, nullptr);
    if (FileWriteBudget != UINT64_MAX) FileWriteBudget -= done;
    *written = static_cast<LONG>(done);
    if (ok && done == wanted) return 0;
    stream->Error = ok ? ERROR_DISK_FULL : GetLastError();
    return 2;
}

HANDLE OpenFileForReading(const char* name)
{
    return CreateFileA(name, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                       FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
}

bool FileFitsTextLimit(HANDLE file)
{
    LARGE_INTEGER size;
    return GetFileSizeEx(file, &size) && static_cast<uint64_t>(size.QuadPart) <= Editor.TextLimit;
}

namespace {

DWORD StreamFile(HANDLE file, void (*streamEditor)(DWORD, EDITSTREAM&), DWORD flags, EDITSTREAMCALLBACK callback)
{
    FileStream stream{file, 0};
    EDITSTREAM request{reinterpret_cast<DWORD_PTR>(&stream), 0, callback};
    streamEditor(flags, request);
    if (request.dwError == 0) return 0;
    // Without a file error the control ended the stream itself and says why (memory, its text limit).
    return stream.Error ? stream.Error : request.dwError;
}

}   // namespace

DWORD StreamFileIn(HANDLE file, DWORD flags)
{
    return StreamFile(file, StreamEditorIn, flags, ReadFileCallback);
}

DWORD StreamFileOut(HANDLE file)
{
    return StreamFile(file, StreamEditorOut, SF_TEXT, WriteFileCallback);
}
