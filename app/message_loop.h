// The program's one message loop.
#pragma once
#include <windows.h>

// Translates and dispatches one message retrieved with GetMessageW or PeekMessageW.
// A typed character bound for a byte window arrives as its Windows-1251 byte,
// never through the system's own code page.
void DispatchProgramMessage(const MSG& message);
// One turn of the loop: dispatch, then the toolbar's idle update once the queue has drained.
void ProcessProgramMessage(const MSG& message);
// Runs until the quit message and returns its exit code.
int RunMessageLoop();
