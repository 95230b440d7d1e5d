// Moving the editor's bytes between a file and the control unchanged.
#pragma once
#include <windows.h>
#include <richedit.h>

// The EDITSTREAM cookie: the open file and the system error that ended the stream.
struct FileStream {
    HANDLE File;
    DWORD Error;
};

DWORD CALLBACK ReadFileCallback(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* got);
DWORD CALLBACK WriteFileCallback(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* written);

// Streams the open file into the editor (EM_STREAMIN with flags); 0 or the error that ended it.
DWORD StreamFileIn(HANDLE file, DWORD flags);
// Streams the whole text out into the open file; 0 or the error that ended it.
DWORD StreamFileOut(HANDLE file);

