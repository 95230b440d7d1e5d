// The multilevel undo history: a list of records, newest first, each noting
// what a change is about to lose.
#include "editor/undo.h"

#include <algorithm>

#include "coding/utf8_chars.h"
#include "editor/editor_calls.h"
#include "editor/editor_state.h"
#include "editor/memory_stream.h"
#include "editor/message_box.h"
#include "editor/view_coding.h"
#include "editor/wait_cursor.h"

struct UndoRecord {
    // Kinds 2 and 3: the two bytes read (first in the low byte), or with saved
    // text (a whole character of the UTF-8 view) its length; kind 8: the
    // overwritten byte with OverwrittenByteKept set, or 0 when there was none;
    // kinds 4 and 6: the number of bytes saved (they may hold zero bytes);
    // kind 0 typed in the UTF-8 view: the length of the run's last character.
    uint32_t SmallText;
    // The range the record describes; lpstrText is its saved text block or null,
    // so the whole can be handed to EM_GETTEXTRANGE.
    TEXTRANGEA Range;
    Coding ViewCodingAtRecord;   // kind 6; kind 0: CodingUtf8 for a run typed in the UTF-8 view
    uint8_t Kind;
    UndoRecord* Next;
};

namespace {

constexpr char LineBreak[] = "\r\n";
// Set in a kind 8 record's SmallText when a byte was overwritten, so that an
// overwritten zero byte is told apart from nothing overwritten.
constexpr uint32_t OverwrittenByteKept = 0x100;

// A zero-filled record with room for textBytes of saved text (none for 0);
// null, after the error box, when memory runs out.
UndoRecord* NewRecord(uint8_t kind, LONG start, LONG end, SIZE_T textBytes)
{
    auto* record = static_cast<UndoRecord*>(GlobalAlloc(GPTR, sizeof(UndoRecord)));
    if (!record) {
        ShowSystemError();
        return nullptr;
    }
    char* text = nullptr;
    if (textBytes) {
        text = static_cast<char*>(GlobalAlloc(GPTR, textBytes));
        if (!text) {
            ShowSystemError();
            GlobalFree(record);
            return nullptr;
        }
    }
    record->Kind = kind;
    record->Range = {{start, end}, text};
    return record;
}

void PushRecord(UndoRecord* record)
{
    record->Next = Editor.UndoHead;
    Editor.UndoHead = record;
}

void DropNewestRecord()
{
    UndoRecord* record = Editor.UndoHead;
    Editor.UndoHead = record->Next;
    if (record->Range.lpstrText) GlobalFree(record->Range.lpstrText);
    GlobalFree(record);
}

bool HoldsLineBreak(uint32_t smallText)
{
    return smallText == ('\r' | '\n' << 8);
}

// In the UTF-8 view the keys take and type whole characters of 1 to 4 bytes.
bool Utf8View()
{
    return Editor.ViewCoding == CodingUtf8;
}

// Typing and Enter at the position where the newest run of the same kind
// continues extend that run instead of adding a record. A run typed in the
// UTF-8 view continues after its last character, however long.
void RecordRun(uint8_t kind, int32_t length, LONG start)
{
    UndoRecord* head = Editor.UndoHead;
    Coding coding = kind == UndoTyping && Utf8View() ? CodingUtf8 : CodingAnsi;
    LONG last = coding == CodingUtf8 && head ? static_cast<LONG>(head->SmallText) : length;
    if (!head || head->Kind != kind || head->ViewCodingAtRecord != coding || head->Range.chrg.cpMax + last != start) {
        head = NewRecord(kind, start, start, 0);
        if (!head) return;
        head->ViewCodingAtRecord = coding;
        PushRecord(head);
    }
    head->Range.chrg.cpMax = start;
    if (coding == CodingUtf8) head->SmallText = static_cast<uint32_t>(length);
}

UndoRecord* RecordSmallText(uint8_t kind, LONG start, LONG end)
{
    UndoRecord* record = NewRecord(kind, start, end, 0);
    if (!record) return nullptr;
    uint8_t bytes[3] = {};
    ReadEditorRange(start, end, reinterpret_cast<char*>(bytes));
    record->SmallText = bytes[0] | bytes[1] << 8;
    PushRecord(record);
    return record;
}

void RecordOverwrite(LONG start)
{
    UndoRecord* record = RecordSmallText(UndoOverwrite, start, start + 1);
    if (!record) return;
    // At the end of a line or of the text overwrite inserts: there is nothing to put back.
    record->SmallText = OverwriteReplacesAt(start) ? (record->SmallText & 0xFF) | OverwrittenByteKept : 0;
}

// Keeps the bytes from..to, a whole character of the UTF-8 view (an invalid
// byte alone, a CR LF pair as one) or none, to be put back over
// from..from + inserted.
void RecordCharacter(uint8_t kind, LONG from, LONG to, int32_t inserted)
{
    UndoRecord* record = NewRecord(kind, from, from + inserted, to > from ? static_cast<SIZE_T>(to - from) + 1 : 0);
    if (!record) return;
    if (to > from) record->SmallText = static_cast<uint32_t>(ReadEditorRange(from, to, record->Range.lpstrText));
    PushRecord(record);
}

// The character overwrite replaces in the UTF-8 view: none at the end of a line.
CHARRANGE OverwrittenCharacter(LONG start)
{
    LONG from = EditorCharStop(start, CharStepAt);
    return {from, OverwriteReplacesAt(from) ? EditorCharStop(from, CharStepRight) : from};
}

void RecordReplacement(CHARRANGE selection, int32_t length)
{
    LONG selected = selection.cpMax - selection.cpMin;
    UndoRecord* record =
        NewRecord(UndoReplaceSelection, selection.cpMin, selection.cpMin + length, selected > 0 ? selected + 2 : 0);
    if (!record) return;
    if (selected > 0) record->SmallText = static_cast<uint32_t>(ReadEditorSelection(record->Range.lpstrText));
    PushRecord(record);
}

// Ctrl+Delete and Ctrl+Backspace: the recorder deletes the word itself, so the
// record can keep exactly what went.
void RecordWordDeletion(bool rightward, LONG start, LONG textLength)
{
    LONG from = start, to = start;
    if (rightward) {
        if (start >= textLength) return;
        to = EditorWordBreak(WB_MOVEWORDRIGHT, start);
    } else {
        if (start == 0) return;
        from = EditorWordBreak(WB_MOVEWORDLEFT, start);
    }
    // No word starts inside a character or before the byte-order mark.
    if (Utf8View()) from = EditorCharStop(from, CharStepAt);
    if (to <= from) return;
    UndoRecord* record = NewRecord(UndoReplaceSelection, from, from, to - from + 1);
    if (record) record->SmallText = static_cast<uint32_t>(ReadEditorRange(from, to, record->Range.lpstrText));
    SelectEditorRange(from, to);
    ClearEditorSelection();
    if (record) PushRecord(record);
}

// Whole-text changes in a row share the first one's snapshot.
bool SnapshotShared()
{
    return Editor.UndoHead && Editor.UndoHead->Kind == UndoWholeText;
}

// A snapshot record that owns text (from GlobalAlloc, or null for an empty text); false when none could be made.
bool PushSnapshot(CHARRANGE selection, char* text, DWORD count)
{
    UndoRecord* record = NewRecord(UndoWholeText, selection.cpMin, selection.cpMax, 0);
    if (!record) return false;
    record->Range.lpstrText = text;
    record->SmallText = count;
    record->ViewCodingAtRecord = Editor.ViewCoding;
    PushRecord(record);
    return true;
}

void RecordSnapshot(CHARRANGE selection, LONG textLength)
{
    if (SnapshotShared()) return;
    MemoryStream stream = {0, 0, nullptr};
    if (textLength > 0) {
        stream.Buffer = static_cast<uint8_t*>(GlobalAlloc(GPTR, static_cast<SIZE_T>(textLength) + 2));
        if (!stream.Buffer) return ShowSystemError();
        StreamOutToMemory(stream);
    }
    if (!PushSnapshot(selection, reinterpret_cast<char*>(stream.Buffer), stream.Count) && stream.Buffer)
        GlobalFree(stream.Buffer);
}

// Puts count saved bytes (zeros included) in place of start..end.
void ReplaceRange(LONG start, LONG end, const char* bytes, DWORD count)
{
    SelectEditorRange(start, end);
    ReplaceEditorSelectionBytes(bytes, count);
}

// The start of the character typed in the UTF-8 view that ends at end; the
// run's bytes are whole valid sequences from start on.
LONG TypedCharacterStart(LONG start, LONG end)
{
    LONG from = std::max(start, end - 4);
    uint8_t bytes[5] = {};
    LONG count = ReadEditorRange(from, end, reinterpret_cast<char*>(bytes));
    return count > 0 ? from + static_cast<LONG>(Utf8CharStart(bytes, static_cast<size_t>(count), count - 1)) : end - 1;
}

// One step of a typing or line-break run: the last character or break goes.
void UndoRunStep(UndoRecord& record)
{
    bool utf8 = record.ViewCodingAtRecord == CodingUtf8;
    LONG unit = utf8 ? static_cast<LONG>(record.SmallText) : record.Kind == UndoTyping ? 1 : 2;
    CHARRANGE& range = record.Range.chrg;
    if (range.cpMax >= range.cpMin) {
        SelectEditorRange(range.cpMax, range.cpMax + unit);
        ClearEditorSelection();
        LONG previous =
            utf8 && range.cpMax > range.cpMin ? TypedCharacterStart(range.cpMin, range.cpMax) : range.cpMax - unit;
        if (utf8) record.SmallText = static_cast<uint32_t>(range.cpMax - previous);
        range.cpMax = previous;
    }
    if (range.cpMax < range.cpMin) DropNewestRecord();
}

void UndoDeleteKeyStep(const UndoRecord& record)
{
    LONG at = record.Range.chrg.cpMin;
    char single = static_cast<char>(record.SmallText & 0xFF);
    if (record.Range.lpstrText)
        ReplaceRange(at, at, record.Range.lpstrText, record.SmallText);
    else if (HoldsLineBreak(record.SmallText))
        ReplaceRange(at, at, LineBreak, 2);
    else
        ReplaceRange(at, at, &single, 1);
    SelectEditorRange(at, at);
}

void UndoBackspaceStep(const UndoRecord& record)
{
    LONG end = record.Range.chrg.cpMax;
    if (record.Range.lpstrText) {
        ReplaceRange(record.Range.chrg.cpMin, record.Range.chrg.cpMin, record.Range.lpstrText, record.SmallText);
        return;
    }
    if (HoldsLineBreak(record.SmallText)) {
        ReplaceRange(end - 2, end - 2, LineBreak, 2);
        return;
    }
    // The byte that stood right before the caret: the second kept, or the
    // only one when the caret was at position 1.
    bool twoKept = end - record.Range.chrg.cpMin == 2;
    char single = static_cast<char>(twoKept ? record.SmallText >> 8 : record.SmallText);
    ReplaceRange(end - 1, end - 1, &single, 1);
}

void UndoSnapshot(const UndoRecord& record)
{
    MemoryStream stream = {0, record.SmallText, reinterpret_cast<uint8_t*>(record.Range.lpstrText)};
    StreamInFromMemory(stream, SF_TEXT);
    SelectEditorRange(record.Range.chrg.cpMin, record.Range.chrg.cpMax);
    if (record.ViewCodingAtRecord != Editor.ViewCoding) {
        Editor.ViewCoding = record.ViewCodingAtRecord;
        RefreshViewCoding();
    }
}

// What the change adds in place of the selection. The control refuses a change
// past the text limit, and a record of bytes never inserted would undo others.
int32_t InsertedBytes(UndoKind kind, int32_t length, LONG start)
{
    switch (kind) {
    case UndoTyping:
    case UndoLineBreak:
    case UndoReplaceSelection:
        return length;
    case UndoOverwrite: {
        if (!Utf8View()) return OverwriteReplacesAt(start) ? 0 : 1;
        CHARRANGE replaced = OverwrittenCharacter(start);
        return std::max(0, length - static_cast<int32_t>(replaced.cpMax - replaced.cpMin));
    }
    default:
        return 0;
    }
}

// The keys of the UTF-8 view: the record keeps exactly the bytes of the whole
// character the control removes (at its start), and typing over one becomes a
// replacement. False for the kinds recorded as in the other views.
bool RecordUtf8Key(UndoKind kind, int32_t length, LONG start)
{
    switch (kind) {
    case UndoTyping:
        RecordRun(kind, length, EditorCharStop(start, CharStepAt));
        return true;
    case UndoDeleteKey: {
        LONG from = EditorCharStop(start, CharStepAt), to = EditorCharStop(from, CharStepRight);
        if (to > from) RecordCharacter(kind, from, to, 0);
        return true;
    }
    case UndoBackspaceKey: {
        LONG from = EditorCharStop(start, CharStepLeft);
        if (start > from) RecordCharacter(kind, from, start, 0);
        return true;
    }
    case UndoOverwrite: {
        CHARRANGE replaced = OverwrittenCharacter(start);
        RecordCharacter(UndoReplaceSelection, replaced.cpMin, replaced.cpMax, length);
        return true;
    }
    default:
        return false;
    }
}

}   // namespace

