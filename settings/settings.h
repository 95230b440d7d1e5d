// The settings store: named values under one registry key of the current user.
// Reads never create the key; every read has a default.
#pragma once
#include <windows.h>
#include <cstddef>
#include <cstdint>

#include "settings/settings_table.h"

constexpr char SettingsKey[] = "Software\\Quarnet\\Dovido";

// A value stored with another type than the table gives its name reads as missing.
// A value that is missing, shorter or longer than 4 bytes, or outside what the table
// allows for its name, reads as the default.
uint32_t ReadSettingNumber(const char* name, uint32_t defaultValue);
// On any failure (including a value longer than the buffer) the buffer gets the empty text.
void ReadSettingText(const char* name, char* buffer, size_t capacity);
void WriteSettingText(const char* name, const char* text);
void WriteSettingNumber(const char* name, uint32_t value);
// The same for texts that may hold any character (file names); capacity in characters.
void ReadSettingWideText(const char* name, wchar_t* buffer, size_t capacity);
void WriteSettingWideText(const char* name, const wchar_t* text);

// The number with the default of the table; the table's default for a name it lacks is 0.
uint32_t ReadSettingNumber(const char* name);
// A byte record: true only when the stored one has exactly size bytes.
bool ReadSettingBytes(const char* name, void* record, size_t size);
void WriteSettingBytes(const char* name, const void* record, size_t size);
// Whether anything has been stored yet (the key exists).
bool SettingsStored();
