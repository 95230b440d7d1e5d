// Runs this benchmark program again with one argument, so that a part's memory peak is its own.
#pragma once
#include <windows.h>
#include <cstdio>
#include <string>

// True when the run started and ended with exit code 0; says so when it could not start.
inline bool RunSelfWith(const std::string& argument)
{
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string line = "\"" + std::string(self) + "\" " + argument;
    STARTUPINFOA start = {};
    start.cb = sizeof start;
    PROCESS_INFORMATION process;
    std::fflush(stdout);
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &start, &process)) {
        std::printf("%s: could not be started\n", line.c_str());
        return false;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code == 0;
}
