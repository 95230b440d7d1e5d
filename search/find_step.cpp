#include "search/find_step.h"

#include <cstring>

#include "editor/editor_calls.h"
#include "search/occurrences.h"
#include "search/replace_prompt.h"
#include "search/search_state.h"

namespace {

// Forward: from the search position, or from the caret when it has moved on
// past it; never back over text already passed.
LONG FindForward(const CHARRANGE& selection)
{
    LONG start = SearchState.SearchPosition;
    if (!SearchOptions.EntireScope && selection.cpMin > start) start = selection.cpMin;
    return NextOccurrence(start);
}

// Backward: the last occurrence that ends by the search position (or by the
// caret when it stands before it). After a failed step (-1) the search starts
// again from the caret, or with entire scope from the end of the text.
LONG FindBackward(const CHARRANGE& selection)
{
    LONG& end = SearchState.SearchPosition;
    if (!SearchOptions.EntireScope && (end < 0 || selection.cpMin < end)) end = selection.cpMin;
    return LastOccurrence(end);
}

// What the prompt's answer does with the selected occurrence.
void AnswerPrompt(LONG length)
{
    switch (AskReplace()) {
    case ReplaceYes:
        ReplaceSelection();
        break;
    case ReplaceRest:
        SearchOptions.Prompt = false;
        SearchState.ReplaceAll = true;
        ReplaceSelection();
        break;
    case ReplaceStop:
        SearchState.ReplaceAll = false;
        break;
    default:   // "No", Esc or the close box: skip this one
        if (!SearchOptions.Backward) SearchState.SearchPosition += length;
        break;
    }
}

}   // namespace

bool FindStep()
{
    const size_t length = std::strlen(SearchState.SearchText);
    if (length == 0) return false;
    const CHARRANGE selection = EditorSelection();
    LONG found = SearchOptions.Backward ? FindBackward(selection) : FindForward(selection);
    SearchState.SearchPosition = found;
    if (found < 0) return false;
    const LONG size = static_cast<LONG>(length);
    SelectEditorRange(found, found + size);
    if (!SearchState.ReplaceMode) {
        if (!SearchOptions.Backward) SearchState.SearchPosition += size;
    } else if (SearchOptions.Prompt) {
        AnswerPrompt(size);
    } else {
        ReplaceSelection();
    }
    return true;
}

void ReplaceSelection()
{
    ReplaceEditorSelection(SearchState.ReplacementText, true);
    if (!SearchOptions.Backward)
        SearchState.SearchPosition += static_cast<LONG>(std::strlen(SearchState.ReplacementText));
}
