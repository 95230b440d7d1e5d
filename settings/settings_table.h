// The one list of every value the settings store keeps: its name, type,
// default and the numbers it may hold. Names with a '#' stand for ten values,
// the '#' being a digit "0" to "9".
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// The names of the values, each once.
namespace SettingName {
constexpr char RestoreSize[] = "AU";
constexpr char BigButtons[] = "BIG";
constexpr char Background[] = "Bk";
constexpr char CodingFrom[] = "CP1";   // the coding dialog's last choices
constexpr char CodingTo[] = "CP2";
constexpr char TextColour[] = "Cl";
constexpr char Placement[] = "DEF";
constexpr char FirstIndent[] = "FI";
constexpr char HtmlColour[] = "HTML";
constexpr char IgnoreLineBreaks[] = "IG";
constexpr char LeftIndent[] = "LI";
constexpr char RecentList[] = "LIST";
constexpr char SingleLevelUndo[] = "NO";
constexpr char RightIndent[] = "RI";
constexpr char StatusBar[] = "ST";
constexpr char ToolbarState[] = "TBS";
constexpr char Toolbar[] = "TL";
constexpr char WordWrap[] = "WW";
// The font of each view coding, by its row (ViewRow): W for ANSI, D for OEM, K for KOI8, U for UTF-8.
constexpr const char* const FontEffects[] = {"EffW", "EffD", "EffK", "EffU"};
constexpr const char* const FontFace[] = {"FontW", "FontD", "FontK", "FontU"};
constexpr const char* const FontCharacterSet[] = {"SetW", "SetD", "SetK", "SetU"};
constexpr const char* const FontSize[] = {"SizeW", "SizeD", "SizeK", "SizeU"};
// Ten values each: the '#' stands for a digit "0" to "9".
constexpr char SearchHistory[] = "#";
constexpr char RecentFile[] = "#F";
constexpr char RecentCaret[] = "#FC";
}   // namespace SettingName
constexpr int SettingSlotCount = 10;
// One of the ten values of a '#' name: "3FC" for RecentCaret and slot 3.
std::string SettingSlotName(const char* pattern, int slot);

enum class SettingType { Number, Text, Binary };
enum class DefaultRule { Fixed, WindowColour };
// The numbers a value may hold: from low to high, or exactly low or high.
// A stored number outside them would leave the program unusable and counts as missing.
enum class Allowed { Range, Either };
struct SettingInfo {
    const char* name;
    SettingType type;
    uint32_t defaultNumber;   // numbers; for texts and byte records 0
    DefaultRule rule;         // WindowColour: the system's window colour at the time of reading
    size_t capacity;          // bytes read for a text (with its zero) or a byte record; 0: any size
    Allowed allowed = Allowed::Range;
    uint32_t low = 0;
    uint32_t high = UINT32_MAX;
};
extern const SettingInfo SettingsTable[];
extern const size_t SettingsTableSize;
// The entry that describes the value, or null. Names compare without regard to case, as in the registry.
const SettingInfo* FindSetting(const char* name);
// False when the named value may not hold the number; any number of a name the table lacks is allowed.
bool SettingAllows(const char* name, uint32_t number);
// The recent-files order as it may be used: each digit once, in its first place; anything else dropped.
std::string CleanRecentList(const std::string& list);
