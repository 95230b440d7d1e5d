// Character and word moves and search over the control's bytes, by the portable core.
#include <algorithm>
#include <cstring>

#include "textctl/textctl_internal.h"
#include "textctl/word_break.h"
// The common dialogs' FindText macro would rename the core's function.
#undef FindText
#include "textctl/find_text.h"

namespace {

size_t ClampedPosition(const TextControl& c, LPARAM pos)
{
    if (pos < 0) return 0;
    return std::min(static_cast<size_t>(pos), c.text.Length());
}

LRESULT FindWordBreak(const TextControl& c, WPARAM code, LPARAM pos)
{
    size_t at = ClampedPosition(c, pos);
    switch (code) {
    case WB_LEFT:
    case WB_LEFTBREAK:
    case WB_MOVEWORDLEFT:
        return static_cast<LRESULT>(WordLeft(c, at));
    case WB_RIGHT:
    case WB_RIGHTBREAK:
    case WB_MOVEWORDRIGHT:
        return static_cast<LRESULT>(WordRight(c, at));
    case WB_ISDELIMITER:
        return at < c.text.Length() && !IsWordByte(c.text.At(at));
    }
    return 0;
}

LRESULT StepFrom(const TextControl& c, size_t at, LPARAM step)
{
    if (step < 0) return static_cast<LRESULT>(CharStop(c, CharLeft(c, at)));
    return static_cast<LRESULT>(step > 0 ? CharRight(c, at) : CharStop(c, at));
}

LRESULT Find(const TextControl& c, WPARAM flags, const FINDTEXTA* find, CHARRANGE* found)
{
    if (!find || !find->lpstrText) return -1;
    unsigned findFlags = 0;
    if (flags & FR_MATCHCASE) findFlags |= FindMatchCase;
    if (flags & FR_WHOLEWORD) findFlags |= FindWholeWord;
    size_t length = std::strlen(find->lpstrText);
    size_t min = ClampedPosition(c, find->chrg.cpMin);
    int64_t at = FindText(c.text, min, find->chrg.cpMax, reinterpret_cast<const uint8_t*>(find->lpstrText), length,
                          findFlags, c.viewCoding);
    if (found && at >= 0) {
        found->cpMin = static_cast<LONG>(at);
        found->cpMax = static_cast<LONG>(at + static_cast<int64_t>(length));
    }
    return static_cast<LRESULT>(at);
}

}   // namespace

size_t WordLeft(const TextControl& c, size_t pos)
{
    return WordLeft(c.text, pos);
}
size_t WordRight(const TextControl& c, size_t pos)
{
    return WordRight(c.text, pos);
}

bool WordMessage(TextControl& c, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    switch (message) {
    case EM_FINDWORDBREAK:
        *result = FindWordBreak(c, wParam, lParam);
        return true;
    case TCM_CHARSTOP:
        *result = StepFrom(c, ClampedPosition(c, static_cast<LPARAM>(wParam)), lParam);
        return true;
    case EM_FINDTEXT:
        *result = Find(c, wParam, reinterpret_cast<const FINDTEXTA*>(lParam), nullptr);
        return true;
    case EM_FINDTEXTEX: {
        auto* find = reinterpret_cast<FINDTEXTEXA*>(lParam);
        *result = find ? Find(c, wParam, reinterpret_cast<const FINDTEXTA*>(find), &find->chrgText) : -1;
        return true;
    }
    }
    return false;
}
