// Cut, Copy, Paste, Delete and Select All of the Edit menu.
#pragma once
#include <windows.h>

void CutCommand();
void CopyCommand();
// Puts bytes of the view coding on the clipboard as Copy puts the selection.
void CopyBytes(const char* bytes, LONG length);
void PasteCommand();
void DeleteCommand();
void SelectAllCommand();
