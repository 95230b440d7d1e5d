// The settings store: defaults, the one table of values, reading rules and the window placement.
#include "tests/program/harness.h"
#include "app/app_state.h"
#include "settings/settings.h"
#include <cstring>

namespace {

class SpineSettings : public ProgramTest {
protected:
    std::vector<uint8_t> Placement(UINT showCommand, size_t size = 44)
    {
        WINDOWPLACEMENT placement{};
        placement.length = sizeof placement;
        placement.showCmd = showCommand;
        placement.rcNormalPosition = RECT{40, 50, 640, 450};
        std::vector<uint8_t> record(size);
        std::memcpy(record.data(), &placement, std::min(size, sizeof placement));
        return record;
    }
    void StorePlacement(const std::vector<uint8_t>& record)
    {
        WriteRegistryValue("DEF", REG_BINARY, record.data(), record.size());
    }
    UINT StoredShowCommand()
    {
        auto record = ReadRegistryBinary("DEF");
        if (!record || record->size() != 44) return ~0u;
        WINDOWPLACEMENT placement;
        std::memcpy(&placement, record->data(), 44);
        return placement.showCmd;
    }
};

struct Expected {
    const char* name;
    SettingType type;
    uint32_t number;
};

// Every value of the store with its default, as the program documents them.
const Expected AllValues[] = {
    {"AU", SettingType::Number, 1},
    {"BIG", SettingType::Number, 0},
    {"Bk", SettingType::Number, 0},
    {"CP1", SettingType::Number, 0},
    {"CP2", SettingType::Number, 2},
    {"Cl", SettingType::Number, 8},
    {"DEF", SettingType::Binary, 0},
    {"EffW", SettingType::Number, 0},
    {"EffD", SettingType::Number, 0},
    {"EffK", SettingType::Number, 0},
    {"EffU", SettingType::Number, 0},
    {"FI", SettingType::Number, 0},
    {"FontW", SettingType::Text, 0},
    {"FontD", SettingType::Text, 0},
    {"FontK", SettingType::Text, 0},
    {"FontU", SettingType::Text, 0},
    {"HTML", SettingType::Number, 0xFF0000},
    {"IG", SettingType::Number, 0},
    {"LI", SettingType::Number, 0},
    {"LIST", SettingType::Text, 0},
    {"NO", SettingType::Number, 0},
    {"RI", SettingType::Number, 80},
    {"SetW", SettingType::Number, 204},
    {"SetD", SettingType::Number, 255},
    {"SetK", SettingType::Number, 1},
    {"SetU", SettingType::Number, 1},
    {"SizeW", SettingType::Number, 200},
    {"SizeD", SettingType::Number, 200},
    {"SizeK", SettingType::Number, 200},
    {"SizeU", SettingType::Number, 200},
    {"ST", SettingType::Number, 1},
    {"TBS", SettingType::Binary, 0},
    {"TL", SettingType::Number, 1},
    {"WW", SettingType::Number, 0x100080},
    {"0", SettingType::Text, 0},
    {"9", SettingType::Text, 0},
    {"3F", SettingType::Text, 0},
    {"0F", SettingType::Text, 0},
    {"3FC", SettingType::Number, 0xFFFFFFFF},
    {"9FC", SettingType::Number, 0xFFFFFFFF},
};

}

