#include "app/recent_list.h"

namespace {

// The name starts after the last backslash; one among the first two characters
// ("\\server") is not looked for.
size_t NameStart(const std::wstring& path)
{
    constexpr size_t FirstLooked = 2;
    if (path.size() <= FirstLooked) return path.size();
    size_t slash = path.rfind(L'\\');
    return slash == std::wstring::npos || slash < FirstLooked ? FirstLooked : slash + 1;
}

std::string Promote(char slot, const std::string& list)
{
    std::string promoted(1, slot);
    for (char c : list)
        if (c != slot && promoted.size() < RecentSlotCount) promoted += c;
    return promoted;
}

}   // namespace

std::wstring RecentLabel(int position, const std::wstring& path, wchar_t (*lower)(wchar_t))
{
    std::wstring name = path.substr(NameStart(path));
    for (size_t i = 1; i < name.size(); ++i) name[i] = lower(name[i]);
    if (name.size() > RecentLabelNameLimit) name = name.substr(0, RecentLabelNameLimit - 1) + L"...";
    return std::wstring(L"&") + static_cast<wchar_t>(L'0' + position) + L" " + name;
}

RecentPlace PlaceRecentFile(const std::string& list, const SlotHolds (&slots)[RecentSlotCount])
{
    char free = 0;
    for (int index = 0; index < RecentSlotCount; ++index) {
        char slot = static_cast<char>('0' + index);
        if (slots[index] == SlotHolds::ThisFile) {
            bool first = !list.empty() && list[0] == slot;
            return {slot, true, !first, first ? list : Promote(slot, list)};
        }
        if (slots[index] == SlotHolds::Nothing && !free) free = slot;
    }
    char slot = free ? free : list.back();
    return {slot, false, true, Promote(slot, list)};
}
