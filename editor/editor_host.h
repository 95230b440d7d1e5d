// What the editor tells the shell, and the little it asks of it. app/ implements
// these, so the editor never reaches into the shell's headers.
#pragma once
#include <windows.h>

#include "coding/coding_tables.h"

// The main window: the editor's parent, the owner of its boxes, dialogs, menus and clipboard.
HWND HostWindow();
// The program's module, which registered the window classes.
HINSTANCE HostInstance();
// A key of the shell's accelerator table becomes the shell's command; true when it did.
bool HostTranslateAccelerator(const MSG& key);
// A new editor window in insert mode: the status panes are written afresh.
void HostEditorCreated();
// The caret may have moved: the line and column shown follow once the click is done.
void HostCaretMoved();
// A key was released: the line and column shown follow the caret now.
void HostShowCaretPosition();
// The user switched the keyboard layout.
void HostKeyboardLayoutChanged();
// Insert switched Editor.OverwriteMode.
void HostInsertModeChanged();
// A short note in the status bar, such as what a command did, until the caret moves.
void HostShowNote(const char* text);
// The view coding changed: its radio mark in the Coding menu and its status pane.
void HostShowViewCoding(Coding coding);
// The check mark of "&Word Wrap".
void HostMarkWordWrap(bool wrapped);
// A file was dropped on the editor: the save-changes question, then that file.
void HostOpenDroppedFile(const wchar_t* name);
