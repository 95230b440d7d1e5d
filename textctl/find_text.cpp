#include "textctl/find_text.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "coding/unicode_tables.h"
#include "coding/utf8_chars.h"
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

char32_t OtherCaseLetter(char32_t ch)
{
    if (ch > 0xFFFF) return ch;
    char16_t small = SmallLetter(static_cast<char16_t>(ch));
    if (small != ch) return small;
    if (ch >= u'a' && ch <= u'z') return ch - 0x20;
    if (ch >= 0x0430 && ch <= 0x044F) return ch - 0x20;   // а..я
    if (ch >= 0x0450 && ch <= 0x045F) return ch - 0x50;   // ѐ..џ
    return ch;
}

// A UTF-8 pattern with each Latin and Cyrillic letter in its other case (of
// the same length in UTF-8), and the length of the character at each start.
struct OtherCase {
    std::string bytes;
    std::vector<uint8_t> lengths;
};

OtherCase MakeOtherCase(const uint8_t* pattern, size_t length)
{
    OtherCase result{std::string(reinterpret_cast<const char*>(pattern), length), std::vector<uint8_t>(length, 0)};
    for (size_t k = 0; k < length;) {
        Utf8Char ch = Utf8CharAt(pattern + k, length - k);
        result.lengths[k] = static_cast<uint8_t>(ch.length);
        uint8_t bytes[4];
        char32_t other = ch.valid ? OtherCaseLetter(ch.code) : ch.code;
        if (other != ch.code && EncodeUtf8Char(other, bytes) == ch.length)
            result.bytes.replace(k, ch.length, reinterpret_cast<char*>(bytes), ch.length);
        k += ch.length;
    }
    return result;
}

void BuildFoldTable(Coding coding, uint8_t* table)
{
    for (int b = 0; b < 256; ++b) table[b] = static_cast<uint8_t>(b);
    for (int b = 0; b < 256; ++b) {
        char16_t ch = ByteToUnicode(coding, static_cast<uint8_t>(b));
        char16_t small = SmallLetter(ch);
        if (small == ch) continue;
        uint8_t smallByte = UnicodeToByte(coding, small);
        if (ByteToUnicode(coding, smallByte) == small) table[b] = smallByte;
    }
}

// How the pattern is matched: bytes compared through `fold`, or in UTF-8 each
// character as it is or in its other case (`other`), or else exactly; windows
// advanced by Horspool's rule on their last byte. A shift of 0 marks a byte
// that may end a match, so the skipping loop needs one lookup a window.
struct Matcher {
    const uint8_t* pattern;
    size_t length;
    const uint8_t* fold;
    const OtherCase* other;
    uint32_t shift[256];
    size_t matchShift;   // the shift after a window whose last byte could end a match
    std::vector<uint8_t> across;

    bool MatchesEitherCase(const uint8_t* run) const
    {
        const uint8_t* flipped = reinterpret_cast<const uint8_t*>(other->bytes.data());
        for (size_t k = 0, n; k < length; k += n) {
            n = other->lengths[k];
            if (std::memcmp(run + k, pattern + k, n) != 0 && std::memcmp(run + k, flipped + k, n) != 0) return false;
        }
        return true;
    }

    bool MatchesRun(const uint8_t* run) const
    {
        if (other) return MatchesEitherCase(run);
        if (!fold) return std::memcmp(run, pattern, length) == 0;
        for (size_t k = 0; k < length; ++k)
            if (fold[run[k]] != fold[pattern[k]]) return false;
        return true;
    }

    // For a window that crosses from one run of the buffer into the next.
    bool MatchesAcross(const TextBuffer& text, size_t pos)
    {
        across.resize(length);
        for (size_t k = 0; k < length; ++k) across[k] = text.At(pos + k);
        return MatchesRun(across.data());
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

void PrepareMatcher(Matcher& m, const uint8_t* pattern, size_t length, const uint8_t* fold, const OtherCase* other)
{
    m.pattern = pattern;
    m.length = length;
    m.fold = fold;
    m.other = other;
    auto folded = [&m](uint8_t b) { return m.fold ? m.fold[b] : b; };
    // The byte at each place, and its other case's: a window may hold either.
    const uint8_t* flipped = other ? reinterpret_cast<const uint8_t*>(other->bytes.data()) : pattern;
    // Shifts by folded byte first: every byte that folds alike shifts alike.
    uint32_t byFolded[256];
    for (uint32_t& shift : byFolded) shift = static_cast<uint32_t>(length);
    for (size_t j = 0; j + 1 < length; ++j) {
        byFolded[folded(pattern[j])] = static_cast<uint32_t>(length - 1 - j);
        byFolded[flipped[j]] = static_cast<uint32_t>(length - 1 - j);
    }
    const uint8_t last = folded(pattern[length - 1]), flippedLast = flipped[length - 1];
    m.matchShift = std::min(byFolded[last], byFolded[flippedLast]);
    byFolded[last] = byFolded[flippedLast] = 0;
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
    static uint8_t tables[CodingCount][256];
    static bool built[CodingCount];
    int index = coding >= 0 && coding < CodingCount ? coding : CodingAnsi;
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
    const bool eitherCase = !(flags & FindMatchCase);
    OtherCase other;
    if (eitherCase && coding == CodingUtf8) other = MakeOtherCase(pattern, length);
    Matcher matcher;
    PrepareMatcher(matcher, pattern, length, eitherCase && coding != CodingUtf8 ? CaseFoldTable(coding) : nullptr,
                   eitherCase && coding == CodingUtf8 ? &other : nullptr);
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
