#include "tools/byte_file.h"

namespace {

HANDLE OpenExisting(const wchar_t* path, bool forWriting)
{
    // Refused even where the file system would let a privileged process write it.
    if (forWriting && (GetFileAttributesW(path) & FILE_ATTRIBUTE_READONLY)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return INVALID_HANDLE_VALUE;
    }
    DWORD access = forWriting ? GENERIC_READ | GENERIC_WRITE : GENERIC_READ;
    return CreateFileW(path, access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                       nullptr);
}

// Moves to address when it lies inside the file.
bool SeekInside(HANDLE file, uint32_t address)
{
    LARGE_INTEGER size, position;
    position.QuadPart = address;
    return GetFileSizeEx(file, &size) && position.QuadPart < size.QuadPart
        && SetFilePointerEx(file, position, nullptr, FILE_BEGIN);
}

}   // namespace

bool ReadFileByte(const wchar_t* path, uint32_t address, bool forWriting, uint8_t* byte)
{
    HANDLE file = OpenExisting(path, forWriting);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD read = 0;
    bool done = SeekInside(file, address) && ReadFile(file, byte, 1, &read, nullptr) && read == 1;
    CloseHandle(file);
    return done;
}

bool WriteFileByte(const wchar_t* path, uint32_t address, uint8_t byte)
{
    HANDLE file = OpenExisting(path, true);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool done = SeekInside(file, address) && WriteFile(file, &byte, 1, &written, nullptr) && written == 1;
    return CloseHandle(file) && done;
}
