// Text, selection, editing, stream and state messages.
#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

#include "textctl/rtf_reader.h"
#include "textctl/textctl.h"
#include "textctl/textctl_internal.h"

namespace {

size_t Clamp(const TextControl& c, LONG pos)
{
    if (pos < 0) return c.text.Length();
    return std::min(static_cast<size_t>(pos), c.text.Length());
}

// Copies [start, end) and a terminating zero; returns the byte count.
LRESULT CopyWithZero(const TextControl& c, size_t start, size_t end, char* dest)
{
    if (!dest) return 0;
    size_t count = end > start ? c.text.CopyOut(start, end - start, reinterpret_cast<uint8_t*>(dest)) : 0;
    dest[count] = '\0';
    return static_cast<LRESULT>(count);
}

LRESULT GetText(const TextControl& c, WPARAM capacity, char* dest)
{
    if (!dest || capacity == 0) return 0;
    return CopyWithZero(c, 0, std::min(c.text.Length(), static_cast<size_t>(capacity) - 1), dest);
}

LRESULT GetTextRange(const TextControl& c, TEXTRANGEA* range)
{
    if (!range || !range->lpstrText) return 0;
    size_t start = range->chrg.cpMin < 0 ? 0 : Clamp(c, range->chrg.cpMin);
    size_t end = Clamp(c, range->chrg.cpMax);
    return CopyWithZero(c, start, std::max(start, end), range->lpstrText);
}

// The system control's rules: (0, -1) selects all, a negative start only
// removes the selection, a negative end means the end of the text.
void SelectFromMessage(TextControl& c, LONG start, LONG end)
{
    if (start == 0 && end == -1)
        SetSelection(c, 0, c.text.Length());
    else if (start < 0)
        SetSelection(c, c.caret, c.caret);
    else
        SetSelection(c, Clamp(c, start), Clamp(c, end));
}

LRESULT SelectionType(const TextControl& c)
{
    size_t length = SelectionEnd(c) - SelectionStart(c);
    if (length == 0) return SEL_EMPTY;
    return length > 1 ? (SEL_TEXT | SEL_MULTICHAR) : SEL_TEXT;
}

bool ReplaceSelection(TextControl& c, const char* bytes, bool canUndo)
{
    size_t count = bytes ? std::strlen(bytes) : 0;
    bool done = ReplaceRange(c, SelectionStart(c), SelectionEnd(c), reinterpret_cast<const uint8_t*>(bytes), count);
    if (done && !canUndo) ForgetUndo(c);
    return done;
}

bool SetText(TextControl& c, const char* bytes)
{
    return ReplaceAll(c, reinterpret_cast<const uint8_t*>(bytes), bytes ? std::strlen(bytes) : 0);
}

// Where a stream-in puts what it reads.
struct Intake {
    TextControl& c;
    EDITSTREAM* stream;
    size_t pos;
    size_t total;
    RtfReader* rtf;              // none for plain text
    std::vector<uint8_t> text;   // what the RTF of one chunk describes
};

// Puts bytes into the text as far as the limit allows; false, with the
// reason in dwError, when the limit or memory ends the stream.
bool TakeIn(Intake& in, const uint8_t* bytes, size_t count)
{
    TextControl& c = in.c;
    size_t room = c.limit > c.text.Length() ? c.limit - c.text.Length() : 0;
    bool tooLong = count > room;
    if (!c.text.Insert(in.pos + in.total, bytes, tooLong ? room : count)) {
        in.stream->dwError = ERROR_NOT_ENOUGH_MEMORY;
        return false;
    }
    in.total += tooLong ? room : count;
    if (!tooLong) return true;
    in.stream->dwError = TextLimitStreamError;
    SetLastError(TextLimitStreamError);
    return false;
}

// One chunk as it comes, or the text its RTF describes (no bytes: the end
// of the RTF); false when the chunk ends the stream.
bool TakeChunk(Intake& in, const uint8_t* bytes, size_t count)
{
    if (!in.rtf) return TakeIn(in, bytes, count);
    in.text.clear();
    try {
        if (count)
            in.rtf->Read(bytes, count, in.text);
        else
            in.rtf->Finish(in.text);
    } catch (const std::bad_alloc&) {
        in.stream->dwError = ERROR_NOT_ENOUGH_MEMORY;
        return false;
    }
    return TakeIn(in, in.text.data(), in.text.size());
}

// Reads the stream into the text at pos until the callback ends it; returns
// the number of bytes taken in.
size_t ReadStream(TextControl& c, size_t pos, EDITSTREAM* stream, RtfReader* rtf)
{
    std::vector<uint8_t> chunk;
    try {
        chunk.resize(StreamChunk);
    } catch (const std::bad_alloc&) {
        stream->dwError = ERROR_NOT_ENOUGH_MEMORY;
        return 0;
    }
    Intake in{c, stream, pos, 0, rtf, {}};
    for (;;) {
        LONG got = 0;
        DWORD error = stream->pfnCallback(stream->dwCookie, chunk.data(), static_cast<LONG>(StreamChunk), &got);
        if (error) stream->dwError = error;
        if (error || got <= 0) break;
        if (!TakeChunk(in, chunk.data(), std::min(static_cast<size_t>(got), StreamChunk))) return in.total;
    }
    if (rtf) TakeChunk(in, nullptr, 0);
    return in.total;
}

// Takes away what a stream-in replaces. The removed bytes of a selection are
// kept for undo when memory allows.
void ClearForStream(TextControl& c, bool selection, size_t start, size_t end, LastEdit* undo)
{
    if (!selection) {
        c.text.ClearForRefill();
        c.colours.Clear();
        return;
    }
    try {
        undo->removed.resize(end - start);
        c.text.CopyOut(start, end - start, reinterpret_cast<uint8_t*>(&undo->removed[0]));
        undo->available = true;
        undo->pos = start;
    } catch (const std::bad_alloc&) {
        *undo = LastEdit();
    }
    c.text.Erase(start, end - start);
    c.colours.Erased(start, end - start);
}

}   // namespace

