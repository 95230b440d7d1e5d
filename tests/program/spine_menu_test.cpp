// The menu and accelerator resources as the program loads them, and the menu's own handling.
#include "tests/program/harness.h"
#include "app/app_state.h"
#include "app/command_table.h"
#include "res/resource.h"
#include <algorithm>
#include <cstring>
#include <set>
#include <tuple>

namespace {

class SpineMenu : public ProgramTest {};

struct Item {
    const char* text;   // null: a separator
    UINT id;
};
constexpr Item Separator{nullptr, 0};

struct Popup {
    const char* title;
    std::vector<Item> items;
};

const std::vector<Popup> ExpectedMenu = {
    {"&File",
     {{"&New", 8},
      {"&Open ...", 9},
      {"&Insert ...", 37},
      {"&Save", 12},
      {"Save &As ...", 20},
      Separator,
      {"", 900},
      {"", 901},
      {"", 902},
      {"", 903},
      {"", 904},
      {"", 905},
      {"", 906},
      {"", 907},
      {"", 908},
      {"", 909},
      Separator,
      {"E&xit", 101}}},
    {"&Edit",
     {{"&Undo", 10},
      Separator,
      {"Cu&t", 4},
      {"&Copy", 5},
      {"&Paste", 11},
      {"De&lete", 17},
      Separator,
      {"Select &All", 112},
      {"&Word Wrap", 18}}},
    {"&Align", {{"&Justify", 31}, {"Ce&nter", 32}, {"L&eft", 33}, {"Right", 34}}},
    {"&Other",
     {{"&CharMap ...", 19},
      {"&Date&&Time", 38},
      Separator,
      {"Options ...", 36},
      {"ToolBar ...", 103},
      Separator,
      {"Byte Editor", 42},
      Separator,
      {"Page Se&tup", 16},
      {"P&age - N -", 15},
      {"Pre&View", 14},
      {"&Print", 13}}},
    {"&Search", {{"&Find", 6}, {"&Replace", 22}, {"&Search Again", 21}}},
    {"&Coding",
     {{"&OEM  (866)", 2},
      {"KOI8 R", 3},
      {"&UTF-8", 43},
      {"&ANSI (1251)", 1},
      Separator,
      {"-> Fido (H,p)", 26},
      {"&RTF to ANSI", 28},
      {"Other ...", 35},
      {"&Repair coding", 46},
      {"-> A&NSI", 23},
      {"-> KOI8", 25},
      {"-> UTF-8", 45},
      {"-> O&EM", 24},
      Separator,
      {"-> Translit", 27},
      {"\"=D8=E0\"", 29},
      {"&Line Break", 30}}},
    {"Fo&nt",
     {{"&OEM ...", 40},
      {"&KOI8 ...", 41},
      {"&UTF-8 ...", 44},
      {"&ANSI ...", 39},
      {"&Colors", 0},
      Separator,
      {"&Size\t-", 134},
      {"S&ize\t+", 135},
      Separator,
      {"HTML :(refresh)", 102}}},
    {"&?", {{"&Help", 7}, {"&About", 161}}},
};

const std::vector<Item> ExpectedColors = {{"Text", 104}, {"Background", 105}, {"<HTML>", 106}};

MENUITEMINFOA ItemInfo(HMENU menu, UINT position, std::string& text)
{
    char buffer[128] = "";
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING | MIIM_CHECKMARKS;
    info.dwTypeData = buffer;
    info.cch = sizeof buffer;
    EXPECT_TRUE(GetMenuItemInfoA(menu, position, TRUE, &info)) << "item " << position;
    text = (info.fType & (MFT_SEPARATOR | MFT_OWNERDRAW)) ? "" : buffer;
    return info;
}

void ExpectItems(HMENU menu, const std::vector<Item>& items, const char* where)
{
    ASSERT_EQ(GetMenuItemCount(menu), static_cast<int>(items.size())) << where;
    for (size_t i = 0; i < items.size(); ++i) {
        std::string text;
        MENUITEMINFOA info = ItemInfo(menu, static_cast<UINT>(i), text);
        SCOPED_TRACE(std::string(where) + " item " + std::to_string(i));
        if (!items[i].text) {
            EXPECT_TRUE(info.fType & MFT_SEPARATOR);
            continue;
        }
        EXPECT_FALSE(info.fType & MFT_SEPARATOR);
        EXPECT_EQ(text, items[i].text);
        if (info.hSubMenu) continue;
        EXPECT_EQ(info.wID, items[i].id);
        bool recent = items[i].id >= CMD_RECENT_FIRST && items[i].id <= CMD_RECENT_LAST;
        EXPECT_EQ((info.fType & MFT_OWNERDRAW) != 0, recent);
    }
}

std::vector<std::tuple<int, int, int>> Accelerators(HACCEL table)
{
    int count = CopyAcceleratorTableA(table, nullptr, 0);
    std::vector<ACCEL> entries(count);
    CopyAcceleratorTableA(table, entries.data(), count);
    std::vector<std::tuple<int, int, int>> result;
    for (const ACCEL& entry : entries) result.emplace_back(entry.fVirt & ~0x80, entry.key, entry.cmd);
    std::sort(result.begin(), result.end());
    return result;
}

void CollectMenuCommands(HMENU menu, std::multiset<UINT>& commands)
{
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        if (HMENU sub = GetSubMenu(menu, i))
            CollectMenuCommands(sub, commands);
        else if (UINT id = GetMenuItemID(menu, i); id != 0 && id != UINT(-1))
            commands.insert(id);
    }
}

}

