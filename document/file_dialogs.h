// The open and save dialogs, sharing one record, and the commands that show them.
#pragma once

// Start-up: the shared file dialog record and its filter list.
void InitializeFileDialogRecord();
// Open: the save-changes question, then the open dialog.
void OpenDocument();
// Insert: the open dialog, then the file over the selection.
void InsertFile();
// Save As. False only when a name was chosen and writing the file failed.
bool SaveDocumentAs();
