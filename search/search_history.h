// The search history: the last ten texts typed in the search field, kept in
// the settings values "0" (newest) to "9" as typed, in Windows-1251; and the
// search texts a file manager keeps in its INI file, offered beside them.
#pragma once
#include <windows.h>
#include <string>

// Fills the search field's list: the history, newest first, then the INI file's texts.
void FillSearchList(HWND combo);
// Puts a typed search text at the head of the history.
void RememberSearchText(const std::string& text);