TEST_F(SpineMenu, EveryMenuItemAndKeyIsOneRowOfTheCommandTable)
{
    ASSERT_NE(Start(), nullptr);
    std::multiset<UINT> named;
    CollectMenuCommands(GetMenu(main_), named);
    for (auto [modifiers, key, command] : Accelerators(App.AcceleratorTable))
        if (command < SC_SIZE) named.insert(command);   // system commands are the window menu's
    std::set<UINT> rows;
    for (const Command& command : Commands()) {
        EXPECT_TRUE(rows.insert(command.id).second) << "two rows for " << command.id;
        EXPECT_TRUE(named.count(command.id)) << command.id << " is in no menu and on no key";
    }
    for (UINT id : named) EXPECT_TRUE(rows.count(id)) << id << " does nothing: it has no row";
}

TEST_F(SpineMenu, MenuMatchesTheProgramsLayout)
{
    ASSERT_NE(Start(), nullptr);
    HMENU bar = GetMenu(main_);
    ASSERT_EQ(GetMenuItemCount(bar), static_cast<int>(ExpectedMenu.size()));
    for (size_t i = 0; i < ExpectedMenu.size(); ++i) {
        std::string title;
        MENUITEMINFOA info = ItemInfo(bar, static_cast<UINT>(i), title);
        EXPECT_EQ(title, ExpectedMenu[i].title);
        EXPECT_EQ((info.fType & MFT_RIGHTJUSTIFY) != 0, i + 1 == ExpectedMenu.size()) << title;
        ASSERT_NE(info.hSubMenu, nullptr) << title;
        ExpectItems(info.hSubMenu, ExpectedMenu[i].items, ExpectedMenu[i].title);
    }
    HMENU font = GetSubMenu(bar, 6);
    ExpectItems(GetSubMenu(font, 4), ExpectedColors, "&Colors");
}

TEST_F(SpineMenu, CodingMenuBreaksIntoASecondColumnWithABar)
{
    ASSERT_NE(Start(), nullptr);
    HMENU coding = GetSubMenu(GetMenu(main_), 5);
    for (int i = 0; i < GetMenuItemCount(coding); ++i) {
        std::string text;
        MENUITEMINFOA info = ItemInfo(coding, i, text);
        EXPECT_EQ((info.fType & MFT_MENUBARBREAK) != 0, text == "-> A&NSI") << text;
        EXPECT_FALSE(info.fType & MFT_MENUBREAK & ~MFT_MENUBARBREAK) << text;
    }
}

