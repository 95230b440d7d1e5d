#include "app/recent_list.h"
#include <gtest/gtest.h>

namespace {

wchar_t AsciiLower(wchar_t c)
{
    return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

}   // namespace

TEST(RecentList, LabelIsDigitAndShortenedName)
{
    struct Case {
        int position;
        const wchar_t* path;
        const wchar_t* label;
    };
    const Case cases[] = {
        {2, L"C:\\TEXTS\\ANNUAL-REPORT.TXT", L"&2 Annual-repor..."},
        {2, L"C:\\TEXTS\\README.TXT", L"&2 Readme.txt"},
        {0, L"C:\\ABCDEFGHI.TXT", L"&0 Abcdefghi.txt"},      // 13 characters: whole
        {9, L"C:\\ABCDEFGHIJ.TXT", L"&9 Abcdefghij.t..."},   // 14: cut to 12
        {1, L"C:FILE.TXT", L"&1 File.txt"},                  // no backslash: from the third character
        {3, L"\\\\SERVER", L"&3 Server"},                    // a backslash among the first two is not looked for
    };
    for (const Case& c : cases) EXPECT_EQ(RecentLabel(c.position, c.path, AsciiLower), c.label) << c.path;
}

TEST(RecentList, FileGoesToTheFrontOfTheList)
{
    // Slots: '.' holds nothing, 'o' another file, 's' this one. Result: the slot, 'L' when the
    // file was listed there, 'W' when the order is written, then the order.
    const char* const cases[][3] = {
        {"", "", "0-W:0"},
        {"20", "o.o", "1-W:120"},                         // the lowest free slot
        {"210", "oso", "1LW:120"},                        // listed third: to the front
        {"120", "oso", "1L-:120"},                        // already first: nothing written
        {"9876543210", "oooooooooo", "0-W:0987654321"},   // the oldest gives its slot
        {"9876543210", "oo.ooooooo", "2-W:2987654310"},   // an emptied slot is taken first
    };
    for (const auto& c : cases) {
        SlotHolds slots[RecentSlotCount] = {};
        for (size_t i = 0; c[1][i]; ++i)
            slots[i] = c[1][i] == 'o' ? SlotHolds::OtherFile
                : c[1][i] == 's'      ? SlotHolds::ThisFile
                                      : SlotHolds::Nothing;
        RecentPlace place = PlaceRecentFile(c[0], slots);
        std::string result = std::string(1, place.slot) + (place.listed ? "L" : "-") + (place.listChanged ? "W" : "-");
        EXPECT_EQ(result + ":" + place.list, c[2]) << c[0];
    }
}
