// What the last search set up, and the dialog's options. Both live for the
// whole run and are never stored; only the history is (search_history.h).
#pragma once
#include <windows.h>

#include "search/search_text.h"

struct SearchStateRecord {
    // Already in the bytes of the view coding (or as given in hexadecimal); empty: no search yet.
    char SearchText[SearchTextBytes + 1];
    char ReplacementText[SearchTextBytes + 1];   // may be empty: occurrences are deleted
    LONG SearchPosition;                         // where the next step starts; -1 after a failed step
    bool ReplaceMode;                            // opened by Replace; Search Again keeps it
    bool ReplaceAll;                             // "All" in the dialog or the prompt; the prompt's Cancel clears it
};

struct SearchOptionsRecord {
    bool WholeWord;
    bool MatchCase;
    bool EntireScope;
    bool Backward;
    bool Prompt;
};

extern SearchStateRecord SearchState;
extern SearchOptionsRecord SearchOptions;
