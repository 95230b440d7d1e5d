#include "search/replace_rest.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "editor/editor_calls.h"
#include "editor/message_box.h"
#include "search/occurrences.h"
#include "search/replace_span.h"
#include "search/search_state.h"

namespace {

// Where the steps would find their occurrences, in the text as it stands now:
// a step only searches text the replacements before it have not touched.
std::vector<int64_t> CollectOccurrences(LONG length)
{
    std::vector<int64_t> found;
    LONG position = StepBound(EditorSelection());
    if (SearchOptions.Backward) {
        for (LONG at; (at = LastOccurrence(position)) >= 0; position = at) found.push_back(at);
        std::reverse(found.begin(), found.end());
    } else {
        for (LONG at; (at = NextOccurrence(position)) >= 0; position = at + length) found.push_back(at);
    }
    return found;
}

bool ReplaceCollected(const std::vector<int64_t>& found, LONG length, const std::string& replacement)
{
    const int64_t growth = static_cast<int64_t>(found.size()) * (static_cast<int64_t>(replacement.size()) - length);
    if (EditorTextLength() + growth > static_cast<int64_t>(Editor.TextLimit)) return false;
    const LONG first = static_cast<LONG>(found.front());
    const LONG end = static_cast<LONG>(found.back()) + length;
    std::string span(static_cast<size_t>(end - first) + 1, '\0');
    span.resize(static_cast<size_t>(ReadEditorRange(first, end, &span[0])));
    const std::string result = ReplaceInSpan(span, first, found, static_cast<size_t>(length), replacement);
    const LONG expected = static_cast<LONG>(EditorTextLength() + growth);
    SelectEditorRange(first, end);
    ReplaceEditorSelectionBytes(result.data(), static_cast<DWORD>(result.size()));
    if (EditorTextLength() != expected) ShowSystemError();   // the control ran out of memory: Undo brings it back
    // Backward, the last step replaced the first occurrence and left the caret after it.
    if (SearchOptions.Backward) {
        const LONG caret = first + static_cast<LONG>(replacement.size());
        SelectEditorRange(caret, caret);
    }
    return true;
}

}   // namespace

bool ReplaceRestAtOnce()
{
    if (SearchOptions.WholeWord) return false;
    const LONG length = static_cast<LONG>(std::strlen(SearchState.SearchText));
    try {
        const std::vector<int64_t> found = CollectOccurrences(length);
        if (!found.empty() && !ReplaceCollected(found, length, SearchState.ReplacementText)) return false;
    } catch (const std::bad_alloc&) {
        return false;
    }
    SearchState.SearchPosition = -1;   // as after the step that found nothing more
    return true;
}
