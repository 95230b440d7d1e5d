// The program's message boxes: captioned with its name, owned by the main window.
#pragma once
#include <windows.h>

// The one box for failures of the system: the system's text for the last error
// (code 10 when none is pending).
void ShowSystemError();
// The same for a known system error code.
void ShowSystemErrorCode(DWORD code);
// A question with Yes and No, owned by the main window or the given window; true for Yes.
bool AskYesNo(const char* question, HWND owner = nullptr);
// A question with Yes, No and Cancel: IDYES, IDNO or IDCANCEL.
int AskYesNoCancel(const char* question);
