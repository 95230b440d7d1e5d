#include "app/program_folder.h"
#include <windows.h>

namespace {

constexpr DWORD LongestPath = 32768;   // in characters, with the \\?\ form

}

std::wstring PathBesideProgram(const wchar_t* name)
{
    std::wstring path(LongestPath, L'\0');
    DWORD length = GetModuleFileNameW(nullptr, &path[0], LongestPath);
    if (length == 0 || length >= LongestPath) return {};
    path.resize(length);
    path.resize(path.find_last_of(L'\\') + 1);   // npos + 1 leaves no folder at all
    return path + name;
}
