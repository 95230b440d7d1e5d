// The program's message boxes: captioned with its name, owned by the main window.
// Texts are wide, so file names of any language show as they are.
#pragma once
#include <windows.h>
#include <string>

// The one box for failures of the system: the system's text for the last error
// (code 10 when none is pending). When the system has no text for the code, the
// box says in the program's own words what failed (`failed`, or a general phrase)
// and gives the number.
void ShowSystemError(const std::wstring& failed = std::wstring());
// The same for a known system error code.
void ShowSystemErrorCode(DWORD code, const std::wstring& failed = std::wstring());
// The text such a box shows for the code.
std::wstring SystemErrorText(DWORD code, const std::wstring& failed = std::wstring());
// A refusal or notice in the program's own words.
void ShowNotice(const std::wstring& text);
// A question with Yes and No, owned by the main window or the given window; true for Yes.
bool AskYesNo(const std::wstring& question, HWND owner = nullptr);
// A question with Yes, No and Cancel: IDYES, IDNO or IDCANCEL.
int AskYesNoCancel(const std::wstring& question);
