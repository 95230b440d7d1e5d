// The settings store: each access opens the key, does one thing and closes it,
// so a value written anywhere is seen by the next reader.
#include "settings/settings.h"
#include <cstring>
#include <string>

namespace {

// Value names are ASCII.
std::wstring WideName(const char* name)
{
    return std::wstring(name, name + std::strlen(name));
}

// Opens SettingsKey for reading or writing without creating it; null when it does not exist.
HKEY OpenSettingsKey()
{
    HKEY key;
    return RegOpenKeyA(HKEY_CURRENT_USER, SettingsKey, &key) == ERROR_SUCCESS ? key : nullptr;
}

// The registry type of a value the table knows; 0 for any other name.
DWORD StoredType(const char* name)
{
    const SettingInfo* setting = FindSetting(name);
    if (!setting) return 0;
    return setting->type == SettingType::Number ? REG_DWORD : setting->type == SettingType::Text ? REG_SZ : REG_BINARY;
}

// Narrow texts pass through the system's code page both ways, so their bytes come back as stored.
enum class Text { Narrow, Wide };

// Reads the value into the buffer; its length in bytes, or -1 on any failure,
// including a value larger than the buffer.
long QueryValue(const char* name, void* buffer, DWORD size, Text text = Text::Wide)
{
    HKEY key = OpenSettingsKey();
    if (!key) return -1;
    DWORD length = size, type = 0;
    auto* bytes = static_cast<BYTE*>(buffer);
    LONG result = text == Text::Narrow
        ? RegQueryValueExA(key, name, nullptr, &type, bytes, &length)
        : RegQueryValueExW(key, WideName(name).c_str(), nullptr, &type, bytes, &length);
    RegCloseKey(key);
    DWORD expected = StoredType(name);
    return result == ERROR_SUCCESS && (!expected || type == expected) ? static_cast<long>(length) : -1;
}

void StoreValue(const char* name, DWORD type, const void* data, DWORD size, Text text = Text::Wide)
{
    HKEY key;
    if (RegCreateKeyA(HKEY_CURRENT_USER, SettingsKey, &key) != ERROR_SUCCESS) return;
    auto* bytes = static_cast<const BYTE*>(data);
    if (text == Text::Narrow)
        RegSetValueExA(key, name, 0, type, bytes, size);
    else
        RegSetValueExW(key, WideName(name).c_str(), 0, type, bytes, size);
    RegCloseKey(key);
}

// Ends the text read into buffer after its `length` characters; a text that
// fills the buffer without its zero was too long and becomes empty.
template <typename Char> void EndText(Char* buffer, size_t capacity, long bytes)
{
    size_t length = bytes < 0 ? 0 : static_cast<size_t>(bytes) / sizeof(Char);
    if (bytes < 0 || (length == capacity && buffer[capacity - 1] != 0)) length = 0;
    buffer[length < capacity ? length : capacity - 1] = 0;
}

}   // namespace

bool SettingsStored()
{
    HKEY key = OpenSettingsKey();
    if (key) RegCloseKey(key);
    return key != nullptr;
}

uint32_t ReadSettingNumber(const char* name, uint32_t defaultValue)
{
    uint32_t value = 0;
    if (QueryValue(name, &value, sizeof value) != sizeof value) return defaultValue;
    return SettingAllows(name, value) ? value : defaultValue;
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
    EndText(buffer, capacity, QueryValue(name, buffer, static_cast<DWORD>(capacity), Text::Narrow));
}

void ReadSettingWideText(const char* name, wchar_t* buffer, size_t capacity)
{
    if (capacity == 0) return;
    EndText(buffer, capacity, QueryValue(name, buffer, static_cast<DWORD>(capacity * sizeof(wchar_t))));
}

void WriteSettingText(const char* name, const char* text)
{
    StoreValue(name, REG_SZ, text, static_cast<DWORD>(std::strlen(text) + 1), Text::Narrow);
}

void WriteSettingWideText(const char* name, const wchar_t* text)
{
    StoreValue(name, REG_SZ, text, static_cast<DWORD>((std::wcslen(text) + 1) * sizeof(wchar_t)));
}

void WriteSettingNumber(const char* name, uint32_t value)
{
    StoreValue(name, REG_DWORD, &value, sizeof value);
}

bool ReadSettingBytes(const char* name, void* record, size_t size)
{
    return QueryValue(name, record, static_cast<DWORD>(size)) == static_cast<long>(size);
}

void WriteSettingBytes(const char* name, const void* record, size_t size)
{
    StoreValue(name, REG_BINARY, record, static_cast<DWORD>(size));
}
