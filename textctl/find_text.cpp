#include "textctl/find_text.h"

#include <cstring>

#include "coding/unicode_tables.h"
#include "textctl/text_buffer.h"
#include "textctl/word_break.h"

namespace {

char16_t SmallLetter(char16_t ch)
{
    if (ch >= u'A' && ch <= u'Z') return ch + 0x20;
    if (ch >= 0x0410 && ch <= 0x042F) return ch + 0x20;   // А..Я
    if (ch >= 0x0400 && ch <= 0x040F) return ch + 0x50;   // Ѐ..Џ, Ё among them
    return ch;
}

// In UTF-8 only the Latin letters are single bytes; the others stay exact.
void BuildFoldTable(Coding coding, uint8_t* table)
{
    const int end = coding == CodingUtf8 ? 0x80 : 0x100;
    for (int b = 0; b < 256; ++b) table[b] = static_cast<uint8_t>(b);
    for (int b = 0; b < end; ++b) {
        char16_t ch = ByteToUnicode(coding, static_cast<uint8_t>(b));
        char16_t small = SmallLetter(ch);
        if (small == ch) continue;
        uint8_t smallByte = UnicodeToByte(coding, small);
        if (ByteToUnicode(coding, smallByte) == small) table[b] = smallByte;
    }
}

// How the pattern is matched: bytes compared through `fold` (null: exactly),
// windows advanced by Horspool's rule on their last byte. A shift of 0 marks
// a byte that may end a match, so the skipping loop needs one lookup a window.
struct Matcher {
    const uint8_t* pattern;
    size_t length;
    const uint8_t* fold;
    uint32_t shift[256];
    size_t matchShift;   // the shift after a window whose last byte could end a match

    bool Same(uint8_t a, uint8_t b) const { return fold ? fold[a] == fold[b] : a == b; }

    bool MatchesRun(const uint8_t* run) const
    {
        if (!fold) return std::memcmp(run, pattern, length) == 0;
        for (size_t k = 0; k < length; ++k)
            if (fold[run[k]] != fold[pattern[k]]) return false;
        return true;
    }

    // For a window that crosses from one run of the buffer into the next.
    bool MatchesAcross(const TextBuffer& text, size_t pos) const
    {
        for (size_t k = 0; k < length; ++k)
            if (!Same(text.At(pos + k), pattern[k])) return false;
        return true;
    }

    // The first window from `i` on, wholly before `windowEnd`, whose last byte may end a match.
    size_t NextCandidate(const uint8_t* run, size_t i, size_t windowEnd) const
    {
        const uint8_t* last = run + length - 1;
        // Three shifts a round while even three full ones stay inside: a zero shift stands still.
        while (i + 4 * length <= windowEnd) {
            i += shift[last[i]];
            i += shift[last[i]];
            i += shift[last[i]];
            if (shift[last[i]] == 0) return i;
        }
        while (i + length <= windowEnd) {
            uint32_t step = shift[last[i]];
            if (step == 0) break;
            i += step;
        }
        return i;
    }
};

void PrepareMatcher(Matcher& m, const uint8_t* pattern, size_t length, unsigned flags, Coding coding)
{
    m.pattern = pattern;
    m.length = length;
    m.fold = flags & FindMatchCase ? nullptr : CaseFoldTable(coding);
    auto folded = [&m](uint8_t b) { return m.fold ? m.fold[b] : b; };
    // Shifts by folded byte first: every byte that folds alike shifts alike.
    uint32_t byFolded[256];
    for (uint32_t& shift : byFolded) shift = static_cast<uint32_t>(length);
    for (size_t j = 0; j + 1 < length; ++j) byFolded[folded(pattern[j])] = static_cast<uint32_t>(length - 1 - j);
    m.matchShift = byFolded[folded(pattern[length - 1])];
    byFolded[folded(pattern[length - 1])] = 0;
    for (int b = 0; b < 256; ++b) m.shift[b] = byFolded[folded(static_cast<uint8_t>(b))];
}

bool IsWholeWord(const TextBuffer& text, size_t pos, size_t length)
{
    if (pos > 0 && IsWordByte(text.At(pos - 1))) return false;
    return pos + length >= text.Length() || !IsWordByte(text.At(pos + length));
}

}   // namespace

const uint8_t* CaseFoldTable(Coding coding)
{
    static uint8_t tables[CodingUtf8 + 1][256];
    static bool built[CodingUtf8 + 1];
    int index = coding >= 0 && coding <= CodingUtf8 ? coding : CodingAnsi;
    if (!built[index]) {
        BuildFoldTable(static_cast<Coding>(index), tables[index]);
        built[index] = true;
    }
    return tables[index];
}

int64_t FindText(const TextBuffer& text, size_t min, int64_t max, const uint8_t* pattern, size_t length, unsigned flags,
                 Coding coding)
{
    size_t end = max < 0 || static_cast<uint64_t>(max) > text.Length() ? text.Length() : static_cast<size_t>(max);
    if (length == 0 || min >= end || end - min < length) return -1;
    Matcher matcher;
    PrepareMatcher(matcher, pattern, length, flags, coding);
    auto accept = [&](size_t at) { return !(flags & FindWholeWord) || IsWholeWord(text, at, length); };
    const size_t lastStart = end - length;
    for (size_t pos = min; pos <= lastStart;) {
        size_t available = 0;
        const uint8_t* run = text.Span(pos, &available);
        // Offsets in the run: windows wholly inside it, then those crossing its end.
        const size_t windowEnd = end - pos < available ? end - pos : available;
        size_t i = matcher.NextCandidate(run, 0, windowEnd);
        for (; i + length <= windowEnd; i = matcher.NextCandidate(run, i + matcher.matchShift, windowEnd)) {
            if (matcher.MatchesRun(run + i) && accept(pos + i)) return static_cast<int64_t>(pos + i);
        }
        for (; i < available && pos + i <= lastStart; ++i) {
            if (matcher.MatchesAcross(text, pos + i) && accept(pos + i)) return static_cast<int64_t>(pos + i);
        }
        pos += i > available ? i : available;
    }
    return -1;
}
