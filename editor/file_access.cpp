#include "editor/file_access.h"

namespace {

constexpr DWORD CopyChunk = 64 * 1024;

std::wstring ShortForm(const wchar_t* name)
{
    wchar_t shortName[MAX_PATH];
    DWORD length = GetShortPathNameW(name, shortName, MAX_PATH);
    return length == 0 || length >= MAX_PATH ? std::wstring(name) : std::wstring(shortName, length);
}

}   // namespace

HANDLE OpenFileForReading(const wchar_t* name)
{
    return CreateFileW(name, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                       FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
}

HANDLE OpenFileForWriting(const wchar_t* name, DWORD disposition, SECURITY_ATTRIBUTES* security)
{
    return CreateFileW(name, GENERIC_WRITE, 0, security, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool FileSize(HANDLE file, uint64_t& size)
{
    LARGE_INTEGER bytes;
    if (!GetFileSizeEx(file, &bytes)) return false;
    size = static_cast<uint64_t>(bytes.QuadPart);
    return true;
}

DWORD ReadFromFile(HANDLE file, void* buffer, DWORD wanted, DWORD& got)
{
    got = 0;
    return ReadFile(file, buffer, wanted, &got, nullptr) ? 0 : GetLastError();
}

DWORD WriteToFile(HANDLE file, const void* bytes, DWORD count)
{
    DWORD written = 0;
    if (!WriteFile(file, bytes, count, &written, nullptr)) return GetLastError();
    return written == count ? 0 : ERROR_DISK_FULL;
}

DWORD FinishWriting(HANDLE file)
{
    DWORD error = FlushFileBuffers(file) ? 0 : GetLastError();
    if (!CloseHandle(file) && !error) error = GetLastError();
    return error;
}

DWORD CopyFileContents(HANDLE from, HANDLE to)
{
    auto* buffer = static_cast<BYTE*>(GlobalAlloc(GMEM_FIXED, CopyChunk));
    if (!buffer) return ERROR_NOT_ENOUGH_MEMORY;
    DWORD error = 0, got = 0;
    while (!error && !(error = ReadFromFile(from, buffer, CopyChunk, got)) && got) error = WriteToFile(to, buffer, got);
    GlobalFree(buffer);
    return error;
}

std::wstring FoundFileName(const wchar_t* name)
{
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(name, &found);
    if (search == INVALID_HANDLE_VALUE) return std::wstring();
    FindClose(search);
    return found.cFileName;
}

bool SameFileName(const wchar_t* first, const wchar_t* second)
{
    return lstrcmpiW(ShortForm(first).c_str(), ShortForm(second).c_str()) == 0;
}
