// The Coding dialog: converts the selection, or the whole text, from any of
// the five codings or UTF-8 into any other.
#pragma once

// "Other ...": the dialog, with the editor's selection kept visible while it is open.
void CodingDialogCommand();