TEST_F(SpineMenu, ItemsCarryTheirPictures)
{
    ASSERT_NE(Start(), nullptr);
    HMENU menu = GetMenu(main_);
    for (UINT id = CMD_VIEW_ANSI; id <= CMD_PREVIEW; ++id) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_CHECKMARKS;
        ASSERT_TRUE(GetMenuItemInfoA(menu, id, FALSE, &info)) << id;
        bool viewCoding = id <= CMD_VIEW_KOI8;
        EXPECT_EQ(info.hbmpChecked != nullptr, viewCoding) << id;
        EXPECT_EQ(info.hbmpUnchecked != nullptr, !viewCoding) << id;
        EXPECT_EQ(viewCoding ? info.hbmpChecked : info.hbmpUnchecked, App.ShellBitmaps[id - 1]) << id;
    }
    EXPECT_NE(App.ShellBitmaps[14], nullptr) << "the toolbar's own pictures";
    MENUITEMINFOA utf8{};
    utf8.cbSize = sizeof utf8;
    utf8.fMask = MIIM_CHECKMARKS;
    ASSERT_TRUE(GetMenuItemInfoA(menu, CMD_VIEW_UTF8, FALSE, &utf8));
    EXPECT_EQ(utf8.hbmpChecked, App.ShellBitmaps[15]);
    EXPECT_NE(utf8.hbmpChecked, nullptr);
}

TEST_F(SpineMenu, WordWrapMarkFollowsTheStoredStyle)
{
    WriteRegistryValue("WW", REG_DWORD, "\0\0\0\0", 4);
    ASSERT_NE(Start(), nullptr);
    EXPECT_EQ(Editor.WordWrapStyle, 0u);
    EXPECT_TRUE(GetMenuState(GetMenu(main_), CMD_WORD_WRAP, MF_BYCOMMAND) & MF_CHECKED);
    ASSERT_TRUE(Close());
    TearDown();
    SetUp();
    ASSERT_NE(Start(), nullptr);
    EXPECT_EQ(Editor.WordWrapStyle, 0x100080u);
    EXPECT_FALSE(GetMenuState(GetMenu(main_), CMD_WORD_WRAP, MF_BYCOMMAND) & MF_CHECKED);
}

TEST_F(SpineMenu, AcceleratorTableMatchesTheKeys)
{
    ASSERT_NE(Start(), nullptr);
    constexpr int C = FVIRTKEY | FCONTROL, S = FVIRTKEY | FSHIFT, A = FVIRTKEY | FALT, V = FVIRTKEY;
    std::vector<std::tuple<int, int, int>> expected = {
        {C, 'O', 9},
        {C, 'S', 12},
        {C, 'X', 4},
        {S, VK_DELETE, 4},
        {C, 'C', 5},
        {C, VK_INSERT, 5},
        {C, 'V', 11},
        {S, VK_INSERT, 11},
        {C, 'F', 6},
        {V, VK_F7, 6},
        {V, VK_F1, 7},
        {V, VK_F2, 1},
        {C, VK_F2, 2},
        {A, VK_F2, 3},
        {S, VK_F2, 43},
        {V, VK_F3, 21},
        {V, VK_F4, 61488},
        {V, VK_F5, 61728},
        {V, VK_ESCAPE, 61536},
        {C, VK_SUBTRACT, 134},
        {C, VK_OEM_MINUS, 134},
        {C, VK_ADD, 135},
        {C, VK_OEM_PLUS, 135},
        {A, VK_BACK, 10},
        {C, 'Z', 10},
        {C, 'J', 31},
        {C, 'H', 102},
        {C, 'R', 46},
        {C | A, VK_DOWN, 200},
        {C | A, VK_UP, 201},
        {C | A, VK_LEFT, 202},
        {C | A, VK_RIGHT, 203},
        {C | A | S, VK_DOWN, 204},
        {C | A | S, VK_UP, 205},
        {C | A | S, VK_LEFT, 206},
        {C | A | S, VK_RIGHT, 207},
    };
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Accelerators(App.AcceleratorTable), expected);
}

