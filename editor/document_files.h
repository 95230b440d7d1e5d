// Reading and writing document files, the file commands and the save-changes question.
#pragma once

bool LoadDocument(const char* name);
bool SaveDocument();
// Command 20. False only when a name was chosen and writing the file failed.
bool SaveDocumentAs();
// Command 12. False when the file was not written, except when Save As was cancelled.
bool SaveCommand();
void OpenDocument();   // Open: the save-changes question, then the open dialog
void InsertFile();     // command 37
// Streams a file in over the selection as one undo step; silent when it cannot be read.
void InsertFileContents(const char* name);
void NewDocument();   // command 8
// False when the user cancelled and the pending action must not happen.
bool ConfirmDiscard();
void UpdateWindowTitle();
// Start-up: the shared file dialog record and its filter list.
void InitializeFileDialogRecord();
