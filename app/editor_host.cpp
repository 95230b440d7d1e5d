// The shell's side of editor/editor_host.h.
#include "app/app_state.h"
#include "app/recent_files.h"
#include "app/status_bar.h"
#include "document/document_commands.h"
#include "document/document_host.h"
#include "editor/editor_host.h"
#include "res/resource.h"

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
    ShowInsertModePane();
    ForgetCaretPosition();
    // Posted: Word Wrap puts the text and the selection back into the new window first.
    PostMessageA(App.MainWindow, CaretMovedMessage, 0, 0);
}

void HostCaretMoved()
{
    PostMessageA(App.MainWindow, CaretMovedMessage, 0, 0);
}

void HostShowCaretPosition()
{
    ShowCaretPosition();
}

void HostShowNote(const char* text)
{
    ShowStatusNote(text);
}

void HostKeyboardLayoutChanged()
{
    ShowKeyboardPane();
}

void HostInsertModeChanged()
{
    ShowInsertModePane();
}

void HostShowViewCoding(Coding coding)
{
    constexpr UINT ViewCommands[ViewRowCount] = {CMD_VIEW_ANSI, CMD_VIEW_OEM, CMD_VIEW_KOI8, CMD_VIEW_UTF8};
    HMENU menu = GetMenu(App.MainWindow);
    // The four numbers are no run, so each item is unmarked and the one marked on its own.
    for (UINT command : ViewCommands) CheckMenuItem(menu, command, MF_BYCOMMAND | MF_UNCHECKED);
    const UINT marked = ViewCommands[ViewRow(coding)];
    CheckMenuRadioItem(menu, marked, marked, marked, MF_BYCOMMAND);
    ShowCodingPane();
}

void HostMarkWordWrap(bool wrapped)
{
    CheckMenuItem(GetMenu(App.MainWindow), CMD_WORD_WRAP, MF_BYCOMMAND | (wrapped ? MF_CHECKED : MF_UNCHECKED));
}

void HostOpenDroppedFile(const wchar_t* name)
{
    OpenNamedDocument(name);
}

void HostRecordRecentFile(const wchar_t* name)
{
    RecordRecentFile(name);
}

LONG HostRememberedCaret(const wchar_t* name)
{
    return RecentCaret(name);
}

void HostRememberCaret(const wchar_t* name, LONG caret)
{
    RememberRecentCaret(name, caret);
}
