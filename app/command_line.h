// The program's command line: an optional print switch, then one file name.
#pragma once
#include <string>

struct CommandLineRequest {
    bool print = false;      // "/p" or any word starting with it ("/print", "/P")
    std::wstring fileName;   // as written, not yet made absolute; empty when none
};

// The whole line, the program's own name first; wide, so a name in any language survives.
CommandLineRequest ParseCommandLine(const wchar_t* line);
