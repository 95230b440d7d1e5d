#include "settings/settings_table.h"

namespace {

constexpr uint32_t NoCaret = 0xFFFFFFFF;
constexpr uint32_t PureBlue = 0x00FF0000;   // COLORREF 0x00bbggrr
constexpr uint32_t NoWrapStyleBits = 0x00100080;
constexpr uint32_t LastCoding = 5;   // the coding dialog's lists: the five codings and UTF-8

using namespace SettingName;

// A number of any value.
constexpr SettingInfo Number(const char* name, uint32_t defaultNumber)
{
    return {name, SettingType::Number, defaultNumber, DefaultRule::Fixed, 4};
}

constexpr SettingInfo Bounded(const char* name, uint32_t defaultNumber, uint32_t low, uint32_t high)
{
    return {name, SettingType::Number, defaultNumber, DefaultRule::Fixed, 4, Allowed::Range, low, high};
}

// A COLORREF: bits above the red, green and blue bytes make no colour.
constexpr SettingInfo Colour(const char* name, uint32_t defaultNumber, DefaultRule rule = DefaultRule::Fixed)
{
    return {name, SettingType::Number, defaultNumber, rule, 4, Allowed::Range, 0, 0x00FFFFFF};
}

// Heights from 1 to 72 points: none or a huge one leaves nothing readable.
constexpr SettingInfo FontHeight(const char* name)
{
    return Bounded(name, 200, 20, 1440);
}

constexpr SettingInfo CharacterSet(const char* name, uint32_t defaultNumber)
{
    return Bounded(name, defaultNumber, 0, 255);
}

constexpr SettingInfo Text(const char* name, size_t capacity)
{
    return {name, SettingType::Text, 0, DefaultRule::Fixed, capacity};
}

constexpr SettingInfo Binary(const char* name, size_t capacity)
{
    return {name, SettingType::Binary, 0, DefaultRule::Fixed, capacity};
}

}   // namespace

const SettingInfo SettingsTable[] = {
    Number(RestoreSize, 1),
    Number(BigButtons, 0),
    Colour(Background, 0, DefaultRule::WindowColour),
    Bounded(CodingFrom, 0, 0, LastCoding),
    Bounded(CodingTo, 2, 0, LastCoding),
    Colour(TextColour, 8),
    Binary(Placement, 44),
    Number(FontEffects[0], 0),
    Number(FontEffects[1], 0),
    Number(FontEffects[2], 0),
    Number(FontEffects[3], 0),
    // The indents: the alignment copes with any, and a width of 8 or less has its own meaning.
    Number(FirstIndent, 0),
    Text(FontFace[0], 32),
    Text(FontFace[1], 32),
    Text(FontFace[2], 32),
    Text(FontFace[3], 32),
    Colour(HtmlColour, PureBlue),
    // The Options dialog shows a missing "IG" as ticked; the alignment commands read it as off.
    Number(IgnoreLineBreaks, 0),
    Number(LeftIndent, 0),
    Text(RecentList, 11),
    Number(SingleLevelUndo, 0),
    Number(RightIndent, 80),
    CharacterSet(FontCharacterSet[0], 204),
    CharacterSet(FontCharacterSet[1], 255),
    CharacterSet(FontCharacterSet[2], 1),
    CharacterSet(FontCharacterSet[3], 1),
    FontHeight(FontSize[0]),
    FontHeight(FontSize[1]),
    FontHeight(FontSize[2]),
    FontHeight(FontSize[3]),
    Number(StatusBar, 1),
    Binary(ToolbarState, 0),
    Number(Toolbar, 1),
    // Any other style bits leave the document window uncreatable.
    {WordWrap, SettingType::Number, NoWrapStyleBits, DefaultRule::Fixed, 4, Allowed::Either, 0, NoWrapStyleBits},
    Text(SearchHistory, 33),
    Text(RecentFile, 260),
    Number(RecentCaret, NoCaret),
};
const size_t SettingsTableSize = sizeof SettingsTable / sizeof SettingsTable[0];

namespace {

char Upper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// "3FC" matches "#FC"; the registry compares names without regard to case.
bool NameMatches(const char* pattern, const char* name)
{
    if (*pattern == '#') {
        if (!IsDigit(*name)) return false;
        ++pattern;
        ++name;
    }
    for (; *pattern && *name; ++pattern, ++name)
        if (Upper(*pattern) != Upper(*name)) return false;
    return *pattern == *name;
}

}   // namespace

std::string SettingSlotName(const char* pattern, int slot)
{
    std::string name = pattern;
    name[0] = static_cast<char>('0' + slot);
    return name;
}

const SettingInfo* FindSetting(const char* name)
{
    for (const SettingInfo& setting : SettingsTable)
        if (NameMatches(setting.name, name)) return &setting;
    return nullptr;
}

bool SettingAllows(const char* name, uint32_t number)
{
    const SettingInfo* setting = FindSetting(name);
    if (!setting) return true;
    if (setting->allowed == Allowed::Either) return number == setting->low || number == setting->high;
    return number >= setting->low && number <= setting->high;
}

std::string CleanRecentList(const std::string& list)
{
    std::string clean;
    for (char c : list)
        if (IsDigit(c) && clean.find(c) == std::string::npos) clean += c;
    return clean;
}
