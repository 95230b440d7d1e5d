#include "app/program_folder.h"
#include <cstring>

bool PathBesideProgram(const char* name, char (&path)[MAX_PATH + 1])
{
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    if (length == 0 || length >= sizeof path) return false;
    char* folderEnd = std::strrchr(path, '\\');
    char* nameStart = folderEnd ? folderEnd + 1 : path;
    if (static_cast<size_t>(nameStart - path) + std::strlen(name) >= sizeof path) return false;
    std::strcpy(nameStart, name);
    return true;
}
