// The settings store: each access opens the key, does one thing and closes it,
// so a value written anywhere is seen by the next reader.
#include "settings/settings.h"
#include <cstring>

namespace {

constexpr uint32_t NoCaret = 0xFFFFFFFF;
constexpr uint32_t PureBlue = 0x00FF0000;   // COLORREF 0x00bbggrr

using namespace SettingName;

}

const SettingInfo SettingsTable[] = {
    {RestoreSize, SettingType::Number, 1, DefaultRule::Fixed, 4},
    {BigButtons, SettingType::Number, 0, DefaultRule::Fixed, 4},
    {Background, SettingType::Number, 0, DefaultRule::WindowColour, 4},
    {CodingFrom, SettingType::Number, 0, DefaultRule::Fixed, 4},
    {CodingTo, SettingType::Number, 2, DefaultRule::Fixed, 4},
    {TextColour, SettingType::Number, 8, DefaultRule::Fixed, 4},
    {Placement, SettingType::Binary, 0, DefaultRule::Fixed, 44},
    {FontEffects[0], SettingType::Number, 0, DefaultRule::Fixed, 4},
    {FontEffects[1], SettingType::Number, 0, DefaultRule::Fixed, 4},
    {FontEffects[2], SettingType::Number, 0, DefaultRule::Fixed, 4},
    {FirstIndent, SettingType::Number, 0, DefaultRule::Fixed, 4},
    {FontFace[0], SettingType::Text, 0, DefaultRule::Fixed, 32},
    {FontFace[1], SettingType::Text, 0, DefaultRule::Fixed, 32},
    {FontFace[2], SettingType::Text, 0, DefaultRule::Fixed, 32},
    {HtmlColour, SettingType::Number, PureBlue, DefaultRule::Fixed, 4},
    // The Options dialog shows a missing "IG" as ticked; the alignment commands read it as off.
    {IgnoreLineBreaks, SettingType::Number, 0, DefaultRule::Fixed, 4},
    {LeftIndent, SettingType::Number, 0, DefaultRule::Fixed, 4},
    {RecentList, SettingType::Text, 0, DefaultRule::Fixed, 11},
    {SingleLevelUndo, SettingType::Number, 0, DefaultRule::Fixed, 4},
    {RightIndent, SettingType::Number, 80, DefaultRule::Fixed, 4},
    {FontCharacterSet[0], SettingType::Number, 204, DefaultRule::Fixed, 4},
    {FontCharacterSet[1], SettingType::Number, 255, DefaultRule::Fixed, 4},
    {FontCharacterSet[2], SettingType::Number, 1, DefaultRule::Fixed, 4},
    {FontSize[0], SettingType::Number, 200, DefaultRule::Fixed, 4},
    {FontSize[1], SettingType::Number, 200, DefaultRule::Fixed, 4},
    {FontSize[2], SettingType::Number, 200, DefaultRule::Fixed, 4},
    {StatusBar, SettingType::Number, 1, DefaultRule::Fixed, 4},
    {ToolbarState, SettingType::Binary, 0, DefaultRule::Fixed, 0},
    {Toolbar, SettingType::Number, 1, DefaultRule::Fixed, 4},
    {WordWrap, SettingType::Number, 0x100080, DefaultRule::Fixed, 4},
    {SearchHistory, SettingType::Text, 0, DefaultRule::Fixed, 33},
    {RecentFile, SettingType::Text, 0, DefaultRule::Fixed, 260},
    {RecentCaret, SettingType::Number, NoCaret, DefaultRule::Fixed, 4},
};
const size_t SettingsTableSize = sizeof SettingsTable / sizeof SettingsTable[0];

namespace {

// "3FC" matches "#FC"; the registry compares names without regard to case.
bool NameMatches(const char* pattern, const char* name)
{
    if (*pattern == '#') {
        if (*name < '0' || *name > '9') return false;
        ++pattern;
        ++name;
    }
    return _stricmp(pattern, name) == 0;
}

// Reads the value into the buffer; false on any failure, including a value larger than the buffer.
bool QueryValue(const char* name, void* buffer, DWORD size)
{
    HKEY key = OpenSettingsKey();
    if (!key) return false;
    DWORD length = size;
    LONG result = RegQueryValueExA(key, name, nullptr, nullptr, static_cast<BYTE*>(buffer), &length);
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

void StoreValue(const char* name, DWORD type, const void* data, DWORD size)
{
    HKEY key;
    if (RegCreateKeyA(HKEY_CURRENT_USER, SettingsKey, &key) != ERROR_SUCCESS) return;
    RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
}

}

std::string SettingSlotName(const char* pattern, int slot)
{
    std::string name = pattern;
    name[0] = static_cast<char>('0' + slot);
    return name;
}

HKEY OpenSettingsKey()
{
    HKEY key;
    return RegOpenKeyA(HKEY_CURRENT_USER, SettingsKey, &key) == ERROR_SUCCESS ? key : nullptr;
}

const SettingInfo* FindSetting(const char* name)
{
    for (const SettingInfo& setting : SettingsTable)
        if (NameMatches(setting.name, name)) return &setting;
    return nullptr;
}

uint32_t ReadSettingNumber(const char* name, uint32_t defaultValue)
{
    uint32_t value;
    return QueryValue(name, &value, sizeof value) ? value : defaultValue;
}

uint32_t ReadSettingNumber(const char* name)
{
    const SettingInfo* setting = FindSetting(name);
    if (!setting) return ReadSettingNumber(name, 0);
    uint32_t fallback = setting->rule == DefaultRule::WindowColour ? GetSysColor(COLOR_WINDOW) : setting->defaultNumber;
    return ReadSettingNumber(name, fallback);
}

void ReadSettingText(const char* name, char* buffer, size_t capacity)
{
    if (capacity == 0) return;
    if (!QueryValue(name, buffer, static_cast<DWORD>(capacity))) {
        buffer[0] = '\0';
        return;
    }
    buffer[capacity - 1] = '\0';   // a value stored without its zero still ends inside the buffer
}

void WriteSettingText(const char* name, const char* text)
{
    StoreValue(name, REG_SZ, text, static_cast<DWORD>(std::strlen(text) + 1));
}

void WriteSettingNumber(const char* name, uint32_t value)
{
    StoreValue(name, REG_DWORD, &value, sizeof value);
}
