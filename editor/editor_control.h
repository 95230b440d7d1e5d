// The document window: its creation, and the Word Wrap command that re-creates it.
#pragma once
#include <windows.h>

// Creates and configures the editor; leaves Editor.Window null when that fails.
void CreateEditor();
// Word Wrap: re-creates the editor with the other wrapping style, keeping text, selection and modify flag.
void ToggleWordWrap();
