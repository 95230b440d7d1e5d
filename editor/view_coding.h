// The view coding: which coding the editor's bytes are shown in.
#pragma once
#include <windows.h>
#include <richedit.h>

#include "coding/coding_tables.h"

// The font settings of a coding as a character format for the whole text:
// size, effects, character set, face and the text colour, defaults where a value is missing.
CHARFORMATA ViewCodingFormat(Coding coding);
// Applies the current view coding's font settings to the whole text and leaves it selected.
void ApplyViewCoding();
// ApplyViewCoding without flicker, keeping the selection.
void RefreshViewCoding();
// View as ANSI, OEM, KOI8 or UTF-8.
void ViewCodingCommand(Coding coding);
