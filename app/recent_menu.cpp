#include "app/recent_menu.h"
#include "app/app_state.h"
#include "app/recent_files.h"
#include "res/resource.h"
#include <shellapi.h>
#include <algorithm>
#include <string>

namespace {

constexpr int IconGap = 1;     // between the icon and the text's frame
constexpr int TextGap = 5;     // between the frame and the text
constexpr int Highlight = 2;   // the selected item's frame around its highlight

// The file's small icon at the item's left edge, centred in its height.
void DrawFileIcon(HDC dc, const RECT& item, const std::wstring& path)
{
    SHFILEINFOW info{};
    if (!SHGetFileInfoW(path.c_str(), 0, &info, sizeof info, SHGFI_ICON | SHGFI_SMALLICON | SHGFI_SHELLICONSIZE)
        || !info.hIcon)
        return;
    int top = (item.top + item.bottom - GetSystemMetrics(SM_CYSMICON)) / 2;
    DrawIconEx(dc, item.left, top, info.hIcon, 0, 0, 0, nullptr, DI_NORMAL);
    DestroyIcon(info.hIcon);
}

}   // namespace

bool IsRecentItem(UINT controlType, UINT id)
{
    return controlType == ODT_MENU && id >= CMD_RECENT_FIRST && id <= CMD_RECENT_LAST;
}

void MeasureRecentItem(MEASUREITEMSTRUCT& item)
{
    std::wstring path;
    std::wstring label = RecentItemLabel(static_cast<int>(item.itemID - CMD_RECENT_FIRST), path);
    item.itemWidth = 0;
    item.itemHeight = 0;
    if (label.empty()) return;
    HDC screen = GetDC(nullptr);
    HGDIOBJ oldFont = SelectObject(screen, App.MenuFont);
    SIZE size{};
    GetTextExtentPoint32W(screen, label.c_str(), static_cast<int>(label.size()), &size);
    SelectObject(screen, oldFont);
    ReleaseDC(nullptr, screen);
    item.itemWidth = static_cast<UINT>(size.cx);
    item.itemHeight = static_cast<UINT>(std::max<LONG>(size.cy, GetSystemMetrics(SM_CYSMICON)) + 2);
}

void DrawRecentItem(const DRAWITEMSTRUCT& item)
{
    std::wstring path;
    std::wstring label = RecentItemLabel(static_cast<int>(item.itemID - CMD_RECENT_FIRST), path);
    if (label.empty()) return;
    HDC dc = item.hDC;
    RECT text = item.rcItem;
    text.left += GetSystemMetrics(SM_CXSMICON) + IconGap;
    COLORREF oldColour;
    if (item.itemState & ODS_SELECTED) {
        oldColour = SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
        DrawEdge(dc, &text, BDR_RAISEDINNER, BF_RECT);
        RECT inside = text;
        InflateRect(&inside, -Highlight, -Highlight);
        FillRect(dc, &inside, GetSysColorBrush(COLOR_HIGHLIGHT));
    } else {
        oldColour = SetTextColor(dc, GetSysColor(COLOR_MENUTEXT));
        FillRect(dc, &text, GetSysColorBrush(COLOR_MENU));
        DrawEdge(dc, &text, BDR_RAISEDINNER, BF_RECT | BF_FLAT);
        DrawFileIcon(dc, item.rcItem, path);
    }
    text.left += TextGap;
    int oldMode = SetBkMode(dc, TRANSPARENT);
    HGDIOBJ oldFont = SelectObject(dc, App.MenuFont);
    DrawTextW(dc, label.c_str(), static_cast<int>(label.size()), &text, DT_SINGLELINE | DT_VCENTER);
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldFont);
    SetTextColor(dc, oldColour);
}
