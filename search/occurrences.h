// Where the search text occurs in the document, by the text control's own
// find (its case folding and word rules), with the options of the dialog.
#pragma once
#include <windows.h>
#include <richedit.h>

// Where the next step searches from (forward) or up to (backward): the search
// position, or without entire scope the caret where it has moved on past it
// (forward: never back over text already passed) or stands before it. After a
// failed step (-1) the caret, or with entire scope the far end of the text.
LONG StepBound(const CHARRANGE& selection);
// The first occurrence from `start` on that lies wholly in the text, or -1.
LONG NextOccurrence(LONG start);
// The last occurrence that lies wholly before `end` (-1 or past the text: its end), or -1.
LONG LastOccurrence(LONG end);
// Whether the search text stands at `at` by the case rule alone, whatever its neighbours.
bool OccursAt(LONG at);
