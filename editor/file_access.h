// Files by their wide names, for every part of the program that opens one
// (documents, the byte editor, printing to a file): a name never passes
// through a code page, so any character of it survives. Functions that can
// fail return 0 or the system error.
#pragma once
#include <windows.h>
#include <cstdint>
#include <string>

// An existing file for reading, shared with readers and writers; INVALID_HANDLE_VALUE on failure.
HANDLE OpenFileForReading(const wchar_t* name);
// A file for writing, not shared: disposition CREATE_NEW, CREATE_ALWAYS, OPEN_EXISTING or
// TRUNCATE_EXISTING; security null for the folder's default. INVALID_HANDLE_VALUE on failure.
HANDLE OpenFileForWriting(const wchar_t* name, DWORD disposition, SECURITY_ATTRIBUTES* security = nullptr);
// False when the size cannot be read.
bool FileSize(HANDLE file, uint64_t& size);
// Up to `wanted` bytes from the file position; `got` is 0 at the end of the file.
DWORD ReadFromFile(HANDLE file, void* buffer, DWORD wanted, DWORD& got);
// All `count` bytes at the file position; a short write is ERROR_DISK_FULL.
DWORD WriteToFile(HANDLE file, const void* bytes, DWORD count);
// Flushes a written file to the disk and closes it; the first error of the two.
DWORD FinishWriting(HANDLE file);
// The rest of one open file written into another.
DWORD CopyFileContents(HANDLE from, HANDLE to);
// The file's own long name without its folder; empty when it cannot be found.
std::wstring FoundFileName(const wchar_t* name);
// Both names lead to the same file: their short forms are equal, ignoring case.
// A name whose file is gone is compared as it stands.
bool SameFileName(const wchar_t* first, const wchar_t* second);
