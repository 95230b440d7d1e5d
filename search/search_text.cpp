#include "search/search_text.h"
#include "coding/utf16.h"
#include "coding/utf8_chars.h"

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
    if (view == CodingKoi8) Recode(word, SlotKoi8ToOem);
    if (view != CodingAnsi) Recode(word, SlotOemToAnsi);
    return word;
}

void TypedToView(std::string& text, Coding view)
{
    if (view == CodingAnsi) return;
    Recode(text, SlotAnsiToOem);
    if (view == CodingKoi8) Recode(text, SlotOemToKoi8);
}

std::u16string PickedUtf8Word(const char* bytes, size_t count)
{
    const auto* text = reinterpret_cast<const uint8_t*>(bytes);
    std::u16string word;
    size_t characters = 0;
    for (size_t i = 0; i < count && characters < SearchTextLength && text[i] != 0; ++characters) {
        Utf8Char ch = Utf8CharAt(text + i, count - i);
        i += ch.length;
        if (ch.code <= ' ') continue;
        char16_t units[2];
        if (!ch.valid) ch = {1, 0xFFFD, true};
        word.append(units, DrawnUnits(ch, units));
    }
    return word;
}

std::string TypedAsUtf8(const std::u16string& typed)
{
    std::string bytes;
    size_t characters = 0;
    for (size_t i = 0; i < typed.size() && characters < SearchTextLength; ++characters) {
        const bool pair = i + 1 < typed.size() && typed[i] >= 0xD800 && typed[i] < 0xDC00 && typed[i + 1] >= 0xDC00
            && typed[i + 1] < 0xE000;
        const size_t units = pair ? 2 : 1;
        uint8_t out[6];
        const size_t length = Utf16ToUtf8(typed.data() + i, units, out);
        if (bytes.size() + length > SearchTextBytes) break;
        bytes.append(reinterpret_cast<const char*>(out), length);
        i += units;
    }
    return bytes;
}