void RecordUndo(UndoKind kind, int32_t length)
{
    if (Editor.SingleLevelUndo) return;
    LONG textLength = EditorTextLength();
    CHARRANGE selection = EditorSelection();
    if (selection.cpMin != selection.cpMax && (kind < UndoReplaceSelection || kind == UndoOverwrite))
        kind = UndoReplaceSelection;
    if (!EditorHasRoomFor(InsertedBytes(kind, length, selection.cpMin))) return;
    if (Utf8View() && RecordUtf8Key(kind, length, selection.cpMin)) return;
    switch (kind) {
    case UndoTyping:
    case UndoLineBreak:
        RecordRun(kind, length, selection.cpMin);
        break;
    case UndoDeleteKey:
        if (selection.cpMin < textLength) RecordSmallText(UndoDeleteKey, selection.cpMin, selection.cpMin + 2);
        break;
    case UndoBackspaceKey:
        if (selection.cpMin > 0)
            RecordSmallText(UndoBackspaceKey, selection.cpMin > 1 ? selection.cpMin - 2 : 0, selection.cpMin);
        break;
    case UndoReplaceSelection:
        RecordReplacement(selection, length);
        break;
    case UndoCtrlDelete:
    case UndoCtrlBackspace:
        RecordWordDeletion(kind == UndoCtrlDelete, selection.cpMin, textLength);
        break;
    case UndoWholeText:
        RecordSnapshot(selection, textLength);
        break;
    case UndoOverwrite:
        RecordOverwrite(selection.cpMin);
        break;
    default:
        break;
    }
}

