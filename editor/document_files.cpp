#include "editor/document_files.h"
#include "coding/detect.h"
#include "editor/confirm_discard.h"
#include "editor/editor_calls.h"
#include "editor/editor_host.h"
#include "editor/editor_state.h"
#include "editor/file_dialogs.h"
#include "editor/file_streams.h"
#include "editor/message_box.h"
#include "editor/save_document.h"
#include "editor/undo.h"
#include "editor/view_coding.h"
#include "editor/window_title.h"
#include <cstring>

namespace {

// Switches the view to the coding guessed from the beginning of the text.
void FollowGuessedViewCoding()
{
    uint8_t sample[DetectSampleLimit + 3] = {};   // the look-ahead past the text sees zeros
    LONG length = ReadEditorText(reinterpret_cast<char*>(sample), DetectSampleLimit + 1);
    Coding guess = DetectViewCoding(sample, static_cast<size_t>(length));
    if (guess != Editor.ViewCoding) {
        Editor.ViewCoding = guess;
        RefreshViewCoding();
    }
}

// An interrupted load has already replaced the text with part of the new file.
// The document becomes untitled, so a Save cannot write that part over the
// file that was open before; it stays modified, so closing still asks.
void ForgetInterruptedLoad()
{
    FreeUndoHistory();
    lstrcpynA(Editor.CurrentFileName, UntitledName, PathCapacity);
    SetEditorModified(true);
    UpdateWindowTitle();
}

}   // namespace

bool LoadDocument(const char* name)
{
    HANDLE file = OpenFileForReading(name);
    if (file == INVALID_HANDLE_VALUE) return false;
    if (!FileFitsTextLimit(file)) {
        CloseHandle(file);
        ShowSystemErrorCode(ERROR_FILE_TOO_LARGE);
        return false;
    }
    DWORD error = StreamFileIn(file, SF_TEXT);
    CloseHandle(file);
    if (error) {
        ShowSystemErrorCode(error);
        ForgetInterruptedLoad();
        return false;
    }
    FreeUndoHistory();
    SetEditorModified(false);
    if (name != Editor.CurrentFileName) lstrcpynA(Editor.CurrentFileName, name, PathCapacity);
    HostRecordRecentFile(Editor.CurrentFileName, true);
    UpdateWindowTitle();
    FollowGuessedViewCoding();
    return true;
}

void InsertFileContents(const char* name)
{
    HANDLE file = OpenFileForReading(name);
    if (file == INVALID_HANDLE_VALUE) return;
    if (FileFitsTextLimit(file)) {
        RecordUndo(UndoWholeText, 0);
        DWORD error = StreamFileIn(file, SF_TEXT | SFF_SELECTION);
        if (error) ShowSystemErrorCode(error);
    }
    CloseHandle(file);
}

bool SaveCommand()
{
    if (std::strcmp(Editor.CurrentFileName, UntitledName) == 0) return SaveDocumentAs();
    return SaveDocument();
}

void NewDocument()
{
    if (!ConfirmDiscard()) return;
    SetEditorText("");
    FreeUndoHistory();
    SetEditorModified(false);
    lstrcpynA(Editor.CurrentFileName, UntitledName, PathCapacity);
    UpdateWindowTitle();
}
