// The shell's side of editor/editor_host.h.
#include "app/app_state.h"
#include "app/recent_files.h"
#include "editor/editor_host.h"
#include "res/resource.h"
#include <commctrl.h>

namespace {

constexpr int CodingPane = 2;

}   // namespace

HWND HostWindow()
{
    return App.MainWindow;
}

HINSTANCE HostInstance()
{
    return App.Instance;
}

bool HostTranslateAccelerator(const MSG& key)
{
    MSG record = key;
    record.hwnd = App.MainWindow;
    return TranslateAcceleratorA(App.MainWindow, App.AcceleratorTable, &record) != 0;
}

void HostEditorCreated()
{
    App.LastCaretRange.cpMin = -1;
}

void HostCaretMoved()
{
    PostMessageA(App.MainWindow, CaretMovedMessage, 0, 0);
}

void HostShowViewCoding(Coding coding)
{
    CheckMenuRadioItem(GetMenu(App.MainWindow), CMD_VIEW_ANSI, CMD_VIEW_KOI8, CMD_VIEW_ANSI + coding, MF_BYCOMMAND);
    if (App.StatusBarWindow)
        SendMessageA(App.StatusBarWindow, SB_SETTEXTA, CodingPane, reinterpret_cast<LPARAM>(CodingName[coding]));
}

void HostMarkWordWrap(bool wrapped)
{
    CheckMenuItem(GetMenu(App.MainWindow), CMD_WORD_WRAP, MF_BYCOMMAND | (wrapped ? MF_CHECKED : MF_UNCHECKED));
}

void HostRecordRecentFile(const wchar_t* name, bool restoreCaret)
{
    RecordRecentFile(name, restoreCaret);
}

void HostRememberCaret(const wchar_t* name, LONG caret)
{
    RememberRecentCaret(name, caret);
}
