#include "search/occurrences.h"

#include <cstring>

#include "editor/editor_calls.h"
#include "search/backward_find.h"
#include "search/search_state.h"

namespace {

WPARAM CaseFlag()
{
    return SearchOptions.MatchCase ? FR_MATCHCASE : 0;
}

WPARAM FindFlags()
{
    return (SearchOptions.WholeWord ? FR_WHOLEWORD : 0) | CaseFlag();
}

}   // namespace

LONG StepBound(const CHARRANGE& selection)
{
    const LONG position = SearchState.SearchPosition;
    if (SearchOptions.EntireScope) return position;
    if (SearchOptions.Backward) return position < 0 || selection.cpMin < position ? selection.cpMin : position;
    return selection.cpMin > position ? selection.cpMin : position;
}

LONG NextOccurrence(LONG start)
{
    return FindEditorText(SearchState.SearchText, start, EditorTextLength(), FindFlags());
}

LONG LastOccurrence(LONG end)
{
    LONG textLength = EditorTextLength();
    if (end < 0 || end > textLength) end = textLength;
    const WPARAM flags = FindFlags();
    auto find = [flags](int64_t from, int64_t to) {
        return static_cast<int64_t>(
            FindEditorText(SearchState.SearchText, static_cast<LONG>(from), static_cast<LONG>(to), flags));
    };
    return static_cast<LONG>(FindLastBefore(end, std::strlen(SearchState.SearchText), find));
}

bool OccursAt(LONG at)
{
    const LONG end = at + static_cast<LONG>(std::strlen(SearchState.SearchText));
    return at >= 0 && FindEditorText(SearchState.SearchText, at, end, CaseFlag()) == at;
}
