// Files that stand beside the program's own file.
#pragma once
#include <windows.h>

// The path of a file of that name in the program's folder; false when it would not fit.
bool PathBesideProgram(const char* name, char (&path)[MAX_PATH + 1]);
