#include "codingui/font_preview_text.h"

#include <cstdint>

#include "coding/utf8.h"

const char FontPreviewText[FontPreviewLength + 1] = "Face \xAA\xE0\xA8\xA2\xAE\xA9?\r\n"   // the word is "кривой"
                                                    "\xDA\xC4\xC4\xC4\xC4\xC4\xC4\xBF\r\n"
                                                    "\xB3 \\  / \xB3\r\n"
                                                    "\xB3 O  O \xB3\r\n"
                                                    "\xB3  ..  \xB3\r\n"
                                                    "\xB3  \xC4\xC4  \xB3\r\n"
                                                    "\xC0\xC4\xC4\xC4\xC4\xC4\xC4\xD9";

std::string FontPreviewFor(Coding coding)
{
    std::string text(ConvertedCapacity(FontPreviewLength), '\0');
    text.resize(ConvertText(reinterpret_cast<const uint8_t*>(FontPreviewText), FontPreviewLength, CodingOem, coding,
                            reinterpret_cast<uint8_t*>(&text[0]), text.size()));
    return text;
}
