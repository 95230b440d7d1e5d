// One byte of a file on disk, the file opened for just that read or write and
// closed again. Addresses are 32-bit; the size they are checked against is the
// file's real one, which may pass 4 GB.
#pragma once
#include <windows.h>
#include <cstdint>

// The byte at address. False when the file cannot be opened (for writing as well,
// with forWriting), the address is not inside it, or reading fails.
bool ReadFileByte(const wchar_t* path, uint32_t address, bool forWriting, uint8_t* byte);
// Puts the byte at address, inside the file: its length and other bytes stay.
// False on any failure.
bool WriteFileByte(const wchar_t* path, uint32_t address, uint8_t byte);
