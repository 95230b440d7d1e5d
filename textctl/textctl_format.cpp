// Character format, colours and the coding the bytes are drawn in.
#include "textctl/textctl.h"
#include "textctl/textctl_internal.h"

#include <algorithm>
#include <new>

namespace {

constexpr DWORD SupportedMask = CFM_BOLD | CFM_ITALIC | CFM_SIZE | CFM_COLOR | CFM_FACE | CFM_CHARSET;

bool WholeTextSelected(const TextControl& c)
{
    return SelectionStart(c) == 0 && SelectionEnd(c) == c.text.Length();
}

void CopyEffect(DWORD mask, DWORD maskBit, DWORD effects, DWORD effectBit, DWORD* target)
{
    if (!(mask & maskBit)) return;
    *target = (*target & ~effectBit) | (effects & effectBit);
}

// Takes the masked fields of `from` as the format of the whole text.
void SetWholeFormat(TextControl& c, const CHARFORMATA& from)
{
    CHARFORMATA& to = c.format;
    DWORD mask = from.dwMask;
    CopyEffect(mask, CFM_BOLD, from.dwEffects, CFE_BOLD, &to.dwEffects);
    CopyEffect(mask, CFM_ITALIC, from.dwEffects, CFE_ITALIC, &to.dwEffects);
    if (mask & CFM_SIZE) to.yHeight = from.yHeight > 0 ? from.yHeight : to.yHeight;
    if (mask & CFM_CHARSET) to.bCharSet = from.bCharSet;
    if (mask & CFM_FACE) {
        lstrcpynA(to.szFaceName, from.szFaceName, LF_FACESIZE);
        to.bPitchAndFamily = from.bPitchAndFamily;
    }
    if (mask & CFM_COLOR) {
        CopyEffect(mask, CFM_COLOR, from.dwEffects, CFE_AUTOCOLOR, &to.dwEffects);
        to.crTextColor = from.crTextColor;
        c.colours.Clear();
    }
    // A new colour needs no new font, and must not move the view to the caret.
    if (mask & SupportedMask & ~CFM_COLOR)
        RebuildFont(c);
    else
        Repaint(c);
}

// Only the colour can differ within the text.
void SetSelectionColour(TextControl& c, const CHARFORMATA& from)
{
    if (!(from.dwMask & CFM_COLOR)) return;
    size_t start = SelectionStart(c), end = SelectionEnd(c);
    COLORREF colour = (from.dwEffects & CFE_AUTOCOLOR) ? TextColour(c) : from.crTextColor;
    c.colours.Set(start, end, colour);
    InvalidateRange(c, start, end);
}

LRESULT SetRangeColours(TextControl& c, const RangeColours* request)
{
    if (!request || (request->count && !request->ranges)) return FALSE;
    size_t length = c.text.Length();
    auto clip = [length](LONG pos) { return pos < 0 ? 0 : std::min(static_cast<size_t>(pos), length); };
    bool done = true;
    try {
        c.colours.Reserve(request->count);
        for (size_t i = 0; i < request->count; ++i) {
            const CHARRANGE& range = request->ranges[i];
            c.colours.Set(clip(range.cpMin), clip(range.cpMax), request->colour);
        }
    } catch (const std::bad_alloc&) {
        done = false;
    }
    Repaint(c);
    return done;
}

LRESULT SetCharFormat(TextControl& c, WPARAM scope, const CHARFORMATA* format)
{
    if (!format || format->cbSize < sizeof(CHARFORMATA)) return 0;
    bool selectionOnly = (scope & SCF_SELECTION) && !(scope & SCF_ALL) && !WholeTextSelected(c);
    if (selectionOnly)
        SetSelectionColour(c, *format);
    else
        SetWholeFormat(c, *format);
    return 1;
}

LRESULT GetCharFormat(const TextControl& c, WPARAM scope, CHARFORMATA* format)
{
    if (!format || format->cbSize < sizeof(CHARFORMATA)) return 0;
    *format = c.format;
    format->cbSize = sizeof(CHARFORMATA);
    format->dwMask = SupportedMask;
    if (scope & SCF_SELECTION) {
        size_t start = SelectionStart(c);
        const auto& runs = c.colours.runs();
        size_t i = c.colours.FirstEndingAfter(start);
        if (i < runs.size() && runs[i].start <= start) {
            format->crTextColor = runs[i].colour;
            format->dwEffects &= ~CFE_AUTOCOLOR;
        }
    }
    return format->dwMask;
}

LRESULT SetBackground(TextControl& c, WPARAM useSystem, LPARAM colour)
{
    COLORREF previous = BackgroundColour(c);
    c.systemBackground = useSystem != 0;
    c.background = static_cast<COLORREF>(colour);
    Repaint(c);
    return static_cast<LRESULT>(previous);
}

LRESULT SetViewCoding(TextControl& c, WPARAM coding)
{
    LRESULT previous = c.viewCoding;
    if (coding > static_cast<WPARAM>(CodingUtf8) || !IsViewCoding(static_cast<int>(coding))) return previous;
    c.viewCoding = static_cast<Coding>(coding);
    RebuildFont(c);
    return previous;
}

}   // namespace

bool CharFormatMessage(TextControl& c, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    switch (message) {
    case EM_SETCHARFORMAT:
        *result = SetCharFormat(c, wParam, reinterpret_cast<const CHARFORMATA*>(lParam));
        return true;
    case EM_GETCHARFORMAT:
        *result = GetCharFormat(c, wParam, reinterpret_cast<CHARFORMATA*>(lParam));
        return true;
    case TCM_SETRANGECOLOURS:
        *result = SetRangeColours(c, reinterpret_cast<const RangeColours*>(lParam));
        return true;
    case EM_SETBKGNDCOLOR:
        *result = SetBackground(c, wParam, lParam);
        return true;
    case TCM_SETVIEWCODING:
        *result = SetViewCoding(c, wParam);
        return true;
    case TCM_GETVIEWCODING:
        *result = c.viewCoding;
        return true;
    case WM_GETFONT:
        *result = reinterpret_cast<LRESULT>(c.font);
        return true;
    }
    return false;
}
