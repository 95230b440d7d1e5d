// The File commands that put another document in place of this one, and the
// document's start. Each asks the save-changes question first.
#pragma once

// Start-up: an untitled document, the file dialogs' record and the window title.
void StartDocument();
// New: an empty untitled document.
void NewDocument();
// Open: the open dialog, then the chosen file.
void OpenDocument();
// A file named from outside (dropped on the editor).
void OpenNamedDocument(const wchar_t* name);
// Insert: the open dialog, then the file over the selection (no question).
void InsertFile();
