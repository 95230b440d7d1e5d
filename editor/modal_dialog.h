// The program's dialogs, run over the main window.
#pragma once
#include <windows.h>

// Bytes: a dialog whose fields the program reads and writes as bytes. Unicode:
// its fields take Russian typed on any system code page (see editor/text_fields.h).
enum class DialogChars { Bytes, Unicode };

// Runs dialog `resource` and returns how it ended; a dialog that could not be
// made is reported through the error box and ends as -1.
INT_PTR RunModalDialog(int resource, DLGPROC procedure, DialogChars chars = DialogChars::Bytes,
                       LPARAM parameter = 0);
