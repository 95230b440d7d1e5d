#include "search/search_text.h"
#include "coding/utf8.h"

namespace {

int HexDigit(char ch)
{
    if (ch >= '0' && ch <= '9') return ch - '0';
    if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
    if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
    return -1;
}

void Recode(std::string& text, int slot)
{
    RecodeBytes(reinterpret_cast<uint8_t*>(&text[0]), text.size(), slot);
}

// Between Windows-1251 and UTF-8, whose text may be up to three times longer.
void Convert(std::string& text, int from, int to)
{
    std::string out(ConvertedCapacity(text.size()), '\0');
    out.resize(ConvertText(reinterpret_cast<const uint8_t*>(text.data()), text.size(), from, to,
                           reinterpret_cast<uint8_t*>(&out[0]), out.size()));
    text.swap(out);
}

}   // namespace

std::string ParseHexBytes(const std::string& text)
{
    const size_t length = text.size() < SearchTextLength ? text.size() : SearchTextLength;
    std::string bytes;
    for (size_t i = 0; i < length; i += 2) {
        unsigned value = 0;
        for (size_t k = i; k < i + 2 && k < length; ++k) {
            int digit = HexDigit(text[k]);
            if (digit >= 0) value = value << 4 | static_cast<unsigned>(digit);
        }
        if (value == 0) break;
        bytes += static_cast<char>(value);
    }
    return bytes;
}

std::string PickedWord(const char* bytes, size_t count, Coding view)
{
    std::string word;
    for (size_t i = 0; i < count && i < SearchTextLength && bytes[i] != 0; ++i)
        if (static_cast<uint8_t>(bytes[i]) > ' ') word += bytes[i];
    if (view == CodingUtf8) {
        Convert(word, CodingUtf8, CodingAnsi);
        return word;
    }
    if (view == CodingKoi8) Recode(word, SlotKoi8ToOem);
    if (view != CodingAnsi) Recode(word, SlotOemToAnsi);
    return word;
}

void TypedToView(std::string& text, Coding view)
{
    if (view == CodingAnsi) return;
    if (view == CodingUtf8) return Convert(text, CodingAnsi, CodingUtf8);
    Recode(text, SlotAnsiToOem);
    if (view == CodingKoi8) Recode(text, SlotOemToKoi8);
}
