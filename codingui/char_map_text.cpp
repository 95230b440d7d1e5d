#include "codingui/char_map_text.h"

#include "coding/utf8_chars.h"

namespace {

// The capitals, the small letters, the letters of the neighbouring languages
// beside Ё ё, and the punctuation of Russian text.
const char16_t* const Utf8Rows[] = {
    u"АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ",
    u"абвгдежзийклмнопрстуфхцчшщъыьэюя",
    u"ЁёЄєІіЇїЎўҐґ",
    u"«»„“”‘’‚–—…№§©®°±·•‰€™¶×÷¤¦",
};

void AppendUtf8(std::string& text, char16_t ch)
{
    uint8_t bytes[4];
    const size_t count = EncodeUtf8Char(ch, bytes);
    text.append(reinterpret_cast<const char*>(bytes), count);
}

}   // namespace

std::string MakeCharMapText(Coding view)
{
    std::string text;
    const int last = view == CodingUtf8 ? 0x7F : 0xFF;
    for (int code = 0x20; code <= last; ++code) {
        if (code % CharMapRowLength == 0 && code != 0x20) text += "\r\n";
        text += static_cast<char>(code);
    }
    if (view != CodingUtf8) return text;
    for (const char16_t* row : Utf8Rows) {
        text += "\r\n";
        for (const char16_t* ch = row; *ch; ++ch) AppendUtf8(text, *ch);
    }
    return text;
}
