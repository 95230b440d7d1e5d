#include "search/find_step.h"

#include <cstring>

#include "editor/editor_calls.h"
#include "editor/message_box.h"
#include "search/occurrences.h"
#include "search/replace_prompt.h"
#include "search/search_state.h"

namespace {

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
    const LONG bound = StepBound(EditorSelection());
    LONG found = SearchOptions.Backward ? LastOccurrence(bound) : NextOccurrence(bound);
    SearchState.SearchPosition = found;
    if (found < 0) return false;
    const LONG size = static_cast<LONG>(length);
    SelectEditorRange(found, found + size);
    if (!SearchState.ReplaceMode) {
        if (!SearchOptions.Backward) SearchState.SearchPosition += size;
    } else if (SearchOptions.Prompt) {
        AnswerPrompt(size);
    } else {
        return ReplaceSelection();
    }
    return true;
}

bool ReplaceSelection()
{
    const size_t length = std::strlen(SearchState.ReplacementText);
    // The control would refuse it, and a run would go on as if it had been made.
    if (!EditorHasRoomFor(length)) {
        SearchState.ReplaceAll = false;
        ShowNotice(L"The text is as long as VERKO can hold: this replacement is not made, and replacing stops here.");
        return false;
    }
    ReplaceEditorSelection(SearchState.ReplacementText, true);
    if (!SearchOptions.Backward) SearchState.SearchPosition += static_cast<LONG>(length);
    return true;
}
