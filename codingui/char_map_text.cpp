#include "codingui/char_map_text.h"

std::array<char, CharMapTextLength + 1> MakeCharMapText()
{
    std::array<char, CharMapTextLength + 1> text{};
    size_t length = 0;
    for (int code = 0x20; code <= 0xFF; ++code) {
        if (code % CharMapRowLength == 0 && code != 0x20) {
            text[length++] = '\r';
            text[length++] = '\n';
        }
        text[length++] = static_cast<char>(code);
    }
    return text;
}
