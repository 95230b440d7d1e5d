// Short helpers over the editor's messages, shared by the edit operations.
#pragma once
#include <windows.h>
#include <richedit.h>

LRESULT SendEditor(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
LONG EditorTextLength();
CHARRANGE EditorSelection();
void SelectEditorRange(LONG start, LONG end);
// Copies start..end (clipped to the text) into buffer, which holds end - start + 1
// bytes; returns the number of bytes read.
LONG ReadEditorRange(LONG start, LONG end, char* buffer);
// The byte at position, or -1 past the end of the text.
int EditorByteAt(LONG position);
void ReplaceEditorSelection(const char* text);
// The same for bytes that may hold zeros: exactly count bytes replace the selection.
void ReplaceEditorSelectionBytes(const char* bytes, DWORD count);
