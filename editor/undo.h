// The multilevel undo history of the document.
#pragma once
#include <cstdint>

// Request codes of RecordUndo; the same numbers are the kinds stored in records.
enum UndoKind : uint8_t {
    UndoTyping = 0,             // a typed character in insert mode
    UndoLineBreak = 1,          // Enter
    UndoDeleteKey = 2,          // Delete without selection
    UndoBackspaceKey = 3,       // Backspace without selection
    UndoReplaceSelection = 4,   // a selection about to be replaced by `length` bytes
    UndoCtrlDelete = 5,         // the word to the right, deleted by the recorder
    UndoWholeText = 6,          // a snapshot of the whole text
    UndoCtrlBackspace = 7,      // the word to the left, deleted by the recorder
    UndoOverwrite = 8,          // a typed character in overwrite mode
};

// Called immediately before the change, while the selection still shows what will change.
void RecordUndo(UndoKind kind, int32_t length);
// The same snapshot as RecordUndo(UndoWholeText), made of the whole text's `length` bytes
// the caller has read into `text`, a block from GlobalAlloc: true when the history took
// the block. Otherwise (single-level undo, a snapshot already newest, no memory for the
// record) the caller keeps it and records nothing more.
bool RecordUndoSnapshotOf(char* text, int32_t length);
void UndoLast();
void FreeUndoHistory();
// The modify flag is set and the change counts (single-level undo was used or the history is not empty).
bool DocumentDirty();
// What the Undo menu item and button follow.
bool UndoAvailable();
// Undo: the control's own undo with SingleLevelUndo, else the newest record.
void UndoCommand();