TEST_F(SpineMenu, DigitInAnOpenMenuOpensThatRecentFile)
{
    ASSERT_NE(Start(), nullptr);
    HMENU file = GetSubMenu(GetMenu(main_), 0);
    CommandRecorder recorder(main_);
    LRESULT result = SendMessageW(main_, WM_MENUCHAR, MAKEWPARAM('3', MF_POPUP), reinterpret_cast<LPARAM>(file));
    EXPECT_EQ(result, 0x10000);
    EXPECT_EQ(recorder.Commands(), std::vector<WORD>{903});
    SendMessageW(main_, WM_MENUCHAR, MAKEWPARAM('0', MF_POPUP), reinterpret_cast<LPARAM>(file));
    SendMessageW(main_, WM_MENUCHAR, MAKEWPARAM('9', MF_POPUP), reinterpret_cast<LPARAM>(file));
    EXPECT_EQ(recorder.Commands(), (std::vector<WORD>{903, 900, 909}));
}

TEST_F(SpineMenu, OtherMenuCharactersAreLeftToTheSystem)
{
    ASSERT_NE(Start(), nullptr);
    HMENU file = GetSubMenu(GetMenu(main_), 0);
    CommandRecorder recorder(main_);
    EXPECT_NE(SendMessageW(main_, WM_MENUCHAR, MAKEWPARAM('q', MF_POPUP), reinterpret_cast<LPARAM>(file)), 0x10000);
    EXPECT_NE(SendMessageW(main_, WM_MENUCHAR, MAKEWPARAM('/', MF_POPUP), reinterpret_cast<LPARAM>(file)), 0x10000);
    EXPECT_NE(SendMessageW(main_, WM_MENUCHAR, MAKEWPARAM('3', MF_SYSMENU), reinterpret_cast<LPARAM>(file)), 0x10000);
    // A Cyrillic letter whose low byte is a digit's.
    EXPECT_NE(SendMessageW(main_, WM_MENUCHAR, MAKEWPARAM(0x0430, MF_POPUP), reinterpret_cast<LPARAM>(file)), 0x10000);
    EXPECT_TRUE(recorder.Commands().empty());
}

TEST_F(SpineMenu, RecentItemsTakeNoRoomWhileTheListIsNotKept)
{
    ASSERT_NE(Start(), nullptr);
    MEASUREITEMSTRUCT item{ODT_MENU, 0, 905, 77, 77, 0};
    SendMessageA(main_, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(item.itemWidth, 0u);
    EXPECT_EQ(item.itemHeight, 0u);
}

TEST_F(SpineMenu, PasteFollowsTheClipboardInTheFileAndEditMenus)
{
    ASSERT_NE(Start(), nullptr);
    HMENU bar = GetMenu(main_);
    HMENU edit = GetSubMenu(bar, 1);
    HMENU align = GetSubMenu(bar, 2);
    auto pasteGreyed = [edit]() { return (GetMenuState(edit, CMD_PASTE, MF_BYCOMMAND) & MF_GRAYED) != 0; };
    auto openMenu = [this](HMENU popup, int index) {
        SendMessageA(main_, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), MAKELPARAM(index, 0));
    };

    ASSERT_TRUE(OpenClipboard(main_));
    EmptyClipboard();
    CloseClipboard();
    openMenu(edit, 1);
    EXPECT_TRUE(pasteGreyed());

    ASSERT_TRUE(OpenClipboard(main_));
    EmptyClipboard();
    HGLOBAL text = GlobalAlloc(GMEM_MOVEABLE, 8);
    std::memcpy(GlobalLock(text), L"abc", 8);
    GlobalUnlock(text);
    SetClipboardData(CF_UNICODETEXT, text);
    CloseClipboard();
    openMenu(edit, 1);
    EXPECT_FALSE(pasteGreyed()) << "Unicode text is text the system converts";

    // Only the File and Edit menus are set; no other popup touches the items.
    ASSERT_TRUE(OpenClipboard(main_));
    EmptyClipboard();
    CloseClipboard();
    openMenu(edit, 2);
    EXPECT_FALSE(pasteGreyed());
    openMenu(edit, 1);
    EXPECT_TRUE(pasteGreyed());
    openMenu(align, 2);
    EXPECT_FALSE(GetMenuState(align, CMD_JUSTIFY, MF_BYCOMMAND) & MF_GRAYED);
}
