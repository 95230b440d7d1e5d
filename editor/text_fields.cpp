#include "editor/text_fields.h"

#include "coding/unicode_tables.h"

namespace {

std::wstring Widen(const std::string& bytes)
{
    std::wstring text;
    for (char b : bytes) text += static_cast<wchar_t>(ByteToUnicode(CodingAnsi, static_cast<uint8_t>(b)));
    return text;
}

}   // namespace

std::string ReadFieldText(HWND field)
{
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(field)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(field, &text[0], static_cast<int>(text.size()))));
    std::string bytes;
    for (wchar_t ch : text) bytes += static_cast<char>(UnicodeToByte(CodingAnsi, static_cast<char16_t>(ch)));
    return bytes;
}

void InsertComboText(HWND combo, int index, const std::string& bytes)
{
    SendMessageW(combo, CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(Widen(bytes).c_str()));
}
