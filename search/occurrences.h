// Where the search text occurs in the document, by the text control's own
// find (its case folding and word rules), with the options of the dialog.
#pragma once
#include <windows.h>

// The first occurrence from `start` on that lies wholly in the text, or -1.
LONG NextOccurrence(LONG start);
// The last occurrence that lies wholly before `end` (-1 or past the text: its end), or -1.
LONG LastOccurrence(LONG end);
