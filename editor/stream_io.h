// The file reads and writes of a stream between a file and the editor. A test
// program links its own definitions in their place to make a disk fail on cue.
#pragma once
#include <windows.h>

// 0 or the system error; got holds the bytes read.
DWORD StreamReadFile(HANDLE file, void* buffer, DWORD wanted, DWORD& got);
// 0 or the system error; on an error nothing counts as written.
DWORD StreamWriteFile(HANDLE file, const void* bytes, DWORD count);
