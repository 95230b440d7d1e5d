// The one file dialog record shared by Open, Insert and Save As; the type
// chosen last is the document's and is offered next time.
#include "document/file_dialogs.h"
#include "document/document_state.h"
#include "editor/editor_host.h"

namespace {

OPENFILENAMEW Record;

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
    DWORD index = Record.nFilterIndex;
    if (index >= 1 && index <= FilterCount) Record.lpstrDefExt = FilterExtensions[index - 1];
}

// When the user picks another file type, a name typed without extension gets that type's.
UINT_PTR CALLBACK FileDialogHook(HWND dialog, UINT message, WPARAM, LPARAM lParam)
{
    if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == CDN_TYPECHANGE) {
        SetDefaultExtension();
        // The open dialog keeps its own copy of the extension; tell it the new one.
        const wchar_t* extension = Record.lpstrDefExt;
        SendMessageW(GetParent(dialog), CDM_SETDEFEXT, 0, reinterpret_cast<LPARAM>(extension ? extension : L""));
    }
    return 0;
}

// Shows the record's dialog over `name` (PathCapacity + 1 characters); true when confirmed.
bool RunFileDialog(wchar_t* name, DWORD flags, BOOL(WINAPI* dialog)(LPOPENFILENAMEW))
{
    Record.lpstrFile = name;
    Record.nFilterIndex = Document.FilterIndex;
    Record.Flags = flags;
    SetDefaultExtension();
    if (!dialog(&Record)) return false;
    Document.FilterIndex = Record.nFilterIndex;
    return true;
}

}   // namespace

void InitializeFileDialogRecord()
{
    ZeroMemory(&Record, sizeof Record);
    Record.lStructSize = OPENFILENAME_SIZE_VERSION_400W;
    Record.hwndOwner = HostWindow();
    Record.lpstrFilter = FileFilterList;
    Record.nMaxFile = PathCapacity;
    Record.lpfnHook = FileDialogHook;
}

bool AskOpenName(wchar_t* name)
{
    return RunFileDialog(name, ReadDialogFlags, GetOpenFileNameW);
}

bool AskSaveName(wchar_t* name)
{
    return RunFileDialog(name, SaveDialogFlags, GetSaveFileNameW);
}
