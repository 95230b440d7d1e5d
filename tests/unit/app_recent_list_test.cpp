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
    using H = SlotHolds;
    const H none = H::Nothing, other = H::OtherFile, self = H::ThisFile;
    struct Case {
        const char* list;
        SlotHolds slots[RecentSlotCount];
        char slot;
        bool listed, changed;
        const char* newList;
    };
    const Case cases[] = {
        {"", {}, '0', false, true, "0"},
        {"20", {other, none, other}, '1', false, true, "120"},    // lowest free slot
        {"210", {other, self, other}, '1', true, true, "120"},    // listed third: to the front
        {"120", {other, self, other}, '1', true, false, "120"},   // already first: nothing written
        {"9876543210",
         {other, other, other, other, other, other, other, other, other, other},
         '0',
         false,
         true,
         "0987654321"},   // the oldest gives its slot
        {"9876543210",
         {other, other, none, other, other, other, other, other, other, other},
         '2',
         false,
         true,
         "2987654310"},   // an emptied slot is reused first
    };
    for (const Case& c : cases) {
        RecentPlace place = PlaceRecentFile(c.list, c.slots);
        EXPECT_EQ(place.slot, c.slot) << c.list;
        EXPECT_EQ(place.listed, c.listed) << c.list;
        EXPECT_EQ(place.listChanged, c.changed) << c.list;
        EXPECT_EQ(place.list, c.newList) << c.list;
    }
}
