// The four-pane status bar along the bottom edge: caret, keyboard layout, view
// coding and insert mode. Every call does nothing while there is no status bar.
#pragma once

void CreateStatusBar();
void DestroyStatusBar();
// Column and line of the selection start; nothing is written while the selection is unchanged.
void ShowCaretPosition();
// The next ShowCaretPosition writes the pane even when the selection is unchanged.
void ForgetCaretPosition();
// A note in the caret's pane, widened to hold it, until the caret moves.
void ShowStatusNote(const char* text);
void ShowKeyboardPane();
void ShowCodingPane();
void ShowInsertModePane();
