// The settings store: named values under one registry key of the current user.
// Reads never create the key; every read has a default.
#pragma once
#include <windows.h>
#include <cstddef>
#include <cstdint>

constexpr char SettingsKey[] = "Software\\Quarnet\\Dovido";

uint32_t ReadSettingNumber(const char* name, uint32_t defaultValue);
// On any failure (including a value longer than the buffer) the buffer gets the empty text.
void ReadSettingText(const char* name, char* buffer, size_t capacity);
void WriteSettingText(const char* name, const char* text);
void WriteSettingNumber(const char* name, uint32_t value);
