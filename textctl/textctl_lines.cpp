// Line messages: line numbers, starts and lengths of lines.
#include <algorithm>

#include "textctl/textctl_internal.h"

namespace {

size_t ClampedLine(const TextControl& c, LPARAM pos)
{
    if (pos < 0) return c.text.LineFromPos(SelectionStart(c));
    return c.text.LineFromPos(std::min(static_cast<size_t>(pos), c.text.Length()));
}

LRESULT LineIndex(const TextControl& c, WPARAM line)
{
    if (static_cast<LONG>(line) < 0) return static_cast<LRESULT>(c.text.LineStart(c.text.LineFromPos(c.caret)));
    if (line >= c.text.LineCount()) return -1;
    return static_cast<LRESULT>(c.text.LineStart(line));
}

// EM_GETLINE: the first WORD of the buffer holds its size; no zero is added.
LRESULT GetLine(const TextControl& c, WPARAM line, char* buffer)
{
    if (!buffer || line >= c.text.LineCount()) return 0;
    size_t capacity = *reinterpret_cast<const WORD*>(buffer);
    size_t count = std::min(capacity, c.text.LineLength(line));
    return static_cast<LRESULT>(c.text.CopyOut(c.text.LineStart(line), count, reinterpret_cast<uint8_t*>(buffer)));
}

}   // namespace

bool LineMessage(TextControl& c, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    switch (message) {
    case EM_EXLINEFROMCHAR:
        *result = static_cast<LRESULT>(ClampedLine(c, lParam));
        return true;
    case EM_LINEFROMCHAR:
        *result = static_cast<LRESULT>(ClampedLine(c, static_cast<LONG>(wParam)));
        return true;
    case EM_LINEINDEX:
        *result = LineIndex(c, wParam);
        return true;
    case EM_LINELENGTH:
        *result = static_cast<LRESULT>(c.text.LineLength(ClampedLine(c, static_cast<LONG>(wParam))));
        return true;
    case EM_GETLINECOUNT:
        *result = static_cast<LRESULT>(c.text.LineCount());
        return true;
    case EM_GETLINE:
        *result = GetLine(c, wParam, reinterpret_cast<char*>(lParam));
        return true;
    case TCM_GETCOLUMN:
        *result = static_cast<LRESULT>(ColumnOf(c, wParam));
        return true;
    }
    return WordMessage(c, message, wParam, lParam, result);
}
