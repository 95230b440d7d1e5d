#include "app/menu_handling.h"
#include "res/resource.h"

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
