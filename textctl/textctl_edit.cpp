// Changing the text: every edit goes through ReplaceRange, which keeps the
// limit, the one-step undo, the modify flag, the colours and the view in step.
#include "textctl/textctl_internal.h"

#include <algorithm>
#include <new>

namespace {

std::string CopyRange(const TextControl& c, size_t start, size_t end)
{
    std::string bytes(end - start, '\0');
    c.text.CopyOut(start, end - start, reinterpret_cast<uint8_t*>(&bytes[0]));
    return bytes;
}

// Notes what the edit at [start, end) -> count bytes loses. A typed byte right
// after the previous typed bytes continues their record.
void RecordEditUnguarded(TextControl& c, size_t start, size_t end, size_t count, bool typing)
{
    LastEdit& u = c.undo;
    bool continues = typing && u.available && u.typing && start == u.pos + u.insertedCount;
    if (continues) {
        u.removed += CopyRange(c, start, end);
        u.insertedCount += count;
        return;
    }
    u.available = true;
    u.typing = typing;
    u.pos = start;
    u.insertedCount = count;
    u.removed = CopyRange(c, start, end);
}

// Without memory for the removed bytes the edit still happens, without undo.
void RecordEdit(TextControl& c, size_t start, size_t end, size_t count, bool typing)
{
    try {
        RecordEditUnguarded(c, start, end, count, typing);
    } catch (const std::bad_alloc&) {
        c.undo = LastEdit();
    }
}

}   // namespace

bool IsBreakMiddle(const TextControl& c, size_t pos)
{
    return pos > 0 && pos < c.text.Length() && c.text.At(pos - 1) == '\r' && c.text.At(pos) == '\n';
}

void SetSelection(TextControl& c, size_t anchor, size_t caret)
{
    size_t length = c.text.Length();
    if (anchor > length) anchor = length;
    if (caret > length) caret = length;
    size_t oldStart = SelectionStart(c), oldEnd = SelectionEnd(c);
    c.anchor = anchor;
    c.caret = caret;
    size_t newStart = SelectionStart(c), newEnd = SelectionEnd(c);
    if (oldStart != oldEnd || newStart != newEnd) {
        // Only the rows between the moved ends change.
        InvalidateRange(c, std::min(oldStart, newStart), std::max(oldStart, newStart));
        InvalidateRange(c, std::min(oldEnd, newEnd), std::max(oldEnd, newEnd));
    }
    ShowCaretRow(c);
    PlaceCaret(c);
}

namespace {

void ShowChange(TextControl& c, size_t pos, bool linesChanged)
{
    InvalidateRange(c, pos, linesChanged || WrapMode(c) ? SIZE_MAX : pos);
    UpdateScrollBars(c);
}

}   // namespace

void TextChanged(TextControl& c, size_t pos, bool linesChanged)
{
    ResetLayout(c);
    ShowChange(c, pos, linesChanged);
}

bool ReplaceRange(TextControl& c, size_t start, size_t end, const uint8_t* bytes, size_t count, bool typing)
{
    size_t length = c.text.Length();
    if (end > length) end = length;
    if (start > end) start = end;
    if (length - (end - start) + count > c.limit) return false;
    if (start == end && count == 0) return true;
    size_t linesBefore = c.text.LineCount();
    RecordEdit(c, start, end, count, typing);
    if (!c.text.Replace(start, end - start, bytes, count)) {
        c.undo.available = false;
        return false;
    }
    if (end > start) c.colours.Erased(start, end - start);
    if (count) c.colours.Inserted(start, count);
    c.modified = true;
    c.anchor = c.caret = start + count;
    c.preferredX = -1;
    // A break or a CR/LF joining across the edit changes lines too.
    const bool lineCountChanged = c.text.LineCount() != linesBefore;
    if (lineCountChanged)
        ResetLayout(c);
    else
        LayoutEdited(c, start, end - start, count);
    ShowChange(c, start, lineCountChanged || count != end - start);
    ShowCaretRow(c);
    PlaceCaret(c);
    return true;
}

bool ReplaceAll(TextControl& c, const uint8_t* bytes, size_t count)
{
    if (count > c.limit) return false;
    c.text.ClearForRefill();
    c.colours.Clear();
    ForgetUndo(c);
    bool stored = c.text.Insert(0, bytes, count);
    c.text.EndRefill();
    c.modified = true;
    c.anchor = c.caret = 0;
    c.topLine = c.topRow = 0;
    c.xOffset = 0;
    c.widestRow = 0;
    TextChanged(c, 0, true);
    PlaceCaret(c);
    return stored;
}

void ForgetUndo(TextControl& c)
{
    c.undo = LastEdit();
}

bool UndoLastEdit(TextControl& c)
{
    if (!c.undo.available) return false;
    LastEdit edit = std::move(c.undo);
    c.undo = LastEdit();
    size_t start = edit.pos;
    const uint8_t* bytes = reinterpret_cast<const uint8_t*>(edit.removed.data());
    if (!ReplaceRange(c, start, start + edit.insertedCount, bytes, edit.removed.size())) {
        c.undo = std::move(edit);
        return false;
    }
    // Undoing the undo is the next undo, as with the system control.
    SetSelection(c, start, start + edit.removed.size());
    return true;
}
