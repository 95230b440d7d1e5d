// Cut, Copy, Paste, Delete and Select All. Text travels as ANSI text in the
// ANSI view and as OEM text in the OEM and KOI8 views, together with Unicode
// made from the program's own tables, so no system code page touches it; in
// the UTF-8 view as Unicode alone.
// Beside them the exact bytes go in Verko's own format, which Paste prefers.
#include "editor/clipboard_commands.h"

#include <cstring>
#include <cwchar>

#include "coding/coding_tables.h"
#include "coding/unicode_tables.h"
#include "coding/utf8.h"
#include "coding/utf16.h"
#include "editor/clipboard_bytes.h"
#include "editor/editor_calls.h"
#include "editor/editor_host.h"
#include "editor/editor_state.h"
#include "editor/memory_stream.h"
#include "editor/undo.h"

namespace {

// A zero-filled shareable block, locked; null, with nothing kept, on failure.
void* NewLockedBlock(SIZE_T bytes, HGLOBAL& block)
{
    block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE, bytes);
    void* memory = block ? GlobalLock(block) : nullptr;
    if (!memory && block) {
        GlobalFree(block);
        block = nullptr;
    }
    return memory;
}

// The letters the view's bytes stand for; an invalid byte of the UTF-8 view
// has none and goes as U+FFFD (the exact bytes travel beside).
HGLOBAL UnicodeBlock(const uint8_t* bytes, LONG length)
{
    HGLOBAL block;
    auto* text = static_cast<WCHAR*>(NewLockedBlock((static_cast<SIZE_T>(length) + 1) * sizeof(WCHAR), block));
    if (!text) return nullptr;
    if (Editor.ViewCoding == CodingUtf8) {
        Utf8ToUtf16(bytes, static_cast<size_t>(length), reinterpret_cast<char16_t*>(text));
    } else {
        const char16_t* letters = ByteToUnicodeTable(Editor.ViewCoding);
        for (LONG i = 0; i < length; ++i) text[i] = letters[bytes[i]];
    }
    GlobalUnlock(block);
    return block;
}

UINT ExactBytesFormat()
{
    static const UINT format = RegisterClipboardFormatA(ClipboardBytesFormatName);
    return format;
}

// The clipboard's text: the view's bytes, KOI8 travelling as OEM text.
HGLOBAL TextBlock(const uint8_t* bytes, LONG length)
{
    HGLOBAL block;
    auto* text = static_cast<uint8_t*>(NewLockedBlock(static_cast<SIZE_T>(length) + 1, block));
    if (!text) return nullptr;
    memcpy(text, bytes, length);
    if (Editor.ViewCoding == CodingKoi8) RecodeBytes(text, length, SlotKoi8ToOem);
    GlobalUnlock(block);
    return block;
}

struct ClipboardBlock {
    UINT format;
    HGLOBAL block;
};

// The text format first: readers take the first one listed as the one written.
void PutOnClipboard(ClipboardBlock (&blocks)[3])
{
    if (OpenClipboard(HostWindow())) {
        EmptyClipboard();
        for (ClipboardBlock& b : blocks)
            if (b.block && SetClipboardData(b.format, b.block)) b.block = nullptr;
        CloseClipboard();
    }
    // Whatever the clipboard did not take is still ours.
    for (ClipboardBlock& b : blocks)
        if (b.block) GlobalFree(b.block);
}

// The locked record holds length bytes of the view coding after its header:
// they go on the clipboard as text, as the letters they stand for and exactly.
void HandOver(HGLOBAL exact, uint8_t* record, LONG length)
{
    uint8_t* bytes = record + ClipboardBytesHeader;
    WriteClipboardBytesHeader(record, static_cast<uint32_t>(length), Editor.ViewCoding);
    // UTF-8 text is Unicode text: the system makes the narrow formats from it.
    ClipboardBlock narrow = {Editor.ViewCoding == CodingAnsi ? UINT(CF_TEXT) : UINT(CF_OEMTEXT), nullptr};
    if (Editor.ViewCoding != CodingUtf8) narrow.block = TextBlock(bytes, length);
    ClipboardBlock blocks[] = {narrow, {CF_UNICODETEXT, UnicodeBlock(bytes, length)}, {ExactBytesFormat(), exact}};
    GlobalUnlock(exact);
    PutOnClipboard(blocks);
}

// The first text format the clipboard lists is the one its owner wrote; the
// others may be the system's conversions through its own code pages.
UINT FirstTextFormat()
{
    for (UINT format = EnumClipboardFormats(0); format; format = EnumClipboardFormats(format)) {
        if (format == CF_TEXT || format == CF_OEMTEXT || format == CF_UNICODETEXT) return format;
    }
    return 0;
}

bool IsHighSurrogate(wchar_t unit)
{
    return (unit & 0xFC00) == 0xD800;
}

bool IsLowSurrogate(wchar_t unit)
{
    return (unit & 0xFC00) == 0xDC00;
}

// Unicode text as bytes of the view coding; returns their number.
LONG UnicodeToView(const wchar_t* wide, LONG length, uint8_t* bytes)
{
    if (Editor.ViewCoding == CodingUtf8)
        return static_cast<LONG>(Utf16ToUtf8(reinterpret_cast<const char16_t*>(wide), static_cast<size_t>(length), bytes));
    LONG count = 0;
    for (LONG i = 0; i < length; ++i) {
        // A character past the 16-bit range is one character the coding lacks, not two.
        if (i > 0 && IsLowSurrogate(wide[i]) && IsHighSurrogate(wide[i - 1])) continue;
        bytes[count++] = UnicodeToByte(Editor.ViewCoding, static_cast<char16_t>(wide[i]));
    }
    return count;
}

