#include "textctl/utf8_text.h"

#include "textctl/text_buffer.h"

namespace {

constexpr size_t Back = 3;    // a sequence starts at most this far before a byte of it
constexpr size_t Ahead = 4;   // the longest sequence

// The bytes [pos - Back, pos + Ahead) that exist, and where pos lies among them.
struct Window {
    uint8_t bytes[Back + Ahead];
    size_t length;
    size_t pos;
    size_t first;   // the text position of bytes[0]
};

Window WindowAt(const TextBuffer& text, size_t pos)
{
    Window w;
    w.first = pos > Back ? pos - Back : 0;
    w.pos = pos - w.first;
    w.length = text.CopyOut(w.first, w.pos + Ahead, w.bytes);
    return w;
}

}   // namespace

Utf8Char Utf8CharAt(const TextBuffer& text, size_t pos)
{
    uint8_t bytes[Ahead];
    return Utf8CharAt(bytes, text.CopyOut(pos, Ahead, bytes));
}

size_t Utf8CharStart(const TextBuffer& text, size_t pos)
{
    Window w = WindowAt(text, pos);
    return w.first + Utf8CharStart(w.bytes, w.length, w.pos);
}

size_t Utf8NextStop(const TextBuffer& text, size_t pos)
{
    if (pos >= text.Length()) return text.Length();
    Window w = WindowAt(text, pos);
    return w.first + Utf8NextStop(w.bytes, w.length, w.pos);
}

size_t Utf8PreviousStop(const TextBuffer& text, size_t pos)
{
    if (pos > text.Length()) pos = text.Length();
    return pos == 0 ? 0 : Utf8CharStart(text, pos - 1);
}

bool StartsWithByteOrderMark(const TextBuffer& text)
{
    uint8_t bytes[Utf8ByteOrderMarkLength];
    return StartsWithByteOrderMark(bytes, text.CopyOut(0, Utf8ByteOrderMarkLength, bytes));
}
