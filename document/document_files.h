// Loading a file as the document, and inserting one into it.
#pragma once

enum class LoadResult {
    Loaded,
    Refused,   // with a notice: a name too long to keep, a file too large to hold, a read that failed
    Missing,   // silently: the file could not be opened (gone, or not readable)
};

// Replaces the text with the file's bytes and takes its name, with the caret
// the recent-files list keeps for it.
LoadResult LoadDocument(const wchar_t* name);
// What Editor.TextLimit is half of, in the words of that refusal; set at start-up.
void SetTextLimitBasis(const wchar_t* basis);
// Streams a file in over the selection as one undo step; silent when it cannot be read.
void InsertFileContents(const wchar_t* name);
