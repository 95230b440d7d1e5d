// The program started as the user starts it, for the benchmarks that drive its commands.
#pragma once
#include <windows.h>
#include <cstdio>

#include "app/startup.h"
#include "editor/editor_state.h"

// False, after saying so, when the main window or its editor did not come up.
inline bool StartProgram(int showCommand = SW_SHOW)
{
    if (StartApplication(GetModuleHandleA(nullptr), L"verko", showCommand) && Editor.Window) return true;
    std::puts("the program did not start");
    return false;
}