// Writing to new memory costs a fault on each page; locking it has the system
// bring all of it in at once, which took a third less time where measured.
// Unlocked at once, it stays ordinary memory; where locking fails, nothing is lost.
void BringInPages(void* storage, size_t size)
{
    if (VirtualLock(storage, size)) VirtualUnlock(storage, size);
}

namespace {

LRESULT StreamIn(TextControl& c, WPARAM format, EDITSTREAM* stream)
{
    if (!stream || !stream->pfnCallback) return 0;
    stream->dwError = 0;
    bool plain = (format & SF_TEXT) != 0;
    if (!plain && !(format & SF_RTF)) return 0;
    bool selection = (format & SFF_SELECTION) != 0;
    size_t start = selection ? SelectionStart(c) : 0;
    LastEdit undo;
    ClearForStream(c, selection, start, selection ? SelectionEnd(c) : c.text.Length(), &undo);
    RtfReader rtf;
    size_t total = ReadStream(c, start, stream, plain ? nullptr : &rtf);
    c.text.EndRefill();
    c.colours.Inserted(start, total);
    undo.insertedCount = total;
    c.undo = std::move(undo);
    c.modified = true;
    c.preferredX = -1;
    c.anchor = c.caret = start + total;
    if (!selection) {
        c.anchor = c.caret = 0;
        c.topLine = c.topRow = 0;
        c.xOffset = c.widestRow = 0;
    }
    TextChanged(c, start, true);
    ShowCaretRow(c);
    PlaceCaret(c);
    return static_cast<LRESULT>(total);
}

LRESULT StreamOut(TextControl& c, WPARAM format, EDITSTREAM* stream)
{
    if (!stream || !stream->pfnCallback) return 0;
    stream->dwError = 0;
    if (!(format & SF_TEXT)) return 0;
    bool selection = (format & SFF_SELECTION) != 0;
    size_t start = selection ? SelectionStart(c) : 0;
    size_t end = selection ? SelectionEnd(c) : c.text.Length();
    std::vector<uint8_t> chunk(std::min(StreamChunk, end - start));
    size_t pos = start;
    while (pos < end) {
        size_t count = c.text.CopyOut(pos, std::min(chunk.size(), end - pos), chunk.data());
        LONG written = 0;
        DWORD error = stream->pfnCallback(stream->dwCookie, chunk.data(), static_cast<LONG>(count), &written);
        if (error) {
            stream->dwError = error;
            break;
        }
        if (written <= 0) break;
        pos += std::min(static_cast<size_t>(written), count);
    }
    return static_cast<LRESULT>(pos - start);
}

void SetOleCallback(TextControl& c, IRichEditOleCallback* callback)
{
    if (callback) callback->AddRef();
    if (c.oleCallback) c.oleCallback->Release();
    c.oleCallback = callback;
}

void SetReadOnly(TextControl& c, bool readOnly)
{
    LONG style = GetWindowLongA(c.window, GWL_STYLE);
    SetWindowLongA(c.window, GWL_STYLE, readOnly ? (style | ES_READONLY) : (style & ~ES_READONLY));
}

bool SelectionMessage(TextControl& c, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    switch (message) {
    case EM_EXGETSEL:
        if (CHARRANGE* range = reinterpret_cast<CHARRANGE*>(lParam)) {
            range->cpMin = static_cast<LONG>(SelectionStart(c));
            range->cpMax = static_cast<LONG>(SelectionEnd(c));
        }
        return true;
    case EM_GETSEL:
        if (wParam) *reinterpret_cast<DWORD*>(wParam) = static_cast<DWORD>(SelectionStart(c));
        if (lParam) *reinterpret_cast<DWORD*>(lParam) = static_cast<DWORD>(SelectionEnd(c));
        *result = MAKELRESULT(std::min<size_t>(SelectionStart(c), 0xFFFF), std::min<size_t>(SelectionEnd(c), 0xFFFF));
        return true;
    case EM_EXSETSEL:
        if (const CHARRANGE* range = reinterpret_cast<const CHARRANGE*>(lParam))
            SelectFromMessage(c, range->cpMin, range->cpMax);
        *result = static_cast<LRESULT>(SelectionEnd(c));
        return true;
    case EM_SETSEL:
        SelectFromMessage(c, static_cast<LONG>(wParam), static_cast<LONG>(lParam));
        return true;
    case EM_SELECTIONTYPE:
        *result = SelectionType(c);
        return true;
    case EM_HIDESELECTION:
        if (lParam) {   // the style changes instead
            LONG style = GetWindowLongA(c.window, GWL_STYLE);
            SetWindowLongA(c.window, GWL_STYLE, wParam ? (style & ~ES_NOHIDESEL) : (style | ES_NOHIDESEL));
            c.hideSelection = c.showSelection = false;
        } else if (c.hideSelection == (wParam != 0) && c.showSelection == (wParam == 0)) {
            return true;   // asked again and again while a prompt is open: only a change repaints
        } else {
            c.hideSelection = wParam != 0;
            c.showSelection = wParam == 0;
        }
        Repaint(c);
        return true;
    }
    return false;
}

bool StateMessage(TextControl& c, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    switch (message) {
    case EM_GETMODIFY:
        *result = c.modified ? TRUE : FALSE;
        return true;
    case EM_SETMODIFY:
        c.modified = wParam != 0;
        return true;
    case EM_UNDO:
    case WM_UNDO:
        *result = UndoLastEdit(c);
        return true;
    case EM_CANUNDO:
        *result = c.undo.available;
        return true;
    case EM_EMPTYUNDOBUFFER:
        ForgetUndo(c);
        return true;
    case EM_EXLIMITTEXT:
    case EM_LIMITTEXT: {
        DWORD limit = static_cast<DWORD>(message == EM_EXLIMITTEXT ? static_cast<WPARAM>(lParam) : wParam);
        c.limit = limit > 0 ? limit : EmptyLimitText;
        return true;
    }
    case EM_GETLIMITTEXT:
        *result = static_cast<LRESULT>(c.limit);
        return true;
    case EM_SETREADONLY:
        SetReadOnly(c, wParam != 0);
        *result = TRUE;
        return true;
    case EM_SETOLECALLBACK:
        SetOleCallback(c, reinterpret_cast<IRichEditOleCallback*>(lParam));
        *result = TRUE;
        return true;
    }
    return false;
}

}   // namespace

