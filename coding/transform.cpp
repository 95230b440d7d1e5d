// Transliteration, quoted-printable decoding and line-break completion. None
// writes more than two bytes per input byte, so TransformOutputCapacity holds.
#include "coding/transform.h"

#include <array>
#include <cstring>

#include "coding/unicode_tables.h"
#include "coding/utf8_chars.h"

namespace {

// What one input byte becomes: one or two Latin letters, or the byte itself.
struct Spelling {
    uint8_t letter[2];
    uint8_t count;
};

void BuildSpellings(Coding viewCoding, Spelling (&spelling)[256])
{
    uint8_t oem[256];
    for (int b = 0; b < 256; ++b) oem[b] = uint8_t(b);
    if (viewCoding >= 0 && viewCoding < CodingCount) RecodeBytes(oem, sizeof oem, ToOemSlot[viewCoding]);
    for (int b = 0; b < 256; ++b) {
        const uint8_t o = oem[b];
        const uint8_t second = TranslitSecondLetter(o);
        spelling[b] = {{o < 0x80 ? o : TranslitTable[o - 0x80], second}, uint8_t(second ? 2 : 1)};
    }
}

// In UTF-8 a character OEM has a letter for becomes Latin; any other
// character, and any invalid byte, keeps its bytes. No letter takes more
// bytes than it had.
size_t TransliterateUtf8(const uint8_t* in, size_t length, uint8_t* out)
{
    size_t n = 0;
    for (size_t i = 0; i < length;) {
        const Utf8Char ch = Utf8CharAt(in + i, length - i);
        const bool oneUnit = ch.valid && ch.code >= 0x80 && ch.code <= 0xFFFF;
        const uint8_t oem = oneUnit ? UnicodeToByte(CodingOem, char16_t(ch.code)) : 0;
        if (oem >= 0x80 && TranslitTable[oem - 0x80] < 0x80) {
            out[n++] = TranslitTable[oem - 0x80];
            if (const uint8_t second = TranslitSecondLetter(oem)) out[n++] = second;
        } else {
            std::memcpy(out + n, in + i, ch.length);
            n += ch.length;
        }
        i += ch.length;
    }
    return n;
}

constexpr uint8_t NotHex = 0xFF;

// The value of an upper-case hexadecimal digit, NotHex for any other byte.
constexpr std::array<uint8_t, 256> BuildHexValues()
{
    std::array<uint8_t, 256> values{};
    for (int b = 0; b < 256; ++b)
        values[b] = (b >= '0' && b <= '9') ? uint8_t(b - '0') : (b >= 'A' && b <= 'F') ? uint8_t(b - 'A' + 10) : NotHex;
    return values;
}

constexpr std::array<uint8_t, 256> HexValues = BuildHexValues();

}   // namespace

size_t Transliterate(const uint8_t* in, size_t length, Coding viewCoding, uint8_t* out)
{
    if (viewCoding == CodingUtf8) return TransliterateUtf8(in, length, out);
    Spelling spelling[256];
    BuildSpellings(viewCoding, spelling);
    // Both letters are always stored and n advances by the count: before byte i
    // n <= 2i, so the store at n + 1 stays below 2 * length.
    size_t n = 0;
    for (size_t i = 0; i < length; ++i) {
        const Spelling& s = spelling[in[i]];
        out[n] = s.letter[0];
        out[n + 1] = s.letter[1];
        n += s.count;
    }
    return n;
}

size_t DecodeQuotedPrintable(const uint8_t* in, size_t length, uint8_t* out)
{
    size_t n = 0, i = 0;
    while (i < length) {
        const uint8_t b = in[i];
        if (b == '=' && i + 2 < length) {
            const uint8_t high = HexValues[in[i + 1]], low = HexValues[in[i + 2]];
            if ((high | low) != NotHex) {
                out[n++] = uint8_t(high << 4 | low);
                i += 3;
                continue;
            }
        }
        out[n++] = b;
        ++i;
    }
    return n;
}

size_t CompleteLineBreaks(const uint8_t* in, size_t length, uint8_t* out)
{
    size_t n = 0, i = 0;
    while (i < length) {
        const void* cr = std::memchr(in + i, '\r', length - i);
        const size_t run = cr ? size_t(static_cast<const uint8_t*>(cr) - in) - i + 1 : length - i;
        std::memcpy(out + n, in + i, run);
        n += run;
        i += run;
        if (cr && (i == length || in[i] != '\n')) out[n++] = '\n';
    }
    return n;
}
