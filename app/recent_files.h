// The recent-files list, kept only in the settings store: "LIST" gives the
// order of the slots, each slot its path ("3F", wide) and the caret last used
// in that file ("3FC"). Nothing is held in memory.
#pragma once
#include <windows.h>
#include <string>

// Enters a file at the head of the list. Only files on fixed drives without "$" in the name.
void RecordRecentFile(const wchar_t* name);
// The caret stored for a file of the list; -1 when the list keeps none.
LONG RecentCaret(const wchar_t* name);
// Stores the caret in the slot that holds the file, when one does.
void RememberRecentCaret(const wchar_t* name, LONG caret);
// The label ("&2 Readme.txt") and path of menu position 0 to 9; an empty label when it shows nothing.
std::wstring RecentItemLabel(int position, std::wstring& path);
// Commands 900 to 909: the save-changes question, then the document loads the file again
// (with its caret). A file that can no longer be opened leaves its slot empty.
void OpenRecentFile(int position);
// The items are measured afresh the next time the menu opens.
void RefreshRecentMenu();
