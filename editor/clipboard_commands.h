// Cut, Copy, Paste, Delete and Select All of the Edit menu.
#pragma once

void CutCommand();
void CopyCommand();
void PasteCommand();
void DeleteCommand();
void SelectAllCommand();
