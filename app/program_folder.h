// Files that stand beside the program's own file.
#pragma once
#include <string>

// The path of a file of that name in the program's folder (wide, so a folder with any
// name works); empty when the program's own path cannot be had.
std::wstring PathBesideProgram(const wchar_t* name);
