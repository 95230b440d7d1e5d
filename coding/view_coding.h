// The view coding: which coding the editor's bytes are shown in.
#pragma once

// Applies the current view coding's font settings to the whole text and leaves it selected.
void ApplyViewCoding();
// ApplyViewCoding without flicker, keeping the selection.
void RefreshViewCoding();
// Commands 1 to 3: view as ANSI, OEM or KOI8.
void ViewCodingCommand(int command);
