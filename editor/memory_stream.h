// Moving the whole text or a block of bytes in and out of the editor.
#pragma once
#include <windows.h>
#include <cstdint>

struct MemoryStream {
    DWORD Position;   // bytes already read (streaming in)
    DWORD Count;      // bytes written so far (out) or available (in)
    uint8_t* Buffer;
};

// The caller gives a zero-filled buffer of WM_GETTEXTLENGTH + 2 bytes; afterwards Count holds the bytes.
void StreamOutToMemory(MemoryStream& stream);
// SF_TEXT replaces the whole text, SF_TEXT | SFF_SELECTION the selection, SF_RTF reads RTF.
void StreamInFromMemory(MemoryStream& stream, DWORD flags);