bool TextMessage(TextControl& c, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    *result = 0;
    switch (message) {
    case WM_GETTEXTLENGTH:
        *result = static_cast<LRESULT>(c.text.Length());
        return true;
    case WM_GETTEXT:
        *result = GetText(c, wParam, reinterpret_cast<char*>(lParam));
        return true;
    case WM_SETTEXT:
        *result = SetText(c, reinterpret_cast<const char*>(lParam));
        return true;
    case EM_GETTEXTRANGE:
        *result = GetTextRange(c, reinterpret_cast<TEXTRANGEA*>(lParam));
        return true;
    case EM_GETSELTEXT:
        *result = CopyWithZero(c, SelectionStart(c), SelectionEnd(c), reinterpret_cast<char*>(lParam));
        return true;
    case EM_REPLACESEL:
        ReplaceSelection(c, reinterpret_cast<const char*>(lParam), wParam != 0);
        return true;
    case WM_CLEAR:
        if (!IsReadOnly(c)) ReplaceRange(c, SelectionStart(c), SelectionEnd(c), nullptr, 0);
        return true;
    case EM_STREAMIN:
        *result = StreamIn(c, wParam, reinterpret_cast<EDITSTREAM*>(lParam));
        return true;
    case EM_STREAMOUT:
        *result = StreamOut(c, wParam, reinterpret_cast<EDITSTREAM*>(lParam));
        return true;
    }
    return SelectionMessage(c, message, wParam, lParam, result) || StateMessage(c, message, wParam, lParam, result);
}
