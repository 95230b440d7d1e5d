#include "settings/settings_table.h"
#include <gtest/gtest.h>
#include <vector>

TEST(SettingsTable, NumbersThatWouldBreakTheProgramAreRefused)
{
    struct Case {
        const char* name;
        std::vector<uint32_t> allowed, refused;
    };
    const Case cases[] = {
        {"WW", {0, 0x00100080}, {1, 0x80, 0xFFFFFFFF, 0x80000000, 0x7FFF0080}},
        {"Bk", {0, 0x00FFFFFF}, {0xFFFFFFFF, 0x01000000}},
        {"Cl", {8}, {0x02000000}},
        {"HTML", {0x00FF0000}, {0xFF000000}},
        {"sizek", {20, 200, 1440}, {0, 19, 1441, 0xFFFFFFFF}},
        {"SetD", {0, 255}, {256}},
        {"CP2", {0, 5}, {6}},
        {"RI", {0, 8, 0xFFFFFFFF}, {}},
        {"AU", {0, 0xFFFFFFFF}, {}},
        {"3FC", {0xFFFFFFFF}, {}},
        {"NOSUCH", {0xFFFFFFFF}, {}},
    };
    for (const Case& c : cases) {
        for (uint32_t number : c.allowed) EXPECT_TRUE(SettingAllows(c.name, number)) << c.name << " " << number;
        for (uint32_t number : c.refused) EXPECT_FALSE(SettingAllows(c.name, number)) << c.name << " " << number;
    }
}

TEST(SettingsTable, RecentListKeepsEachDigitOnce)
{
    EXPECT_EQ(CleanRecentList(std::string("3a3\x01") + "19"), "319");
}