TEST_F(SpineSettings, CleanSystemReadsEveryDefaultAndCreatesNoKey)
{
    for (const Expected& value : AllValues) {
        const SettingInfo* setting = FindSetting(value.name);
        ASSERT_NE(setting, nullptr) << value.name;
        EXPECT_EQ(setting->type, value.type) << value.name;
        if (value.type == SettingType::Number && std::strcmp(value.name, "Bk") != 0) {
            EXPECT_EQ(ReadSettingNumber(value.name), value.number) << value.name;
        }
        if (value.type == SettingType::Text) {
            char text[8] = "x";
            ReadSettingText(value.name, text, sizeof text);
            EXPECT_STREQ(text, "") << value.name;
        }
    }
    EXPECT_EQ(ReadSettingNumber("Bk"), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(ReadSettingNumber("NOSUCH", 1234), 1234u);
    EXPECT_FALSE(SettingsKeyExists());
}

TEST_F(SpineSettings, TableHoldsNothingElse)
{
    // Thirty named values plus the three digit families.
    EXPECT_EQ(SettingsTableSize, 33u);
    for (const char* stranger : {"A", "3G", "FC", "F", "33F", "", "ABC"})
        EXPECT_EQ(FindSetting(stranger), nullptr) << stranger;
    EXPECT_EQ(FindSetting("sizew"), FindSetting("SizeW")) << "registry names ignore case";
}

TEST_F(SpineSettings, TextCapacitiesFollowTheValues)
{
    EXPECT_EQ(FindSetting("LIST")->capacity, 11u);
    EXPECT_EQ(FindSetting("FontK")->capacity, 32u);
    EXPECT_EQ(FindSetting("5")->capacity, 33u);
    EXPECT_EQ(FindSetting("5F")->capacity, 260u);
    EXPECT_EQ(FindSetting("DEF")->capacity, 44u);
}

TEST_F(SpineSettings, WritesCreateTheKeyAndReadsSeeThemAtOnce)
{
    WriteSettingNumber("RI", 72);
    EXPECT_TRUE(SettingsKeyExists());
    EXPECT_EQ(ReadRegistryNumber("RI"), 72u);
    EXPECT_EQ(ReadSettingNumber("RI"), 72u);
    WriteSettingText("FontW", "Courier New");
    EXPECT_EQ(ReadRegistryText("FontW"), std::string("Courier New"));
    char face[32];
    ReadSettingText("FontW", face, sizeof face);
    EXPECT_STREQ(face, "Courier New");
    DeleteSettingsKey();
    EXPECT_EQ(ReadSettingNumber("RI"), 80u) << "a deleted key brings the defaults back at once";
}

TEST_F(SpineSettings, OverlongValuesReadAsMissing)
{
    WriteSettingText("LIST", "0123456789");
    char list[11];
    ReadSettingText("LIST", list, sizeof list);
    EXPECT_STREQ(list, "0123456789");
    WriteSettingText("LIST", "01234567890");
    std::strcpy(list, "junk");
    ReadSettingText("LIST", list, sizeof list);
    EXPECT_STREQ(list, "");

    uint8_t eight[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    WriteRegistryValue("RI", REG_BINARY, eight, sizeof eight);
    EXPECT_EQ(ReadSettingNumber("RI"), 80u);
}

TEST_F(SpineSettings, FirstRunStoresNoPlacement)
{
    ASSERT_NE(Start(), nullptr);
    EXPECT_TRUE(App.PlacementTracked);
    ASSERT_TRUE(Close());
    EXPECT_FALSE(SettingsKeyExists());
}

TEST_F(SpineSettings, ClosedMaximisedOpensMaximised)
{
    CreateSettingsKey();
    ASSERT_NE(Start(), nullptr);
    ShowWindow(main_, SW_MAXIMIZE);
    Pump();
    ASSERT_TRUE(IsZoomed(main_));
    ASSERT_TRUE(Close());
    auto record = ReadRegistryBinary("DEF");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->size(), 44u);
    EXPECT_EQ(StoredShowCommand(), UINT(SW_SHOWMAXIMIZED));

    TearDown();
    SetUp();
    StorePlacement(*record);
    ASSERT_NE(Start(), nullptr);
    Pump();
    EXPECT_TRUE(IsZoomed(main_));
}

TEST_F(SpineSettings, StoredNormalPlacementIsApplied)
{
    StorePlacement(Placement(SW_SHOWNORMAL));
    ASSERT_NE(Start(), nullptr);
    Pump();
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(main_, &placement);
    EXPECT_EQ(placement.rcNormalPosition.left, 40);
    EXPECT_EQ(placement.rcNormalPosition.bottom, 450);
}

TEST_F(SpineSettings, MinimisedStartNeitherRestoresNorSaves)
{
    std::vector<uint8_t> maximised = Placement(SW_SHOWMAXIMIZED);
    StorePlacement(maximised);
    ASSERT_NE(Start("", SW_SHOWMINIMIZED), nullptr);
    Pump();
    EXPECT_FALSE(App.PlacementTracked);
    EXPECT_TRUE(IsIconic(main_));
    EXPECT_FALSE(IsZoomed(main_));
    ShowWindow(main_, SW_RESTORE);
    ASSERT_TRUE(Close());
    EXPECT_EQ(ReadRegistryBinary("DEF"), maximised);
}

TEST_F(SpineSettings, RestoreSizeOffNeitherRestoresNorSaves)
{
    std::vector<uint8_t> maximised = Placement(SW_SHOWMAXIMIZED);
    StorePlacement(maximised);
    WriteSettingNumber("AU", 0);
    ASSERT_NE(Start(), nullptr);
    Pump();
    EXPECT_FALSE(App.RestoreSize);
    EXPECT_FALSE(IsZoomed(main_));
    ASSERT_TRUE(Close());
    EXPECT_EQ(ReadRegistryBinary("DEF"), maximised);
}

TEST_F(SpineSettings, PlacementOfWrongSizeCountsAsMissing)
{
    StorePlacement(Placement(SW_SHOWMAXIMIZED, 45));
    ASSERT_NE(Start(), nullptr);
    Pump();
    EXPECT_FALSE(IsZoomed(main_)) << "a record longer than 44 bytes is not read";
    ASSERT_TRUE(Close());
    TearDown();
    SetUp();
    // A short record would leave the show command zero and hide the window.
    StorePlacement(Placement(SW_SHOWMAXIMIZED, 8));
    ASSERT_NE(Start(), nullptr);
    Pump();
    EXPECT_TRUE(IsWindowVisible(main_));
}

TEST_F(SpineSettings, UnusableValuesTakeTheirDefaults)
{
    // Each once left no editor, an invisible text or a hidden window.
    for (uint32_t wrap : {0xFFFFFFFFu, 0x80000000u, 0x7FFF0080u}) {
        WriteSettingNumber("WW", wrap);
        WriteSettingNumber("Bk", 0xFFFFFFFF);
        StorePlacement(Placement(SW_HIDE));
        ASSERT_NE(Restart(), nullptr);
        EXPECT_TRUE(Editor.Window) << wrap;
        EXPECT_EQ(Editor.WordWrapStyle, NoWrapStyle);
        EXPECT_EQ(ReadSettingNumber("Bk"), GetSysColor(COLOR_WINDOW));
        EXPECT_TRUE(IsWindowVisible(main_));
    }
    // Short and empty values read as their defaults, never as what the buffer held.
    uint16_t two = 72;
    WriteRegistryValue("RI", REG_BINARY, &two, sizeof two);
    EXPECT_EQ(ReadSettingNumber("RI"), 80u);
    WriteRegistryValue("LIST", REG_SZ, "", 0);
    char list[11] = "junk";
    ReadSettingText("LIST", list, sizeof list);
    EXPECT_STREQ(list, "");
    // A face name of the longest length is used.
    std::string face(31, 'F');
    WriteSettingText("FontW", face.c_str());
    ASSERT_NE(Restart(), nullptr);
    CHARFORMATA format{};
    format.cbSize = sizeof format;
    SendMessageA(Editor.Window, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    EXPECT_EQ(format.szFaceName, face);
}
