#include "app/window_placement.h"
#include "settings/settings.h"

namespace {

constexpr DWORD PlacementSize = 44;
static_assert(sizeof(WINDOWPLACEMENT) == PlacementSize, "the stored record is 44 bytes");

// A window shown normally, minimised or maximised, whose normal rectangle has
// room and meets the screen; any other record would leave no window to use.
bool UsablePlacement(const WINDOWPLACEMENT& placement)
{
    const RECT& normal = placement.rcNormalPosition;
    int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    RECT screen = {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN), top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    RECT shared;
    bool shown = placement.showCmd == SW_SHOWNORMAL || placement.showCmd == SW_SHOWMINIMIZED
        || placement.showCmd == SW_SHOWMAXIMIZED;
    return shown && LONGLONG(normal.right) - normal.left >= GetSystemMetrics(SM_CXMIN)
        && LONGLONG(normal.bottom) - normal.top >= GetSystemMetrics(SM_CYMIN)
        && IntersectRect(&shared, &normal, &screen);
}

// Only a record of exactly 44 bytes that names its own length counts: a shorter
// one would leave the show command zero, which hides the window.
bool ReadPlacement(WINDOWPLACEMENT& placement)
{
    return ReadSettingBytes(SettingName::Placement, &placement, PlacementSize) && placement.length == PlacementSize
        && UsablePlacement(placement);
}

}

int RestoreWindowPlacement(HWND window, int showCommand)
{
    WINDOWPLACEMENT placement{};
    if (!ReadPlacement(placement)) return showCommand;
    SetWindowPlacement(window, &placement);
    return static_cast<int>(placement.showCmd);
}

void SaveWindowPlacement(HWND window)
{
    // Only beside settings already stored: a first run that changed nothing leaves no key.
    if (!SettingsStored()) return;
    WINDOWPLACEMENT placement{};
    placement.length = PlacementSize;
    if (GetWindowPlacement(window, &placement)) WriteSettingBytes(SettingName::Placement, &placement, PlacementSize);
}
