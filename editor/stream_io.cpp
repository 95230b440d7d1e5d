#include "editor/stream_io.h"
#include "editor/file_access.h"

DWORD StreamReadFile(HANDLE file, void* buffer, DWORD wanted, DWORD& got)
{
    return ReadFromFile(file, buffer, wanted, got);
}

DWORD StreamWriteFile(HANDLE file, const void* bytes, DWORD count)
{
    return WriteToFile(file, bytes, count);
}
