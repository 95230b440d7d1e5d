// The file's name is kept wide, so any name opens whatever the system's code page.
#include "tools/byte_editor.h"

#include <windows.h>
#include <commdlg.h>

#include "editor/modal_dialog.h"
#include "editor/editor_host.h"
#include "editor/editor_state.h"
#include "editor/message_box.h"
#include "res/resource.h"
#include "tools/byte_file.h"
#include "tools/hex_number.h"

namespace {

constexpr int FieldCapacity = PathCapacity + 1;   // at most 260 characters are read from a field
constexpr int TitleCapacity = 247;                // the file's title in the caption: 246 characters
constexpr wchar_t CaptionStart[] = L"Change byte: ";
constexpr wchar_t FileFilter[] = L"EXE Files (*.exe)\0*.exe\0All Files (*.*)\0*.*\0";
constexpr char ErrorText[] = "ERROR";

wchar_t ByteEditorFile[PathCapacity + 1];

// The field's text; a character outside ASCII becomes '?', which no number holds.
void ReadField(HWND dialog, int id, char (&text)[FieldCapacity])
{
    wchar_t wide[FieldCapacity] = L"";
    GetDlgItemTextW(dialog, id, wide, FieldCapacity);
    for (int i = 0; i < FieldCapacity; ++i) text[i] = wide[i] < 0x80 ? static_cast<char>(wide[i]) : '?';
}

bool ReadNumberField(HWND dialog, int id, uint32_t* value)
{
    char text[FieldCapacity];
    ReadField(dialog, id, text);
    return ParseHexNumber(text, value);
}

// An ASCII text into the value field.
void ShowValue(HWND dialog, const char* text)
{
    wchar_t wide[8] = L"";
    for (int i = 0; i < 7 && text[i]; ++i) wide[i] = static_cast<unsigned char>(text[i]);
    SetDlgItemTextW(dialog, IDC_BYTE_VALUE, wide);
}

void EnableSet(HWND dialog, bool enabled)
{
    HWND set = GetDlgItem(dialog, IDC_BYTE_SET);
    // A disabled button cannot keep the focus: give it to the value to correct.
    if (!enabled && GetFocus() == set)
        SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, IDC_BYTE_VALUE)), TRUE);
    EnableWindow(set, enabled);
}

// The byte at the address typed, or "ERROR" with Set disabled.
void ShowStoredByte(HWND dialog)
{
    uint32_t address;
    uint8_t byte;
    bool read =
        ReadNumberField(dialog, IDC_BYTE_ADDRESS, &address) && ReadFileByte(ByteEditorFile, address, false, &byte);
    char digits[3];
    if (read) FormatHexByte(byte, digits);
    ShowValue(dialog, read ? digits : ErrorText);
    EnableSet(dialog, read);
}

// Writes the low 8 bits of the value typed at the address typed, after asking;
// an invalid or unchanged value writes nothing and disables Set.
void SetByte(HWND dialog)
{
    uint32_t address, value;
    uint8_t stored;
    if (!ReadNumberField(dialog, IDC_BYTE_ADDRESS, &address) || !ReadFileByte(ByteEditorFile, address, true, &stored)) {
        ShowValue(dialog, ErrorText);
        return;
    }
    if (!ReadNumberField(dialog, IDC_BYTE_VALUE, &value) || static_cast<uint8_t>(value) == stored) {
        EnableSet(dialog, false);
        return;
    }
    if (!AskYesNo(L"Are you sure?", dialog)) return;
    if (!WriteFileByte(ByteEditorFile, address, static_cast<uint8_t>(value))) ShowValue(dialog, ErrorText);
}

void ShowCaption(HWND dialog)
{
    wchar_t title[TitleCapacity] = L"";
    if (GetFileTitleW(ByteEditorFile, title, TitleCapacity) != 0) {
        // Too long for the caption: the name's first characters.
        const wchar_t* slash = wcsrchr(ByteEditorFile, L'\\');
        lstrcpynW(title, slash ? slash + 1 : ByteEditorFile, TitleCapacity);
    }
    wchar_t caption[sizeof CaptionStart / sizeof(wchar_t) + TitleCapacity];
    lstrcpyW(caption, CaptionStart);
    lstrcatW(caption, title);
    SetWindowTextW(dialog, caption);
}

INT_PTR CALLBACK ByteEditorProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_INITDIALOG) {
        ShowCaption(dialog);
        return TRUE;   // the address field takes the focus, which shows the byte at 0
    }
    if (message != WM_COMMAND) return FALSE;
    switch (LOWORD(wParam)) {
    case IDC_BYTE_ADDRESS:
        if (HIWORD(wParam) == EN_SETFOCUS || HIWORD(wParam) == EN_CHANGE) ShowStoredByte(dialog);
        return TRUE;
    case IDC_BYTE_SET:
        SetByte(dialog);
        return TRUE;
    case IDCANCEL:
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

}   // namespace

void OpenByteEditor()
{
    ByteEditorFile[0] = 0;
    OPENFILENAMEW record = {};
    record.lStructSize = OPENFILENAME_SIZE_VERSION_400W;
    record.hwndOwner = HostWindow();
    record.lpstrFilter = FileFilter;
    record.nFilterIndex = 1;
    record.lpstrFile = ByteEditorFile;
    record.nMaxFile = PathCapacity + 1;
    record.lpstrDefExt = L"exe";
    record.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_NOREADONLYRETURN;
    if (!GetOpenFileNameW(&record)) return;
    RunModalDialog(IDD_BYTE_EDITOR, ByteEditorProc, DialogChars::Unicode);
}
