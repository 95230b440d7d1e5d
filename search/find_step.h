// One step of a search over the document, and the replacement of what it found.
#pragma once

// Finds the next occurrence of the search text from the search position,
// forward or (with the option "I'll be back") backward, and selects it; in
// replace mode it then replaces it, asking first when Prompt is on. True when
// an occurrence was found, whatever the answer; false when the search text is
// empty, nothing was found (the search position is then -1) or the text has no room for the replacement.
bool FindStep();
// Replaces the selection by the replacement text; forward, the next step starts after it.
// When the text limit leaves no room for it, says so, ends a replace-all run and returns false.
bool ReplaceSelection();
