#include "textctl/word_break.h"

#include "textctl/text_buffer.h"

namespace {

enum class ByteClass { Word, Blank, Break, Other };

ByteClass ClassOf(uint8_t b)
{
    if (IsWordByte(b)) return ByteClass::Word;
    if (b == ' ' || b == '\t') return ByteClass::Blank;
    if (b == '\r' || b == '\n') return ByteClass::Break;
    return ByteClass::Other;
}

ByteClass ClassAt(const TextBuffer& text, size_t pos)
{
    return ClassOf(text.At(pos));
}

size_t SkipForward(const TextBuffer& text, size_t pos, ByteClass kind)
{
    while (pos < text.Length() && ClassAt(text, pos) == kind) ++pos;
    return pos;
}

size_t SkipBackward(const TextBuffer& text, size_t pos, ByteClass kind)
{
    while (pos > 0 && ClassAt(text, pos - 1) == kind) --pos;
    return pos;
}

// Length of the line break starting at pos (CR LF is one break).
size_t BreakLengthAt(const TextBuffer& text, size_t pos)
{
    return text.At(pos) == '\r' && pos + 1 < text.Length() && text.At(pos + 1) == '\n' ? 2 : 1;
}

}   // namespace

bool IsWordByte(uint8_t b)
{
    return (b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || b == '_' || b >= 0x80;
}

size_t WordRight(const TextBuffer& text, size_t pos)
{
    if (pos >= text.Length()) return text.Length();
    ByteClass kind = ClassAt(text, pos);
    if (kind == ByteClass::Break) return pos + BreakLengthAt(text, pos);
    if (kind != ByteClass::Blank) pos = SkipForward(text, pos, kind);
    return SkipForward(text, pos, ByteClass::Blank);
}

size_t WordLeft(const TextBuffer& text, size_t pos)
{
    pos = SkipBackward(text, pos < text.Length() ? pos : text.Length(), ByteClass::Blank);
    if (pos == 0) return 0;
    ByteClass kind = ClassAt(text, pos - 1);
    if (kind == ByteClass::Break)
        return pos >= 2 && text.At(pos - 1) == '\n' && text.At(pos - 2) == '\r' ? pos - 2 : pos - 1;
    return SkipBackward(text, pos, kind);
}

WordRange WordAt(const TextBuffer& text, size_t pos)
{
    if (text.Length() == 0) return {0, 0};
    if (pos >= text.Length()) pos = text.Length() - 1;
    // A click just past a line's last character means that character.
    if (ClassAt(text, pos) == ByteClass::Break && pos > 0 && ClassAt(text, pos - 1) != ByteClass::Break) --pos;
    ByteClass kind = ClassAt(text, pos);
    if (kind == ByteClass::Break) {
        if (text.At(pos) == '\n' && pos > 0 && text.At(pos - 1) == '\r') --pos;
        return {pos, pos + BreakLengthAt(text, pos)};
    }
    size_t start = SkipBackward(text, pos, kind);
    size_t end = SkipForward(text, pos, kind);
    if (kind == ByteClass::Word) end = SkipForward(text, end, ByteClass::Blank);
    return {start, end};
}
