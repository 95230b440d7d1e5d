// Characters of the view coding: where keys and the mouse may leave the
// caret, and the bytes a typed character becomes. In the one-byte codings a
// character is a byte; in the UTF-8 view it is a valid sequence or an invalid
// byte, and a byte-order mark at the start stays before every caret stop.
#include <algorithm>

#include "coding/unicode_tables.h"
#include "textctl/textctl_internal.h"
#include "textctl/utf8_text.h"

namespace {

bool Utf8View(const TextControl& c)
{
    return c.viewCoding == CodingUtf8;
}

size_t FirstStop(const TextControl& c)
{
    return Utf8View(c) && StartsWithByteOrderMark(c.text) ? Utf8ByteOrderMarkLength : 0;
}

}   // namespace

size_t CharStop(const TextControl& c, size_t pos)
{
    if (!Utf8View(c)) return pos;
    return std::max(Utf8CharStart(c.text, std::min(pos, c.text.Length())), FirstStop(c));
}

size_t CaretStop(const TextControl& c, size_t pos)
{
    return CharStop(c, IsBreakMiddle(c, pos) ? pos - 1 : pos);
}

size_t CharLeft(const TextControl& c, size_t pos)
{
    if (pos <= FirstStop(c)) return pos;
    if (IsBreakMiddle(c, pos - 1)) return pos - 2;
    return std::max(Utf8View(c) ? Utf8PreviousStop(c.text, pos) : pos - 1, FirstStop(c));
}

size_t CharRight(const TextControl& c, size_t pos)
{
    if (pos >= c.text.Length()) return c.text.Length();
    size_t next = Utf8View(c) ? std::max(Utf8NextStop(c.text, pos), FirstStop(c)) : pos + 1;
    return IsBreakMiddle(c, next) ? next + 1 : next;
}

size_t TypedBytes(TextControl& c, uint32_t code, bool unicode, uint8_t bytes[4])
{
    // A character past 16 bits may come as its two halves: the first waits for the second.
    char16_t high = c.pendingHalf;
    c.pendingHalf = 0;
    if (unicode && code >= 0xD800 && code < 0xDC00) {
        c.pendingHalf = static_cast<char16_t>(code);
        return 0;
    }
    if (unicode && code >= 0xDC00 && code < 0xE000) {
        if (!high) return 0;
        code = 0x10000 + ((high - 0xD800u) << 10) + (code - 0xDC00u);
    }
    if (code > 0x10FFFF) return 0;
    if (!Utf8View(c)) {
        bytes[0] = unicode && code > 0x7F ? UnicodeToByte(c.viewCoding, code > 0xFFFF ? u'?' : char16_t(code))
                                          : static_cast<uint8_t>(code);
        return 1;
    }
    // A character message carries a Windows-1251 byte, as the program's keyboard gives it.
    if (!unicode && code > 0x7F) code = ByteToUnicode(CodingAnsi, static_cast<uint8_t>(code));
    return EncodeUtf8Char(code, bytes);
}
