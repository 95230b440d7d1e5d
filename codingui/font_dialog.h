// The Font menu's "&ANSI ...", "&OEM ..." and "&KOI8 ...": one view coding's
// face, character set, size and effects, edited with a live preview.
#pragma once
#include "coding/coding_tables.h"

// The coding need not be the one viewed; its settings are written at OK and the
// editor then shows whatever the current view coding's settings say.
void EditCodingFont(Coding coding);
