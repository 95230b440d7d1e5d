// Loading, inserting and the New and Save commands of the document.
#pragma once

// Replaces the text with the file's bytes and takes its name; false when it was not
// loaded. A name too long to keep or a file too large to hold is refused with a notice;
// a file that cannot be opened silently.
bool LoadDocument(const wchar_t* name);
// Streams a file in over the selection as one undo step; silent when it cannot be read.
void InsertFileContents(const wchar_t* name);
// Save: Save As while untitled. False when the file was not written, except when Save As was cancelled.
bool SaveCommand();
// New: the save-changes question, then an empty untitled document.
void NewDocument();
