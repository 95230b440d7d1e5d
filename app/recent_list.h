// The rules of the recent-files list that need no window system: the label of
// a menu position and where a recorded file goes in the list. The list is the
// order of the ten slots "0" to "9", most recent first.
#pragma once
#include <string>

constexpr int RecentSlotCount = 10;
constexpr size_t RecentLabelNameLimit = 13;   // longer names are cut to 12 characters and "..."

// "&", the position digit, a blank and the file name: what follows the last
// backslash after the path's first two characters, its first character as it
// is and the rest through `lower`.
std::wstring RecentLabel(int position, const std::wstring& path, wchar_t (*lower)(wchar_t));

// What a slot holds in relation to the file being recorded.
enum class SlotHolds { Nothing, OtherFile, ThisFile };

struct RecentPlace {
    char slot;          // the slot that holds the file from now on
    bool listed;        // it held the file already: its path and caret stay
    bool listChanged;   // the order must be written
    std::string list;   // the new order
};

// `list` holds each digit once (CleanRecentList); `slots` tells what each slot holds,
// a slot missing from the list holding nothing. A listed file moves to the front; a new
// one takes the lowest free slot, or else the least recently used one.
RecentPlace PlaceRecentFile(const std::string& list, const SlotHolds (&slots)[RecentSlotCount]);
