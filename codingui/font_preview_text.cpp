#include "codingui/font_preview_text.h"

#include <cstdint>

const char FontPreviewText[FontPreviewLength + 1] = "Face \xAA\xE0\xA8\xA2\xAE\xA9?\r\n"   // the word is "кривой"
                                                    "\xDA\xC4\xC4\xC4\xC4\xC4\xC4\xBF\r\n"
                                                    "\xB3 \\  / \xB3\r\n"
                                                    "\xB3 O  O \xB3\r\n"
                                                    "\xB3  ..  \xB3\r\n"
                                                    "\xB3  \xC4\xC4  \xB3\r\n"
                                                    "\xC0\xC4\xC4\xC4\xC4\xC4\xC4\xD9";

std::array<char, FontPreviewLength + 1> FontPreviewFor(Coding coding)
{
    std::array<char, FontPreviewLength + 1> text;
    for (size_t i = 0; i < text.size(); ++i) text[i] = FontPreviewText[i];
    RecodeBytes(reinterpret_cast<uint8_t*>(text.data()), FontPreviewLength, FromOemSlot[coding]);
    return text;
}
