// The view coding: which coding the editor's bytes are shown in.
#pragma once
#include "coding/coding_tables.h"

// Applies the current view coding's font settings to the whole text and leaves it selected.
void ApplyViewCoding();
// ApplyViewCoding without flicker, keeping the selection.
void RefreshViewCoding();
// View as ANSI, OEM or KOI8.
void ViewCodingCommand(Coding coding);
