#include "app/menu_handling.h"
#include "res/resource.h"

bool HandleMenuDigit(HWND window, WPARAM wParam)
{
    // The MainWindow is a Unicode window: the whole low word is the character.
    wchar_t typed = LOWORD(wParam);
    if (HIWORD(wParam) != MF_POPUP || typed < L'0' || typed > L'9') return false;
    SendMessageA(window, WM_COMMAND, CMD_RECENT_FIRST + (typed - L'0'), 0);
    return true;
}