// The clipboard text of the given format as bytes of the view coding: length
// bytes in a zero-filled block, or null when memory runs out.
uint8_t* ViewBytesFromClipboard(UINT format, const void* data, SIZE_T dataSize, LONG& length)
{
    bool unicode = format == CF_UNICODETEXT;
    auto* wide = static_cast<const wchar_t*>(data);
    auto* narrow = static_cast<const char*>(data);
    length = static_cast<LONG>(unicode ? wcsnlen(wide, dataSize / sizeof(wchar_t)) : strnlen(narrow, dataSize));
    // A character takes up to three bytes of UTF-8 (a pair of halves four).
    SIZE_T room = static_cast<SIZE_T>(length) * (Editor.ViewCoding == CodingUtf8 ? 3 : 1);
    auto* bytes = static_cast<uint8_t*>(GlobalAlloc(GPTR, room + 1));
    if (!bytes) return nullptr;
    if (unicode) {
        length = UnicodeToView(wide, length, bytes);
        return bytes;
    }
    Coding written = format == CF_TEXT ? CodingAnsi : CodingOem;
    if (Editor.ViewCoding == CodingUtf8) {
        length = static_cast<LONG>(
            ConvertText(reinterpret_cast<const uint8_t*>(narrow), length, written, CodingUtf8, bytes, room));
        return bytes;
    }
    memcpy(bytes, narrow, length);
    if (written != Editor.ViewCoding) ConvertCoding(bytes, length, written, Editor.ViewCoding);
    return bytes;
}

uint8_t* TextBytesFromClipboard(LONG& length)
{
    UINT format = FirstTextFormat();
    HANDLE data = format ? GetClipboardData(format) : nullptr;
    const void* text = data ? GlobalLock(data) : nullptr;
    if (!text) return nullptr;
    uint8_t* bytes = ViewBytesFromClipboard(format, text, GlobalSize(data), length);
    GlobalUnlock(data);
    return bytes;
}

// The bytes a Verko window copied, in the view's coding: length bytes in a
// zero-filled block, or null when there are none.
uint8_t* ExactBytesFromClipboard(LONG& length)
{
    HANDLE data = GetClipboardData(ExactBytesFormat());
    const auto* record = data ? static_cast<const uint8_t*>(GlobalLock(data)) : nullptr;
    if (!record) return nullptr;
    ClipboardBytes read;
    uint8_t* bytes = nullptr;
    size_t room = 0;
    if (ReadClipboardBytes(record, GlobalSize(data), read)) {
        room = read.coding != Editor.ViewCoding ? ConvertedCapacity(read.count) : read.count;
        bytes = static_cast<uint8_t*>(GlobalAlloc(GPTR, room + 1));
    }
    if (bytes && read.coding == Editor.ViewCoding) {
        memcpy(bytes, read.bytes, read.count);
        length = static_cast<LONG>(read.count);
    } else if (bytes) {
        length = static_cast<LONG>(ConvertText(read.bytes, read.count, read.coding, Editor.ViewCoding, bytes, room));
    }
    GlobalUnlock(data);
    return bytes;
}

}   // namespace

void CopyBytes(const char* bytes, LONG length)
{
    HGLOBAL exact;
    auto* record = static_cast<uint8_t*>(NewLockedBlock(ClipboardBytesHeader + static_cast<SIZE_T>(length) + 1, exact));
    if (!record) return;
    memcpy(record + ClipboardBytesHeader, bytes, length);
    HandOver(exact, record, length);
}

void CopyCommand()
{
    CHARRANGE selection = EditorSelection();
    if (selection.cpMin == selection.cpMax) return;
    HGLOBAL exact;
    SIZE_T selected = static_cast<SIZE_T>(selection.cpMax - selection.cpMin);
    auto* record = static_cast<uint8_t*>(NewLockedBlock(ClipboardBytesHeader + selected + 1, exact));
    if (!record) return;
    HandOver(exact, record, ReadEditorSelection(reinterpret_cast<char*>(record + ClipboardBytesHeader)));
}

void DeleteCommand()
{
    RecordUndo(UndoReplaceSelection, 0);
    ClearEditorSelection();
}

void CutCommand()
{
    CopyCommand();
    DeleteCommand();
}

void PasteCommand()
{
    if (!IsClipboardFormatAvailable(CF_TEXT) || !OpenClipboard(HostWindow())) return;
    LONG length = 0;
    uint8_t* bytes = ExactBytesFromClipboard(length);
    if (!bytes) bytes = TextBytesFromClipboard(length);
    CloseClipboard();
    if (!bytes) return;
    // An empty text pasted at the caret changes nothing: nothing is recorded or marked modified.
    if (length == 0 && !EditorHasSelection()) {
        GlobalFree(bytes);
        return;
    }
    // The stream would stop at the text limit, leaving part of the clipboard: refused whole.
    if (!EditorHasRoomFor(static_cast<uint64_t>(length))) {
        GlobalFree(bytes);
        MessageBeep(0);
        return;
    }
    RecordUndo(UndoReplaceSelection, length);
    MemoryStream stream = {0, static_cast<DWORD>(length), bytes};
    StreamInFromMemory(stream, SF_TEXT | SFF_SELECTION);
    GlobalFree(bytes);
}

void SelectAllCommand()
{
    SelectAllEditorText();
}
