// What the document asks of the shell, which implements these calls (app/):
// the recent-files list and the caret it keeps for each file.
#pragma once
#include <windows.h>

// A document was loaded or saved under a new name: the head of the recent-files list.
void HostRecordRecentFile(const wchar_t* name);
// The caret the recent-files list keeps for the file; -1 when it keeps none.
LONG HostRememberedCaret(const wchar_t* name);
// The document's file is being left with the caret there: the recent-files list keeps it.
void HostRememberCaret(const wchar_t* name, LONG caret);
