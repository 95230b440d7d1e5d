// Creation of the document window and the Word Wrap command, which re-creates it.
#include "editor/editor_control.h"

#include "editor/editor_calls.h"
#include "editor/editor_host.h"
#include "editor/editor_keys.h"
#include "editor/editor_state.h"
#include "editor/memory_stream.h"
#include "editor/message_box.h"
#include "editor/ole_callback.h"
#include "editor/view_coding.h"
#include "editor/wait_cursor.h"
#include "settings/settings.h"
#include "textctl/textctl.h"

namespace {

constexpr DWORD EditorStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | ES_SELECTIONBAR | WS_VSCROLL | ES_MULTILINE
    | ES_NOOLEDRAGDROP | ES_AUTOVSCROLL;   // 0x5520004C
void LayOutMainWindow()
{
    RECT client;
    GetClientRect(HostWindow(), &client);
    SendMessageA(HostWindow(), WM_SIZE, 0, MAKELPARAM(client.right, client.bottom));
}

}   // namespace

EditorState Editor;

void CreateEditor()
{
    Editor.Window = CreateWindowExA(WS_EX_STATICEDGE | WS_EX_ACCEPTFILES, TextControlClassName, "",
                                    EditorStyle | Editor.WordWrapStyle, 0, 64, 128, 128, HostWindow(), nullptr,
                                    HostInstance(), nullptr);
    if (!Editor.Window) return;
    Editor.ControlProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(Editor.Window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EditorSubclassProc)));
    SetFocus(Editor.Window);
    SetEditorTextLimit(Editor.TextLimit);
    SetEditorBackground(ReadSettingNumber(SettingName::Background));
    RefreshViewCoding();
    Editor.OverwriteMode = false;
    HostEditorCreated();
    SetEditorOleCallback(&EditorOleCallback);
}

void ToggleWordWrap()
{
    WaitCursor wait;
    auto* text = static_cast<uint8_t*>(GlobalAlloc(GPTR, static_cast<SIZE_T>(EditorTextLength()) + 2));
    if (!text) return;
    CHARRANGE selection = EditorSelection();
    bool modified = EditorModified();
    MemoryStream stream = {0, 0, text};
    StreamOutToMemory(stream);

    // The new control is made before the old one goes, so a failure keeps the document.
    HWND oldEditor = Editor.Window;
    uint32_t oldStyle = Editor.WordWrapStyle;
    Editor.WordWrapStyle = oldStyle == 0 ? NoWrapStyle : 0;
    CreateEditor();
    if (!Editor.Window) {
        ShowSystemError();
        Editor.Window = oldEditor;
        Editor.WordWrapStyle = oldStyle;
        GlobalFree(text);
        return;
    }
    DestroyWindow(oldEditor);
    HostMarkWordWrap(Editor.WordWrapStyle == 0);
    WriteSettingNumber(SettingName::WordWrap, Editor.WordWrapStyle);
    LayOutMainWindow();

    StreamInFromMemory(stream, SF_TEXT);
    SelectEditorRange(selection.cpMin, selection.cpMax);
    SetEditorModified(modified);
    GlobalFree(text);
}
