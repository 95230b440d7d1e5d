// Cut, Copy, Paste, Delete and Select All. Text travels as ANSI text in the
// ANSI view and as OEM text in the OEM and KOI8 views, together with Unicode
// made from the program's own tables, so no system code page touches it.
#include "editor/clipboard_commands.h"

#include <cstring>
#include <cwchar>

#include "coding/coding_tables.h"
#include "coding/unicode_tables.h"
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

// The letters the view's bytes stand for.
HGLOBAL UnicodeBlock(const uint8_t* bytes, LONG length)
{
    HGLOBAL block;
    auto* text = static_cast<WCHAR*>(NewLockedBlock((static_cast<SIZE_T>(length) + 1) * sizeof(WCHAR), block));
    if (!text) return nullptr;
    const char16_t* letters = ByteToUnicodeTable(Editor.ViewCoding);
    for (LONG i = 0; i < length; ++i) text[i] = letters[bytes[i]];
    GlobalUnlock(block);
    return block;
}

void PutOnClipboard(HGLOBAL bytes, HGLOBAL unicode)
{
    if (OpenClipboard(HostWindow())) {
        EmptyClipboard();
        if (SetClipboardData(Editor.ViewCoding == CodingAnsi ? CF_TEXT : CF_OEMTEXT, bytes)) bytes = nullptr;
        if (unicode && SetClipboardData(CF_UNICODETEXT, unicode)) unicode = nullptr;
        CloseClipboard();
    }
    // Whatever the clipboard did not take is still ours.
    if (bytes) GlobalFree(bytes);
    if (unicode) GlobalFree(unicode);
}

// The locked block holds length bytes of the view coding: they go on the
// clipboard together with the letters they stand for.
void HandOver(HGLOBAL block, uint8_t* bytes, LONG length)
{
    HGLOBAL unicode = UnicodeBlock(bytes, length);
    // The clipboard never receives KOI8 bytes: they travel as OEM text.
    if (Editor.ViewCoding == CodingKoi8) RecodeBytes(bytes, length, SlotKoi8ToOem);
    GlobalUnlock(block);
    PutOnClipboard(block, unicode);
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

// The clipboard text of the given format as bytes of the view coding: length
// bytes in a zero-filled block of length + 1, or null when memory runs out.
uint8_t* ViewBytesFromClipboard(UINT format, const void* data, SIZE_T dataSize, LONG& length)
{
    bool unicode = format == CF_UNICODETEXT;
    auto* wide = static_cast<const wchar_t*>(data);
    auto* narrow = static_cast<const char*>(data);
    length = static_cast<LONG>(unicode ? wcsnlen(wide, dataSize / sizeof(wchar_t)) : strnlen(narrow, dataSize));
    auto* bytes = static_cast<uint8_t*>(GlobalAlloc(GPTR, static_cast<SIZE_T>(length) + 1));
    if (!bytes) return nullptr;
    if (unicode) {
        for (LONG i = 0; i < length; ++i) bytes[i] = UnicodeToByte(Editor.ViewCoding, static_cast<char16_t>(wide[i]));
        return bytes;
    }
    memcpy(bytes, narrow, length);
    Coding written = format == CF_TEXT ? CodingAnsi : CodingOem;
    if (written != Editor.ViewCoding) ConvertCoding(bytes, length, written, Editor.ViewCoding);
    return bytes;
}

void PasteFormat(UINT format)
{
    HANDLE data = format ? GetClipboardData(format) : nullptr;
    const void* text = data ? GlobalLock(data) : nullptr;
    if (!text) return;
    LONG length = 0;
    uint8_t* bytes = ViewBytesFromClipboard(format, text, GlobalSize(data), length);
    GlobalUnlock(data);
    if (!bytes) return;
    RecordUndo(UndoReplaceSelection, length);
    MemoryStream stream = {0, static_cast<DWORD>(length), bytes};
    StreamInFromMemory(stream, SF_TEXT | SFF_SELECTION);
    GlobalFree(bytes);
}

}   // namespace

void CopyBytes(const char* text, LONG length)
{
    HGLOBAL block;
    auto* bytes = static_cast<uint8_t*>(NewLockedBlock(static_cast<SIZE_T>(length) + 1, block));
    if (!bytes) return;
    memcpy(bytes, text, length);
    HandOver(block, bytes, length);
}

void CopyCommand()
{
    CHARRANGE selection = EditorSelection();
    if (selection.cpMin == selection.cpMax) return;
    HGLOBAL block;
    auto* bytes =
        static_cast<uint8_t*>(NewLockedBlock(static_cast<SIZE_T>(selection.cpMax - selection.cpMin) + 1, block));
    if (!bytes) return;
    HandOver(block, bytes, ReadEditorSelection(reinterpret_cast<char*>(bytes)));
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
    PasteFormat(FirstTextFormat());
    CloseClipboard();
}

void SelectAllCommand()
{
    SelectAllEditorText();
}
