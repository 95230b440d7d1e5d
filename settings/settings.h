// The settings store: named values under one registry key of the current user.
// Reads never create the key; every read has a default.
#pragma once
#include <windows.h>
#include <cstddef>
#include <cstdint>
#include <string>

constexpr char SettingsKey[] = "Software\\Quarnet\\Dovido";

// The names of the values, each once; SettingsTable gives their types and defaults.
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
// The font of each view coding, by ViewCoding: W for ANSI, D for OEM, K for KOI8.
constexpr const char* const FontEffects[] = {"EffW", "EffD", "EffK"};
constexpr const char* const FontFace[] = {"FontW", "FontD", "FontK"};
constexpr const char* const FontCharacterSet[] = {"SetW", "SetD", "SetK"};
constexpr const char* const FontSize[] = {"SizeW", "SizeD", "SizeK"};
// Ten values each: the '#' stands for a digit "0" to "9".
constexpr char SearchHistory[] = "#";
constexpr char RecentFile[] = "#F";
constexpr char RecentCaret[] = "#FC";
}   // namespace SettingName
constexpr int SettingSlotCount = 10;
// One of the ten values of a '#' name: "3FC" for RecentCaret and slot 3.
std::string SettingSlotName(const char* pattern, int slot);

uint32_t ReadSettingNumber(const char* name, uint32_t defaultValue);
// On any failure (including a value longer than the buffer) the buffer gets the empty text.
void ReadSettingText(const char* name, char* buffer, size_t capacity);
void WriteSettingText(const char* name, const char* text);
void WriteSettingNumber(const char* name, uint32_t value);

// The one list of every value the program keeps, with its type and default.
// Names with a '#' stand for ten values, the '#' being a digit "0" to "9".
enum class SettingType { Number, Text, Binary };
enum class DefaultRule { Fixed, WindowColour };
struct SettingInfo {
    const char* name;
    SettingType type;
    uint32_t defaultNumber;   // numbers; for texts and byte records 0
    DefaultRule rule;         // WindowColour: the system's window colour at the time of reading
    size_t capacity;          // bytes read for a text (with its zero) or a byte record; 0: any size
};
extern const SettingInfo SettingsTable[];
extern const size_t SettingsTableSize;
// The entry that describes the value, or null.
const SettingInfo* FindSetting(const char* name);
// The number with the default of the table; the table's default for a name it lacks is 0.
uint32_t ReadSettingNumber(const char* name);
// Opens SettingsKey for reading or writing without creating it; null when it does not exist.
HKEY OpenSettingsKey();
