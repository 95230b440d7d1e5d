#include "document/document_files.h"
#include "coding/detect.h"
#include "document/document_host.h"
#include "document/document_state.h"
#include "document/window_title.h"
#include "editor/editor_calls.h"
#include "editor/editor_state.h"
#include "editor/file_access.h"
#include "editor/file_streams.h"
#include "editor/message_box.h"
#include "editor/undo.h"
#include "editor/view_coding.h"
#include "editor/wait_cursor.h"
#include "textctl/textctl.h"
#include <string>

namespace {

const wchar_t* LimitBasis = L"half of this computer's memory";

// Switches the view to the coding guessed from the beginning of the text.
void FollowGuessedViewCoding()
{
    uint8_t sample[DetectSampleLimit + 1] = {};   // with room for the terminating zero
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
    lstrcpynW(Document.FileName, UntitledName, PathCapacity);
    SetEditorModified(true);
    UpdateWindowTitle();
}

std::wstring TooLargeNotice(const wchar_t* name, const std::wstring& why)
{
    return std::wstring(name) + L"\nis too large for VERKO: " + why + L", and VERKO opens files of up to "
        + std::to_wstring(Editor.TextLimit) + L" bytes (" + LimitBasis + L").";
}

// The size of an open file that the editor can hold, or the refusal to say why not.
bool FitsTextLimit(HANDLE file, const wchar_t* name)
{
    uint64_t size = 0;
    if (!FileSize(file, size)) {
        ShowSystemError(std::wstring(L"VERKO could not read the size of ") + name);
        return false;
    }
    if (size <= Editor.TextLimit) return true;
    ShowNotice(TooLargeNotice(name, L"it has " + std::to_wstring(size) + L" bytes"));
    return false;
}

// A read that stopped: a file that gave more than the editor holds (a device,
// or one that grew while read) is refused as too large, anything else with the system's words.
void ShowReadError(DWORD error, const wchar_t* name)
{
    if (error == TextLimitStreamError)
        ShowNotice(TooLargeNotice(name, L"reading it went past the limit"));
    else
        ShowSystemErrorCode(error, std::wstring(L"VERKO could not read ") + name);
}

// The caret last used in the file, when the recent-files list keeps one.
void RestoreRememberedCaret()
{
    LONG caret = HostRememberedCaret(Document.FileName);
    if (caret >= 0) SelectEditorRange(caret, caret);
}

}   // namespace

void SetTextLimitBasis(const wchar_t* basis)
{
    LimitBasis = basis;
}

LoadResult LoadDocument(const wchar_t* name)
{
    size_t length = std::wcslen(name);
    if (length >= PathCapacity) {
        ShowNotice(L"This file name is too long for VERKO: it has " + std::to_wstring(length)
                   + L" characters, and VERKO takes names of up to " + std::to_wstring(PathCapacity - 1) + L".\n\n"
                   + name);
        return LoadResult::Refused;
    }
    HANDLE file = OpenFileForReading(name);
    if (file == INVALID_HANDLE_VALUE) return LoadResult::Missing;
    if (!FitsTextLimit(file, name)) {
        CloseHandle(file);
        return LoadResult::Refused;
    }
    WaitCursor wait;
    DWORD error = StreamFileIn(file, SF_TEXT);
    CloseHandle(file);
    if (error) {
        ShowReadError(error, name);
        ForgetInterruptedLoad();
        return LoadResult::Refused;
    }
    FreeUndoHistory();
    SetEditorModified(false);
    if (name != Document.FileName) lstrcpynW(Document.FileName, name, PathCapacity);
    RestoreRememberedCaret();
    HostRecordRecentFile(Document.FileName);
    UpdateWindowTitle();
    FollowGuessedViewCoding();
    return LoadResult::Loaded;
}

void InsertFileContents(const wchar_t* name)
{
    HANDLE file = OpenFileForReading(name);
    if (file == INVALID_HANDLE_VALUE) return;
    uint64_t size = 0;
    bool sized = FileSize(file, size);
    if (sized && EditorHasRoomFor(size)) {
        WaitCursor wait;
        RecordUndo(UndoWholeText, 0);
        DWORD error = StreamFileIn(file, SF_TEXT | SFF_SELECTION);
        if (error) ShowReadError(error, name);
    } else if (sized) {
        MessageBeep(0);   // the stream would stop at the text limit with part of the file in
    }
    CloseHandle(file);
}
