#include "editor/memory_stream.h"

#include <cstring>

#include "editor/editor_calls.h"

namespace {

// Streaming out also knows how much room the caller's buffer has.
struct BoundedStream {
    MemoryStream* Stream;
    DWORD Capacity;
};

DWORD CALLBACK TakeChunk(DWORD_PTR cookie, LPBYTE chunk, LONG size, LONG* taken)
{
    auto& out = *reinterpret_cast<BoundedStream*>(cookie);
    MemoryStream& stream = *out.Stream;
    DWORD room = out.Capacity - stream.Count;
    DWORD copied = static_cast<DWORD>(size) < room ? static_cast<DWORD>(size) : room;
    memcpy(stream.Buffer + stream.Count, chunk, copied);
    stream.Count += copied;
    *taken = static_cast<LONG>(copied);
    // A text that grew behind our back stops the stream rather than overrun the buffer.
    return copied == static_cast<DWORD>(size) ? 0 : 1;
}

DWORD CALLBACK GiveChunk(DWORD_PTR cookie, LPBYTE chunk, LONG size, LONG* given)
{
    auto& stream = *reinterpret_cast<MemoryStream*>(cookie);
    DWORD left = stream.Count - stream.Position;
    DWORD count = static_cast<DWORD>(size) < left ? static_cast<DWORD>(size) : left;
    if (count) memcpy(chunk, stream.Buffer + stream.Position, count);
    stream.Position += count;
    *given = static_cast<LONG>(count);
    return 0;
}

}   // namespace

void StreamOutToMemory(MemoryStream& stream)
{
    stream.Count = 0;
    BoundedStream out = {&stream, static_cast<DWORD>(EditorTextLength()) + 2};
    EDITSTREAM editStream = {reinterpret_cast<DWORD_PTR>(&out), 0, TakeChunk};
    StreamEditorOut(SF_TEXT, editStream);
}

void StreamInFromMemory(MemoryStream& stream, DWORD flags)
{
    stream.Position = 0;
    EDITSTREAM editStream = {reinterpret_cast<DWORD_PTR>(&stream), 0, GiveChunk};
    StreamEditorIn(flags, editStream);
}