void UndoLast()
{
    UndoRecord* record = Editor.UndoHead;
    if (!record) return;
    switch (record->Kind) {
    case UndoTyping:
    case UndoLineBreak:
        UndoRunStep(*record);   // drops the record once the run is used up
        return;
    case UndoDeleteKey:
        UndoDeleteKeyStep(*record);
        break;
    case UndoBackspaceKey:
        UndoBackspaceStep(*record);
        break;
    case UndoReplaceSelection:
        ReplaceRange(record->Range.chrg.cpMin, record->Range.chrg.cpMax, record->Range.lpstrText,
                     record->Range.lpstrText ? record->SmallText : 0);
        break;
    case UndoWholeText:
        UndoSnapshot(*record);
        break;
    case UndoOverwrite: {
        char single = static_cast<char>(record->SmallText & 0xFF);
        ReplaceRange(record->Range.chrg.cpMin, record->Range.chrg.cpMax, &single,
                     (record->SmallText & OverwrittenByteKept) ? 1 : 0);
        break;
    }
    }
    DropNewestRecord();
}

bool RecordUndoSnapshotOf(char* text, int32_t length)
{
    if (Editor.SingleLevelUndo || SnapshotShared()) return false;
    return PushSnapshot(EditorSelection(), text, static_cast<DWORD>(length));
}

void FreeUndoHistory()
{
    while (Editor.UndoHead) DropNewestRecord();
}

bool DocumentDirty()
{
    return EditorModified() && (Editor.SingleLevelUsed || Editor.UndoHead);
}

bool UndoAvailable()
{
    return Editor.SingleLevelUndo ? EditorCanUndo() : Editor.UndoHead != nullptr;
}

void UndoCommand()
{
    WaitCursor wait;   // a snapshot may bring back a whole long text
    if (Editor.SingleLevelUndo)
        UndoEditor();
    else
        UndoLast();
}
