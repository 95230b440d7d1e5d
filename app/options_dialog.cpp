#include "app/options_dialog.h"
#include "app/app_state.h"
#include "app/main_window.h"
#include "app/status_bar.h"
#include "app/toolbar.h"
#include "editor/modal_dialog.h"
#include "editor/undo.h"
#include "res/resource.h"
#include "settings/settings.h"
#include <commctrl.h>
#include <algorithm>

namespace {

// The bars the user wants; they start as what is on the screen, not as what is stored.
struct WantedBars {
    bool toolbar;
    bool statusBar;
};

struct IndentBox {
    int edit;
    int upDown;
    const char* setting;
    int lower;
    int upper;
};
constexpr IndentBox IndentBoxes[] = {
    {IDC_OPTIONS_LEFT_INDENT, IDC_OPTIONS_LEFT_UPDOWN, SettingName::LeftIndent, 0, 80},
    {IDC_OPTIONS_RIGHT_INDENT, IDC_OPTIONS_RIGHT_UPDOWN, SettingName::RightIndent, 10, 128},
    {IDC_OPTIONS_FIRST_INDENT, IDC_OPTIONS_FIRST_UPDOWN, SettingName::FirstIndent, 0, 80},
};
// Shown ticked while it was never stored.
constexpr uint32_t IgnoreBreaksShown = 1;

bool Ticked(HWND dialog, int id)
{
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

void Tick(HWND dialog, int id, bool ticked)
{
    CheckDlgButton(dialog, id, ticked ? BST_CHECKED : BST_UNCHECKED);
}

// The up-down writes its position into the box; a stored value outside its range is brought inside.
void AttachUpDown(HWND dialog, const IndentBox& box)
{
    int stored = static_cast<int>(std::min<uint32_t>(ReadSettingNumber(box.setting), box.upper));
    CreateUpDownControl(WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS, 0, 0, 0, 0, dialog,
                        box.upDown, App.Instance, GetDlgItem(dialog, box.edit), box.upper, box.lower,
                        std::max(stored, box.lower));
}

void ShowChoices(HWND dialog, const WantedBars& wanted)
{
    Tick(dialog, IDC_OPTIONS_TOOLBAR, wanted.toolbar);
    Tick(dialog, IDC_OPTIONS_STATUS_BAR, wanted.statusBar);
    Tick(dialog, IDC_OPTIONS_MULTILEVEL_UNDO, !Editor.SingleLevelUndo);
    Tick(dialog, IDC_OPTIONS_RESTORE_SIZE, App.RestoreSize);
    Tick(dialog, IDC_OPTIONS_BIG_BUTTONS, App.BigButtons);
    for (const IndentBox& box : IndentBoxes) AttachUpDown(dialog, box);
    Tick(dialog, IDC_OPTIONS_IGNORE_BREAKS, ReadSettingNumber(SettingName::IgnoreLineBreaks, IgnoreBreaksShown) != 0);
}

// Text that is no number within the range makes the up-down report an error: the default is stored.
void StoreIndent(HWND dialog, const IndentBox& box)
{
    LRESULT position = SendDlgItemMessageA(dialog, box.upDown, UDM_GETPOS, 0, 0);
    const SettingInfo* setting = FindSetting(box.setting);
    WriteSettingNumber(box.setting, HIWORD(position) ? setting->defaultNumber : LOWORD(position));
}

void TakeChoices(HWND dialog, WantedBars& wanted)
{
    wanted.toolbar = Ticked(dialog, IDC_OPTIONS_TOOLBAR);
    wanted.statusBar = Ticked(dialog, IDC_OPTIONS_STATUS_BAR);
    Editor.SingleLevelUndo = !Ticked(dialog, IDC_OPTIONS_MULTILEVEL_UNDO);
    App.RestoreSize = Ticked(dialog, IDC_OPTIONS_RESTORE_SIZE);
    App.BigButtons = Ticked(dialog, IDC_OPTIONS_BIG_BUTTONS);
    WriteSettingNumber(SettingName::IgnoreLineBreaks, Ticked(dialog, IDC_OPTIONS_IGNORE_BREAKS));
    for (const IndentBox& box : IndentBoxes) StoreIndent(dialog, box);
}

INT_PTR CALLBACK OptionsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        ShowChoices(dialog, *reinterpret_cast<WantedBars*>(lParam));
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK)
            TakeChoices(dialog, *reinterpret_cast<WantedBars*>(GetWindowLongPtrA(dialog, DWLP_USER)));
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

void StoreSwitches(const WantedBars& wanted)
{
    WriteSettingNumber(SettingName::StatusBar, wanted.statusBar);
    WriteSettingNumber(SettingName::Toolbar, wanted.toolbar);
    WriteSettingNumber(SettingName::SingleLevelUndo, Editor.SingleLevelUndo);
    WriteSettingNumber(SettingName::RestoreSize, App.RestoreSize);
    WriteSettingNumber(SettingName::BigButtons, App.BigButtons);
}

void ApplyStatusBar(bool wanted)
{
    if (wanted && !App.StatusBarWindow) {
        CreateStatusBar();
        ShowInsertModePane();
        ForgetCaretPosition();
        ShowCaretPosition();
    } else if (!wanted && App.StatusBarWindow) {
        DestroyStatusBar();
    }
}

}   // namespace

void ShowOptionsDialog()
{
    WantedBars wanted{App.ToolbarWindow != nullptr, App.StatusBarWindow != nullptr};
    if (RunModalDialog(IDD_OPTIONS, OptionsDialogProc, DialogChars::Bytes, reinterpret_cast<LPARAM>(&wanted)) != IDOK)
        return;
    StoreSwitches(wanted);
    if (Editor.SingleLevelUndo) {
        FreeUndoHistory();
        Editor.SingleLevelUsed = true;   // for the rest of the run
    }
    // Rebuilt on every Ok, so a change of BIG Button shows at once.
    DestroyToolbar();
    if (wanted.toolbar) CreateToolbar();
    ApplyStatusBar(wanted.statusBar);
    PostMainWindowLayout();
}
