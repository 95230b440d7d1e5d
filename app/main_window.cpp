#include "app/main_window.h"
#include "app/app_state.h"
#include "app/command_enabling.h"
#include "app/command_table.h"
#include "app/menu_handling.h"
#include "app/recent_menu.h"
#include "app/status_bar.h"
#include "app/toolbar.h"
#include "app/toolbar_notify.h"
#include "app/window_placement.h"
#include "document/confirm_discard.h"
#include "editor/undo.h"
#include "print/printer.h"
#include "res/resource.h"

namespace {

int ChildHeight(HWND child)
{
    if (!child) return 0;
    SendMessageA(child, WM_SIZE, 0, 0);   // toolbar and status bar size themselves to their edge
    RECT bounds;
    GetWindowRect(child, &bounds);
    return bounds.bottom - bounds.top;
}

void LayOutChildren(LPARAM clientSize)
{
    int width = LOWORD(clientSize);
    int height = HIWORD(clientSize);
    int top = ChildHeight(App.ToolbarWindow);
    int bottom = ChildHeight(App.StatusBarWindow);
    if (Editor.Window) MoveWindow(Editor.Window, 0, top, width, height - top - bottom, TRUE);
}

// The save-changes question; without an editor there is nothing to lose.
bool MayDiscardDocument()
{
    return !Editor.Window || ConfirmDiscard();
}

void DestroyMainWindow(HWND window)
{
    if (App.PlacementTracked) SaveWindowPlacement(window);
    ReleasePrinterSetup();
    if (Editor.Window) {
        DestroyWindow(Editor.Window);
        Editor.Window = nullptr;
    }
    FreeUndoHistory();
    // The bars go with the window; no call may reach them afterwards.
    DestroyToolbar();
    DestroyStatusBar();
    PostQuitMessage(0);
}

}   // namespace

void PostMainWindowLayout()
{
    RECT client;
    GetClientRect(App.MainWindow, &client);
    PostMessageA(App.MainWindow, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_DESTROY:
        DestroyMainWindow(window);
        return 0;
    case WM_SIZE:
        LayOutChildren(lParam);
        break;
    case WM_SETFOCUS:
        if (Editor.Window) SetFocus(Editor.Window);
        break;
    case WM_CLOSE:
    case WM_QUERYENDSESSION:
        if (!MayDiscardDocument()) return 0;
        break;
    case WM_MEASUREITEM: {
        auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (IsRecentItem(item.CtlType, item.itemID)) MeasureRecentItem(item);
        break;
    }
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        if (IsRecentItem(item.CtlType, item.itemID)) DrawRecentItem(item);
        break;
    }
    case WM_NOTIFYFORMAT:
        // The window is Unicode for its title; its controls keep notifying in ANSI.
        if (lParam == NF_QUERY) return NFR_ANSI;
        break;
    case WM_NOTIFY: {
        LRESULT result = 0;
        if (HandleToolbarNotification(*reinterpret_cast<NMHDR*>(lParam), result)) return result;
        break;
    }
    case CaretMovedMessage:
        ShowCaretPosition();
        break;
    case WM_COMMAND:
        if (ExecuteCommand(LOWORD(wParam))) return 0;
        break;
    case WM_INITMENUPOPUP:
        EnableMenuItems(reinterpret_cast<HMENU>(wParam), lParam);
        break;
    case WM_MENUCHAR:
        if (HandleMenuDigit(window, wParam)) return MAKELRESULT(0, MNC_CLOSE);
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
