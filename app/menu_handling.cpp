#include "app/menu_handling.h"
#include "app/app_state.h"
#include "app/command_state.h"
#include "res/resource.h"

namespace {

void EnableItem(HMENU popup, UINT command, bool enabled)
{
    EnableMenuItem(popup, command, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

}

void EnableMenuItems(HMENU popup, LPARAM lParam)
{
    bool windowMenu = HIWORD(lParam) != 0;
    if (windowMenu || LOWORD(lParam) > 1) return;   // only the File and Edit menus
    EnableItem(popup, CMD_UNDO, UndoPossible());
    EnableItem(popup, CMD_PASTE, ClipboardHasText());
    EnableItem(popup, CMD_SAVE, App.EditorWindow && SendMessageA(App.EditorWindow, EM_GETMODIFY, 0, 0) != 0);
    bool selection = EditorHasSelection();
    EnableItem(popup, CMD_COPY, selection);
    EnableItem(popup, CMD_CUT, selection);
    EnableItem(popup, CMD_DELETE, selection);
}

bool HandleMenuDigit(HWND window, WPARAM wParam)
{
    char typed = static_cast<char>(LOBYTE(LOWORD(wParam)));
    if (HIWORD(wParam) != MF_POPUP || typed < '0' || typed > '9') return false;
    SendMessageA(window, WM_COMMAND, CMD_RECENT_FIRST + (typed - '0'), 0);
    return true;
}

void MeasureRecentItem(MEASUREITEMSTRUCT& item)
{
    item.itemWidth = 0;
    item.itemHeight = 0;
}
