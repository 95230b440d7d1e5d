// The Find and Replace dialog: the search text (typed, from the history or in
// hexadecimal), the replacement and the options.
#pragma once

// Shows the dialog in the mode of SearchState.ReplaceMode. When it is accepted
// the search and replacement texts, the options and ReplaceAll are set, and a
// typed search text has entered the history; false when it was cancelled.
bool ShowFindReplaceDialog();
