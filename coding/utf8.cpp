// UTF-8 decoding and encoding through per-coding tables built once from the
// program's character tables. A byte that a coding leaves undefined (0x98 in
// Windows-1251) stands for the control character of the same number, as on
// Windows, so it survives the way to UTF-8 and back.
#include "coding/utf8.h"
#include "coding/utf8_chars.h"
#include "coding/unicode_tables.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr char16_t Undefined = 0xFFFD;
constexpr char16_t TwoByteEnd = 0x800;   // the first character that takes three bytes

// A character's UTF-8 bytes; the last of the four is their count.
struct Spelling {
    uint8_t bytes[4];
};

struct Utf8Tables {
    Spelling spelling[CodingCount][256];
    uint8_t byteOf[CodingCount][TwoByteEnd];   // '?' where the coding lacks the character
};

char16_t CharacterOf(Coding coding, uint8_t b)
{
    const char16_t ch = ByteToUnicode(coding, b);
    return ch == Undefined ? char16_t(b) : ch;
}

Spelling Spell(char16_t ch)
{
    if (ch < 0x80) return {{uint8_t(ch), 0, 0, 1}};
    if (ch < TwoByteEnd) return {{uint8_t(0xC0 | ch >> 6), uint8_t(0x80 | (ch & 0x3F)), 0, 2}};
    return {{uint8_t(0xE0 | ch >> 12), uint8_t(0x80 | (ch >> 6 & 0x3F)), uint8_t(0x80 | (ch & 0x3F)), 3}};
}

Utf8Tables BuildTables()
{
    Utf8Tables t;
    for (int c = 0; c < CodingCount; ++c) {
        std::memset(t.byteOf[c], '?', TwoByteEnd);
        for (int b = 0; b < 256; ++b) {
            const char16_t ch = CharacterOf(Coding(c), uint8_t(b));
            t.spelling[c][b] = Spell(ch);
            if (ch < TwoByteEnd) t.byteOf[c][ch] = uint8_t(b);
        }
    }
    return t;
}

const Utf8Tables& Tables()
{
    static const Utf8Tables tables = BuildTables();
    return tables;
}

bool IsCoding(int coding)
{
    return coding >= 0 && coding < CodingCount;
}

// The byte for the sequence of n bytes at p; an invalid byte (n = 0) is itself.
uint8_t DecodeSequence(const uint8_t* p, size_t n, Coding to)
{
    if (n < 2) return p[0];
    if (n == 2) return Tables().byteOf[to][(p[0] & 0x1F) << 6 | (p[1] & 0x3F)];
    if (n == 3) return UnicodeToByte(to, char16_t((p[0] & 0x0F) << 12 | (p[1] & 0x3F) << 6 | (p[2] & 0x3F)));
    return '?';   // beyond U+FFFF: no coding has it
}

// Decodes the sequences that start in in[i..stop), reading on up to `length`
// to finish the last one; each gives exactly one byte.
size_t DecodeRun(const uint8_t* in, size_t& i, size_t stop, size_t length, Coding to, uint8_t* out)
{
    const uint8_t* byteOf = Tables().byteOf[to];
    size_t o = 0;
    while (i < stop) {
        const uint8_t b = in[i];
        if (b < 0x80) {
            out[o++] = b;
            ++i;
        } else if (b >= 0xC2 && b < 0xE0 && i + 1 < length && (in[i + 1] & 0xC0) == 0x80) {
            out[o++] = byteOf[(b & 0x1F) << 6 | (in[i + 1] & 0x3F)];
            i += 2;
        } else {
            const size_t n = Utf8SequenceLength(in + i, length - i);
            out[o++] = DecodeSequence(in + i, n, to);
            i += n ? n : 1;
        }
    }
    return o;
}

size_t DecodeUtf8(const uint8_t* in, size_t length, Coding to, uint8_t* out, size_t outputLimit)
{
    size_t i = StartsWithByteOrderMark(in, length) ? Utf8ByteOrderMarkLength : 0, o = 0;
    while (i < length) {
        const size_t room = outputLimit - o;
        if (room == 0) return ConvertedTooLong;
        const size_t stop = length - i <= room ? length : i + room;
        o += DecodeRun(in, i, stop, length, to, out + o);
    }
    return o;
}

size_t EncodeUtf8(const uint8_t* in, size_t length, Coding from, uint8_t* out, size_t outputLimit)
{
    const Spelling* spelling = Tables().spelling[from];
    size_t i = 0, o = 0;
    // Whole four-byte stores while the room is certain, then exact ones.
    for (size_t sure; (sure = std::min(length - i, (outputLimit - o) / 4)) > 0;) {
        for (const size_t end = i + sure; i < end; ++i) {
            const Spelling& s = spelling[in[i]];
            std::memcpy(out + o, s.bytes, 4);
            o += s.bytes[3];
        }
    }
    for (; i < length; ++i) {
        const Spelling& s = spelling[in[i]];
        if (s.bytes[3] > outputLimit - o) return ConvertedTooLong;
        std::memcpy(out + o, s.bytes, s.bytes[3]);
        o += s.bytes[3];
    }
    return o;
}

}   // namespace


size_t ConvertText(const uint8_t* in, size_t length, int from, int to, uint8_t* out, size_t outputLimit)
{
    if (from == CodingUtf8 && IsCoding(to)) return DecodeUtf8(in, length, Coding(to), out, outputLimit);
    if (IsCoding(from) && to == CodingUtf8) return EncodeUtf8(in, length, Coding(from), out, outputLimit);
    if (length > outputLimit) return ConvertedTooLong;
    if (length > 0) std::memcpy(out, in, length);
    if (IsCoding(from) && IsCoding(to)) ConvertCoding(out, length, Coding(from), Coding(to));
    return length;
}
