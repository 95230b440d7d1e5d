// The commands Find, Replace and Search Again.
#pragma once

// Find (Ctrl+F, F7): the dialog in find mode, then one step.
void FindTextCommand();
// Replace: the dialog in replace mode, then one step or, with "All", every occurrence.
void ReplaceCommand();
// Search Again (F3): the next step of the last search; in find mode, when it
// finds nothing (or there is no search yet), the Find dialog opens.
void SearchAgainCommand();
