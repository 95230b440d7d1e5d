#include "editor/text_fields.h"

#include "coding/unicode_tables.h"

std::u16string AnsiCharacters(const std::string& bytes)
{
    std::u16string text;
    for (char b : bytes) text += ByteToUnicode(CodingAnsi, static_cast<uint8_t>(b));
    return text;
}

std::u16string ReadFieldCharacters(HWND field)
{
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(field)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(field, &text[0], static_cast<int>(text.size()))));
    return std::u16string(text.begin(), text.end());
}

std::string ReadFieldText(HWND field)
{
    std::string bytes;
    for (char16_t ch : ReadFieldCharacters(field)) bytes += static_cast<char>(UnicodeToByte(CodingAnsi, ch));
    return bytes;
}

void InsertComboCharacters(HWND combo, int index, const std::u16string& text)
{
    SendMessageW(combo, CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str()));
}

void InsertComboText(HWND combo, int index, const std::string& bytes)
{
    InsertComboCharacters(combo, index, AnsiCharacters(bytes));
}
