// The recent-files list kept in the settings store.
#pragma once

// Enters a file at the head of the list; with restoreCaret, moves the caret to
// the position stored for it.
void RecordRecentFile(const char* name, bool restoreCaret);
