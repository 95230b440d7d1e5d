// Every CommandId of the program and the procedure that carries it out.
#pragma once
#include <windows.h>

// False for a number that is not a command of the program.
bool ExecuteCommand(HWND window, WORD command);
