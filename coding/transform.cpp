// Transliteration, quoted-printable decoding and line-break completion. None
// writes more than two bytes per input byte, so TransformOutputCapacity holds.
#include "coding/transform.h"

#include <cstring>

namespace {

// What one input byte becomes: one or two Latin letters, or the byte itself.
struct Spelling {
    uint8_t letter[2];
    uint8_t count;
};

void BuildSpellings(Coding viewCoding, Spelling (&spelling)[256]) {
    uint8_t oem[256];
    for (int b = 0; b < 256; ++b) oem[b] = uint8_t(b);
    if (viewCoding >= 0 && viewCoding < CodingCount) RecodeBytes(oem, sizeof oem, ToOemSlot[viewCoding]);
    for (int b = 0; b < 256; ++b) {
        const uint8_t o = oem[b];
        const uint8_t second = TranslitSecondLetter(o);
        spelling[b] = {{o < 0x80 ? o : TranslitTable[o - 0x80], second}, uint8_t(second ? 2 : 1)};
    }
}

bool IsUpperHexDigit(uint8_t c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); }

uint8_t HexValue(uint8_t c) { return c <= '9' ? c - '0' : c - 'A' + 10; }

}  // namespace

size_t Transliterate(const uint8_t* in, size_t length, Coding viewCoding, uint8_t* out) {
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

size_t DecodeQuotedPrintable(const uint8_t* in, size_t length, uint8_t* out) {
    size_t n = 0, i = 0;
    while (i < length) {
        const void* eq = std::memchr(in + i, '=', length - i);
        const size_t run = eq ? size_t(static_cast<const uint8_t*>(eq) - in) - i : length - i;
        std::memcpy(out + n, in + i, run);
        n += run;
        i += run;
        if (i == length) break;
        if (i + 2 < length && IsUpperHexDigit(in[i + 1]) && IsUpperHexDigit(in[i + 2])) {
            out[n++] = uint8_t(HexValue(in[i + 1]) << 4 | HexValue(in[i + 2]));
            i += 3;
        } else {
            out[n++] = in[i++];
        }
    }
    return n;
}

size_t CompleteLineBreaks(const uint8_t* in, size_t length, uint8_t* out) {
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
