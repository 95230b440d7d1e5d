// Creation of the document window and the Word Wrap command, which re-creates it.
#include "editor/editor_control.h"

#include "app/app_state.h"
#include "app/settings.h"
#include "coding/view_coding.h"
#include "editor/editor_calls.h"
#include "editor/memory_stream.h"
#include "editor/ole_callback.h"
#include "editor/system_error.h"
#include "textctl/textctl.h"

namespace {

constexpr DWORD EditorStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | ES_SELECTIONBAR | WS_VSCROLL | ES_MULTILINE
    | ES_NOOLEDRAGDROP | ES_AUTOVSCROLL;   // 0x5520004C
constexpr UINT WordWrapCommand = 18;

void MarkWordWrap()
{
    CheckMenuItem(GetMenu(App.MainWindow), WordWrapCommand,
                  MF_BYCOMMAND | (App.WordWrapStyle == 0 ? MF_CHECKED : MF_UNCHECKED));
}

void LayOutMainWindow()
{
    RECT client;
    GetClientRect(App.MainWindow, &client);
    SendMessageA(App.MainWindow, WM_SIZE, 0, MAKELPARAM(client.right, client.bottom));
}

}   // namespace

void CreateEditor()
{
    App.EditorWindow =
        CreateWindowExA(WS_EX_STATICEDGE | WS_EX_ACCEPTFILES, TextControlClassName, "", EditorStyle | App.WordWrapStyle,
                        0, 64, 128, 128, App.MainWindow, nullptr, App.Instance, nullptr);
    if (!App.EditorWindow) return;
    App.RichEditDefaultProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(App.EditorWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EditorSubclassProc)));
    SetFocus(App.EditorWindow);
    SetEditorTextLimit(App.TextLimit);
    SetEditorBackground(ReadSettingNumber("Bk", GetSysColor(COLOR_WINDOW)));
    RefreshViewCoding();
    App.OverwriteMode = 0;
    App.LastCaretRange.cpMin = -1;   // the next caret report rewrites its pane
    SetEditorOleCallback(&EditorOleCallback);
}

void ToggleWordWrap()
{
    auto* text = static_cast<uint8_t*>(GlobalAlloc(GPTR, static_cast<SIZE_T>(EditorTextLength()) + 2));
    if (!text) return;
    CHARRANGE selection = EditorSelection();
    bool modified = EditorModified();
    MemoryStream stream = {0, 0, text};
    StreamOutToMemory(stream);

    // The new control is made before the old one goes, so a failure keeps the document.
    HWND oldEditor = App.EditorWindow;
    uint32_t oldStyle = App.WordWrapStyle;
    App.WordWrapStyle = oldStyle == 0 ? NoWrapStyle : 0;
    CreateEditor();
    if (!App.EditorWindow) {
        ShowSystemError();
        App.EditorWindow = oldEditor;
        App.WordWrapStyle = oldStyle;
        GlobalFree(text);
        return;
    }
    DestroyWindow(oldEditor);
    MarkWordWrap();
    WriteSettingNumber("WW", App.WordWrapStyle);
    LayOutMainWindow();

    StreamInFromMemory(stream, SF_TEXT);
    SelectEditorRange(selection.cpMin, selection.cpMax);
    SetEditorModified(modified);
    GlobalFree(text);
}
