// Text fields that hold Russian. They are Unicode windows (their dialog is
// made with the W calls), so no system code page touches what is typed or
// shown; the program converts their text to and from Windows-1251 bytes with
// its own tables.
#pragma once
#include <windows.h>
#include <string>

// Windows-1251 bytes as a field shows them.
std::u16string AnsiCharacters(const std::string& bytes);
// The field's own characters, as it holds them.
std::u16string ReadFieldCharacters(HWND field);
// The field's text as Windows-1251 bytes; a character that coding lacks becomes '?'.
std::string ReadFieldText(HWND field);
// Puts text into a combo box's list at index (-1: at the end): its own
// characters, or Windows-1251 bytes.
void InsertComboCharacters(HWND combo, int index, const std::u16string& text);
void InsertComboText(HWND combo, int index, const std::string& bytes);
