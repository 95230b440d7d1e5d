#include "tools/html_colours.h"

#include <windows.h>
#include <new>
#include <vector>

#include "editor/editor_calls.h"
#include "editor/wait_cursor.h"
#include "settings/settings.h"
#include "tools/html_tags.h"

namespace {

// The tags of the text as ranges of the editor, counted first so the list takes
// exactly the memory it needs; false when that memory is not there.
bool FindTags(const char* text, size_t length, std::vector<CHARRANGE>& tags)
{
    size_t count = 0, start = 0, end = 0;
    for (size_t from = 0; NextHtmlTag(text, length, from, &start, &end); from = end) ++count;
    try {
        tags.reserve(count);
    } catch (const std::bad_alloc&) {
        return false;
    }
    for (size_t from = 0; NextHtmlTag(text, length, from, &start, &end); from = end)
        tags.push_back({static_cast<LONG>(start), static_cast<LONG>(end)});
    return true;
}

}   // namespace

void RefreshHtmlColors()
{
    LONG length = EditorTextLength();
    if (length < 2) return;
    WaitCursor wait;
    auto* text = static_cast<char*>(GlobalAlloc(GPTR, static_cast<SIZE_T>(length) + 1));
    if (!text) return;
    std::vector<CHARRANGE> tags;
    bool found = FindTags(text, static_cast<size_t>(ReadEditorRange(0, length, text)), tags);
    GlobalFree(text);
    if (!found) return;
    // Only colours change: the selection and the view are never moved, so only
    // the modify flag is kept by hand.
    SetEditorRedraw(false);
    bool modified = EditorModified();
    SetEditorTextColour(RGB(0, 0, 0));
    ColourEditorRanges(tags.data(), tags.size(), ReadSettingNumber(SettingName::HtmlColour));
    SetEditorModified(modified);
    SetEditorRedraw(true);
}
