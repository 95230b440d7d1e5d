// A copy of a file kept while the file is written over in place, so that a
// failed write can put the original bytes back. The copy stands beside the
// file, or in the temporary folder when the file's folder takes no new file
// or has no room for it, and only the user may read it. Functions return 0 or the system error.
#pragma once
#include <windows.h>
#include <string>

// Copies `original` into a new backup file and names it in `backup`; on failure no backup is left.
DWORD MakeBackup(const wchar_t* original, std::wstring& backup);
// Writes the backup's bytes over `original`; the backup stays.
DWORD RestoreBackup(const std::wstring& backup, const wchar_t* original);
