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
#include "textctl/word_break.h"

namespace {

// With whole words a step after a replacement judges an occurrence right beside
// it by the replacement's edge (forward its last byte, backward its first), not
// by the replaced text. An empty replacement leaves the byte that bordered the
// occurrence, no word byte, or the occurrence would not have been whole.
bool EdgeIsWord(const std::string& replacement)
{
    if (replacement.empty()) return false;
    return IsWordByte(static_cast<uint8_t>(SearchOptions.Backward ? replacement.front() : replacement.back()));
}

bool WordByteAt(LONG position)
{
    const int byte = position >= 0 ? EditorByteAt(position) : -1;
    return byte >= 0 && IsWordByte(static_cast<uint8_t>(byte));
}

// The next occurrence a forward step finds once the one ending at `position` is replaced.
LONG NextAfterReplaced(LONG position, LONG length, bool edgeIsWord)
{
    if (!SearchOptions.WholeWord) return NextOccurrence(position);
    if (OccursAt(position) && !edgeIsWord && !WordByteAt(position + length)) return position;
    return NextOccurrence(position + 1);
}

// The next occurrence a backward step finds once the one starting at `position` is replaced.
LONG LastBeforeReplaced(LONG position, LONG length, bool edgeIsWord)
{
    if (!SearchOptions.WholeWord) return LastOccurrence(position);
    const LONG beside = position - length;
    if (OccursAt(beside) && !edgeIsWord && !WordByteAt(beside - 1)) return beside;
    return position > length ? LastOccurrence(position - 1) : -1;   // an end of -1 is the end of the text
}

// Where the steps would find their occurrences, in the text as it stands now:
// a step only searches text the replacements before it have not touched.
std::vector<int64_t> CollectOccurrences(LONG length, const std::string& replacement)
{
    std::vector<int64_t> found;
    const LONG position = StepBound(EditorSelection());
    const bool edgeIsWord = EdgeIsWord(replacement);
    if (SearchOptions.Backward) {
        for (LONG at = LastOccurrence(position); at >= 0; at = LastBeforeReplaced(at, length, edgeIsWord))
            found.push_back(at);
        std::reverse(found.begin(), found.end());
    } else {
        for (LONG at = NextOccurrence(position); at >= 0; at = NextAfterReplaced(at + length, length, edgeIsWord))
            found.push_back(at);
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
    const LONG length = static_cast<LONG>(std::strlen(SearchState.SearchText));
    try {
        const std::vector<int64_t> found = CollectOccurrences(length, SearchState.ReplacementText);
        if (!found.empty() && !ReplaceCollected(found, length, SearchState.ReplacementText)) return false;
    } catch (const std::bad_alloc&) {
        return false;
    }
    SearchState.SearchPosition = -1;   // as after the step that found nothing more
    return true;
}
