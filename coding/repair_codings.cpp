// Reading and writing in the seven codings of the repair: byte tables for the
// six single-byte codings, built once, and UTF-8 with surrogate pairs.
#include "coding/repair_codings.h"
#include "coding/unicode_tables.h"
#include "coding/utf8_chars.h"

namespace {

constexpr int SingleByteCount = 6;   // the five Codings and 1252
constexpr char16_t Undefined = 0xFFFD;

// Windows-1252, bytes 0x80..0x9F; 0x00 marks the five it leaves undefined.
constexpr char16_t Western80[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

struct SingleByteTables {
    char16_t character[SingleByteCount][256];
    uint8_t byteOf[SingleByteCount][0x10000];   // 0 where the coding lacks the character (but U+0000)
};

char16_t CharacterOf(int table, int b)
{
    if (table == CodingWestern - 1) {
        const char16_t ch = b >= 0x80 && b < 0xA0 ? Western80[b - 0x80] : char16_t(b);
        return ch ? ch : char16_t(b);
    }
    const char16_t ch = ByteToUnicode(Coding(table), uint8_t(b));
    return ch == Undefined ? char16_t(b) : ch;
}

const SingleByteTables& Tables()
{
    static const SingleByteTables* tables = [] {
        auto* t = new SingleByteTables{};
        for (int c = 0; c < SingleByteCount; ++c) {
            for (int b = 255; b >= 0; --b) {
                t->character[c][b] = CharacterOf(c, b);
                t->byteOf[c][t->character[c][b]] = uint8_t(b);
            }
        }
        return t;
    }();
    return *tables;
}

// The table of a single-byte coding: the Codings keep their numbers, 1252 follows.
int TableOf(int coding)
{
    return coding == CodingWestern ? CodingWestern - 1 : coding;
}

bool IsHighSurrogate(char16_t ch)
{
    return ch >= 0xD800 && ch < 0xDC00;
}

bool IsLowSurrogate(char16_t ch)
{
    return ch >= 0xDC00 && ch < 0xE000;
}

size_t ReadUtf8(const uint8_t* bytes, size_t length, std::u16string& out)
{
    size_t invalid = 0;
    for (size_t i = 0; i < length;) {
        const Utf8Char ch = Utf8CharAt(bytes + i, length - i);
        i += ch.length;
        if (!ch.valid) {
            out.push_back(u'?');
            ++invalid;
            continue;
        }
        char16_t units[2];
        out.append(units, DrawnUnits(ch, units));
    }
    return invalid;
}

size_t WriteUtf8(const char16_t* text, size_t length, std::vector<uint8_t>& out)
{
    size_t lost = 0;
    for (size_t i = 0; i < length; ++i) {
        const uint32_t ch = text[i];
        char32_t code = ch;
        if (IsHighSurrogate(ch) && i + 1 < length && IsLowSurrogate(text[i + 1])) {
            code = 0x10000 + ((ch - 0xD800) << 10) + (text[++i] - 0xDC00);
        } else if (IsHighSurrogate(ch) || IsLowSurrogate(ch)) {
            out.push_back('?');
            ++lost;
            continue;
        }
        uint8_t bytes[4];
        out.insert(out.end(), bytes, bytes + EncodeUtf8Char(code, bytes));
    }
    return lost;
}

}   // namespace

const char* const RepairCodingName[RepairCodingCount] = {"1251", "866", "KOI8-R", "ISO 8859-5", "Mac", "UTF-8", "1252"};

size_t ReadBytesAs(int coding, const uint8_t* bytes, size_t length, std::u16string& out)
{
    out.clear();
    if (coding == CodingUtf8) return ReadUtf8(bytes, length, out);
    const char16_t* character = Tables().character[TableOf(coding)];
    out.resize(length);
    for (size_t i = 0; i < length; ++i) out[i] = character[bytes[i]];
    return 0;
}

size_t WriteTextAs(int coding, const char16_t* text, size_t length, std::vector<uint8_t>& out)
{
    out.clear();
    if (coding == CodingUtf8) return WriteUtf8(text, length, out);
    const uint8_t* byteOf = Tables().byteOf[TableOf(coding)];
    size_t lost = 0;
    out.reserve(length);
    for (size_t i = 0; i < length; ++i) {
        const char16_t ch = text[i];
        const uint8_t b = byteOf[ch];
        if (b != 0 || ch == 0) {
            out.push_back(b);
            continue;
        }
        // A character past 16 bits is one character, so one '?'.
        if (IsHighSurrogate(ch) && i + 1 < length && IsLowSurrogate(text[i + 1])) ++i;
        out.push_back('?');
        ++lost;
    }
    return lost;
}
