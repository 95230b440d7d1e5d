// The open and save dialogs, sharing one record. They only ask for a name.
#pragma once
#include <windows.h>

// Start-up: the shared record and its filter list.
void InitializeFileDialogRecord();
// The open dialog over name, which holds PathCapacity + 1 characters; true when a name was chosen.
bool AskOpenName(wchar_t* name);
// The save dialog, starting from the name already in it; true when a name was chosen.
bool AskSaveName(wchar_t* name);
