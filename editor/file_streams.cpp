#include "editor/file_streams.h"
#include "editor/editor_calls.h"
#include "editor/stream_io.h"

DWORD CALLBACK ReadFileCallback(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* got)
{
    auto* stream = reinterpret_cast<FileStream*>(cookie);
    DWORD read = 0;
    DWORD error = StreamReadFile(stream->File, buffer, static_cast<DWORD>(wanted), read);
    *got = error ? 0 : static_cast<LONG>(read);
    if (!error) return 0;
    stream->Error = error;
    return 1;
}

DWORD CALLBACK WriteFileCallback(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* written)
{
    auto* stream = reinterpret_cast<FileStream*>(cookie);
    DWORD error = StreamWriteFile(stream->File, buffer, static_cast<DWORD>(count));
    *written = error ? 0 : count;
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
