#include "tests/program/stream_faults.h"
#include "editor/file_access.h"
#include "editor/stream_io.h"

uint64_t FileWriteBudget = UINT64_MAX;
uint64_t FileReadBudget = UINT64_MAX;

DWORD StreamReadFile(HANDLE file, void* buffer, DWORD wanted, DWORD& got)
{
    if (FileReadBudget == 0) return ERROR_READ_FAULT;
    DWORD error = ReadFromFile(file, buffer, wanted, got);
    if (error) return error;
    if (got > FileReadBudget) got = static_cast<DWORD>(FileReadBudget);
    if (FileReadBudget != UINT64_MAX) FileReadBudget -= got;
    return 0;
}

DWORD StreamWriteFile(HANDLE file, const void* bytes, DWORD count)
{
    DWORD allowed = FileWriteBudget < count ? static_cast<DWORD>(FileWriteBudget) : count;
    DWORD error = WriteToFile(file, bytes, allowed);
    if (!error && allowed < count) error = ERROR_DISK_FULL;
    if (!error && FileWriteBudget != UINT64_MAX) FileWriteBudget -= allowed;
    return error;
}
