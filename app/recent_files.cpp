#include "app/recent_files.h"
#include "app/app_state.h"
#include "app/recent_list.h"
#include "document/confirm_discard.h"
#include "document/document_files.h"
#include "editor/file_access.h"
#include "res/resource.h"
#include "settings/settings.h"

namespace {

constexpr size_t ListCapacity = RecentSlotCount + 1;

std::string RecentOrder()
{
    char list[ListCapacity];
    ReadSettingText(SettingName::RecentList, list, sizeof list);
    return CleanRecentList(list);
}

std::wstring SlotPath(char slot)
{
    wchar_t path[PathCapacity];
    ReadSettingWideText(SettingSlotName(SettingName::RecentFile, slot - '0').c_str(), path, PathCapacity);
    return path;
}

std::string SlotValue(const char* pattern, char slot)
{
    return SettingSlotName(pattern, slot - '0');
}

wchar_t LowerCase(wchar_t c)
{
    return static_cast<wchar_t>(reinterpret_cast<ULONG_PTR>(CharLowerW(reinterpret_cast<LPWSTR>(ULONG_PTR(c)))));
}

// Removable, network and CD drives, names starting with a backslash and names
// with "$" stay out of the list.
bool MayBeRecorded(const wchar_t* name)
{
    wchar_t root[] = {name[0], L':', L'\\', 0};
    return name[0] && GetDriveTypeW(root) == DRIVE_FIXED && !std::wcschr(name, L'$');
}

// The slot that holds the file; 0 when none does.
char SlotOf(const wchar_t* name)
{
    for (int index = 0; index < RecentSlotCount; ++index) {
        char slot = static_cast<char>('0' + index);
        std::wstring path = SlotPath(slot);
        if (!path.empty() && SameFileName(path.c_str(), name)) return slot;
    }
    return 0;
}

}   // namespace

void RecordRecentFile(const wchar_t* name)
{
    if (!MayBeRecorded(name)) return;
    std::string list = RecentOrder();
    SlotHolds slots[RecentSlotCount] = {};
    for (char slot : list) {
        std::wstring path = SlotPath(slot);
        if (!path.empty())
            slots[slot - '0'] = SameFileName(path.c_str(), name) ? SlotHolds::ThisFile : SlotHolds::OtherFile;
    }
    RecentPlace place = PlaceRecentFile(list, slots);
    if (!place.listed) {
        WriteSettingNumber(SlotValue(SettingName::RecentCaret, place.slot).c_str(), 0);
        WriteSettingWideText(SlotValue(SettingName::RecentFile, place.slot).c_str(), name);
    }
    if (!place.listChanged) return;
    WriteSettingText(SettingName::RecentList, place.list.c_str());
    RefreshRecentMenu();
}

LONG RecentCaret(const wchar_t* name)
{
    char slot = MayBeRecorded(name) ? SlotOf(name) : 0;
    if (!slot) return -1;
    return static_cast<LONG>(ReadSettingNumber(SlotValue(SettingName::RecentCaret, slot).c_str()));
}

void RememberRecentCaret(const wchar_t* name, LONG caret)
{
    if (char slot = SlotOf(name))
        WriteSettingNumber(SlotValue(SettingName::RecentCaret, slot).c_str(), static_cast<uint32_t>(caret));
}

std::wstring RecentItemLabel(int position, std::wstring& path)
{
    std::string list = RecentOrder();
    path.clear();
    if (position >= static_cast<int>(list.size())) return std::wstring();
    path = SlotPath(list[position]);
    return path.empty() ? std::wstring() : RecentLabel(position, path, LowerCase);
}

void OpenRecentFile(int position)
{
    if (!ConfirmDiscard()) return;
    std::string list = RecentOrder();
    if (position >= static_cast<int>(list.size())) return;
    std::wstring path = SlotPath(list[position]);
    // A file too large or unreadable was refused with a box and keeps its place.
    if (path.empty() || LoadDocument(path.c_str()) != LoadResult::Missing) return;
    WriteSettingWideText(SlotValue(SettingName::RecentFile, list[position]).c_str(), L"");
    RefreshRecentMenu();
}

void RefreshRecentMenu()
{
    HMENU menu = GetMenu(App.MainWindow);
    for (UINT command = CMD_RECENT_LAST; command >= CMD_RECENT_FIRST; --command) {
        ModifyMenuW(menu, command, MF_BYCOMMAND | MF_STRING, command, L"");
        ModifyMenuW(menu, command, MF_BYCOMMAND | MF_OWNERDRAW, command, nullptr);
    }
}
