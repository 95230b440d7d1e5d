#include "editor/file_streams.h"
#include "editor/editor_calls.h"
#include "editor/file_access.h"

uint64_t FileWriteBudget = UINT64_MAX;
uint64_t FileReadBudget = UINT64_MAX;

DWORD CALLBACK ReadFileCallback(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* got)
{
    auto* stream = reinterpret_cast<FileStream*>(cookie);
    DWORD read = 0;
    DWORD error =
        FileReadBudget == 0 ? ERROR_READ_FAULT : ReadFromFile(stream->File, buffer, static_cast<DWORD>(wanted), read);
    if (!error) {
        if (read > FileReadBudget) read = static_cast<DWORD>(FileReadBudget);
        if (FileReadBudget != UINT64_MAX) FileReadBudget -= read;
        *got = static_cast<LONG>(read);
        return 0;
    }
    stream->Error = error;
    *got = 0;
    return 1;
}

DWORD CALLBACK WriteFileCallback(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* written)
{
    auto* stream = reinterpret_cast<FileStream*>(cookie);
    DWORD wanted = static_cast<DWORD>(count);
    DWORD allowed = FileWriteBudget < wanted ? static_cast<DWORD>(FileWriteBudget) : wanted;
    DWORD error = WriteToFile(stream->File, buffer, allowed);
    if (!error && allowed < wanted) error = ERROR_DISK_FULL;
    DWORD done = error ? 0 : allowed;
    if (FileWriteBudget != UINT64_MAX) FileWriteBudget -= done;
    *written = static_cast<LONG>(done);
    if (!error) return 0;
    stream->Error = error;
    return 2;
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
