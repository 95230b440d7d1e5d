// The one file dialog record shared by Open, Insert and Save As.
#include "editor/file_dialogs.h"
#include "editor/confirm_discard.h"
#include "editor/document_files.h"
#include "editor/editor_host.h"
#include "editor/editor_state.h"
#include "editor/save_document.h"
#include "editor/undo.h"
#include "editor/window_title.h"

namespace {

const wchar_t FileFilterList[] = L"Text Files (*.txt,*.diz,*.rtf)\0*.txt;*.diz;*.rtf\0"
                                 L"All Files (*.*)\0*.*\0"
                                 L"HTML Files (*.htm,*.html)\0*.htm;*.html\0"
                                 L"Pascal Files (*.pas,*.dpr,*.asm)\0*.pas;*.dpr;*.asm\0"
                                 L"C Files (*.c,*.cpp,*.h,*.rc)\0*.c;*.h;*.cpp;*.rc\0"
                                 L"OS Files (*.bat,*.log,*.ini)\0*.bat;*.log;*.ini\0";

// Default extension of each filter, by filter index from 1; null adds none.
const wchar_t* const FilterExtensions[] = {L"txt", nullptr, L"htm", L"pas", L"c", L"bat"};
constexpr DWORD FilterCount = sizeof FilterExtensions / sizeof FilterExtensions[0];

constexpr DWORD ReadDialogFlags =
    OFN_EXPLORER | OFN_CREATEPROMPT | OFN_FILEMUSTEXIST | OFN_ENABLEHOOK | OFN_HIDEREADONLY;
constexpr DWORD SaveDialogFlags =
    OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_ENABLEHOOK | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;

// Follows the record's filter index; any other index keeps the extension as it was.
void SetDefaultExtension()
{
    DWORD index = Editor.FileDialogRecord.nFilterIndex;
    if (index >= 1 && index <= FilterCount) Editor.FileDialogRecord.lpstrDefExt = FilterExtensions[index - 1];
}

// When the user picks another file type, a name typed without extension gets that type's.
UINT_PTR CALLBACK FileDialogHook(HWND dialog, UINT message, WPARAM, LPARAM lParam)
{
    if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == CDN_TYPECHANGE) {
        SetDefaultExtension();
        // The open dialog keeps its own copy of the extension; tell it the new one.
        const wchar_t* extension = Editor.FileDialogRecord.lpstrDefExt;
        SendMessageW(GetParent(dialog), CDM_SETDEFEXT, 0, reinterpret_cast<LPARAM>(extension ? extension : L""));
    }
    return 0;
}

// Shows the record's dialog over `name` (PathCapacity + 1 characters); true when confirmed.
bool RunFileDialog(wchar_t* name, DWORD flags, BOOL(WINAPI* dialog)(LPOPENFILENAMEW))
{
    OPENFILENAMEW& record = Editor.FileDialogRecord;
    record.lpstrFile = name;
    record.nFilterIndex = Editor.LastFilterIndex;
    record.Flags = flags;
    SetDefaultExtension();
    if (!dialog(&record)) return false;
    Editor.LastFilterIndex = record.nFilterIndex;
    return true;
}

}   // namespace

void InitializeFileDialogRecord()
{
    OPENFILENAMEW& record = Editor.FileDialogRecord;
    ZeroMemory(&record, sizeof record);
    record.lStructSize = OPENFILENAME_SIZE_VERSION_400W;
    record.hwndOwner = HostWindow();
    record.lpstrFilter = FileFilterList;
    record.nMaxFile = PathCapacity;
    record.lpfnHook = FileDialogHook;
    Editor.LastFilterIndex = 1;
}

void OpenDocument()
{
    if (!ConfirmDiscard()) return;
    wchar_t name[PathCapacity + 1] = L"";
    if (RunFileDialog(name, ReadDialogFlags, GetOpenFileNameW)) LoadDocument(name);
}

void InsertFile()
{
    wchar_t name[PathCapacity + 1] = L"";
    if (RunFileDialog(name, ReadDialogFlags, GetOpenFileNameW)) InsertFileContents(name);
}

bool SaveDocumentAs()
{
    // The dialog works on a copy: a failing dialog may scribble over its buffer.
    wchar_t name[PathCapacity + 1];
    lstrcpynW(name, Editor.CurrentFileName, PathCapacity);
    if (!RunFileDialog(name, SaveDialogFlags, GetSaveFileNameW)) return false;
    lstrcpynW(Editor.CurrentFileName, name, PathCapacity);
    bool saved = SaveDocument();
    if (saved) {
        HostRecordRecentFile(Editor.CurrentFileName, false);
        FreeUndoHistory();
    }
    UpdateWindowTitle();
    return saved;
}
