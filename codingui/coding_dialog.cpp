// The two lists hold the conversion codings in index order, so an entry's
// position is its coding. The choice is stored only when "=>" converts.
#include "codingui/coding_dialog.h"

#include <windows.h>

#include "codingui/transform_rules.h"
#include "codingui/transform_selection.h"
#include "editor/modal_dialog.h"
#include "editor/editor_calls.h"
#include "res/resource.h"
#include "settings/settings.h"

namespace {

// A stored choice that names no entry shows the default of its setting.
void FillList(HWND dialog, int id, const char* setting, int fallback)
{
    HWND list = GetDlgItem(dialog, id);
    for (int coding = 0; coding < ConversionCodingCount; ++coding)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ConversionCodingName(coding)));
    SendMessageA(list, LB_SETCURSEL, DialogEntry(ReadSettingNumber(setting), fallback), 0);
}

int Chosen(HWND dialog, int id)
{
    return static_cast<int>(SendDlgItemMessageA(dialog, id, LB_GETCURSEL, 0, 0));
}

void Convert(HWND dialog)
{
    const int from = Chosen(dialog, IDC_CODING_FROM), to = Chosen(dialog, IDC_CODING_TO);
    WriteSettingNumber(SettingName::CodingFrom, from);
    WriteSettingNumber(SettingName::CodingTo, to);
    ConvertSelection(from, to);
    EndDialog(dialog, IDOK);
}

INT_PTR CALLBACK CodingDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        FillList(dialog, IDC_CODING_FROM, SettingName::CodingFrom, CodingAnsi);
        FillList(dialog, IDC_CODING_TO, SettingName::CodingTo, CodingKoi8);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK)
            Convert(dialog);
        else if (LOWORD(wParam) == IDCANCEL)
            EndDialog(dialog, IDCANCEL);   // Escape and the close box store nothing
        return TRUE;
    }
    return FALSE;
}

}   // namespace

void CodingDialogCommand()
{
    KeepEditorSelectionVisible(true);
    RunModalDialog(IDD_CODING, CodingDialogProc);
    KeepEditorSelectionVisible(false);
}
