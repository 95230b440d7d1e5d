#include "textctl/find_text.h"

#include <cstring>

#include "coding/unicode_tables.h"
#include "textctl/line_scan.h"
#include "textctl/text_buffer.h"
#include "textctl/word_break.h"

namespace {

char16_t SmallLetter(char16_t ch) {
    if (ch >= u'A' && ch <= u'Z') return ch + 0x20;
    if (ch >= 0x0410 && ch <= 0x042F) return ch + 0x20;   // А..Я
    if (ch >= 0x0400 && ch <= 0x040F) return ch + 0x50;   // Ѐ..Џ, Ё among them
    return ch;
}

void BuildFoldTable(Coding coding, uint8_t* table) {
    for (int b = 0; b < 256; ++b) {
        table[b] = static_cast<uint8_t>(b);
        char16_t ch = ByteToUnicode(coding, static_cast<uint8_t>(b));
        char16_t small = SmallLetter(ch);
        if (small == ch) continue;
        uint8_t smallByte = UnicodeToByte(coding, small);
        if (ByteToUnicode(coding, smallByte) == small) table[b] = smallByte;
    }
}

// How the pattern is matched: bytes compared through `fold` (null: exactly).
struct Matcher {
    const uint8_t* pattern;
    size_t length;
    const uint8_t* fold;
    uint8_t first[2];   // the bytes a match can start with

    bool Same(uint8_t a, uint8_t b) const { return fold ? fold[a] == fold[b] : a == b; }

    bool MatchesRun(const uint8_t* run) const {
        if (!fold) return std::memcmp(run, pattern, length) == 0;
        for (size_t k = 0; k < length; ++k)
            if (fold[run[k]] != fold[pattern[k]]) return false;
        return true;
    }

    bool MatchesAt(const TextBuffer& text, size_t pos, const uint8_t* run, size_t available) const {
        if (available >= length) return MatchesRun(run);
        for (size_t k = 0; k < length; ++k)
            if (!Same(text.At(pos + k), pattern[k])) return false;
        return true;
    }
};

Matcher MakeMatcher(const uint8_t* pattern, size_t length, unsigned flags, Coding coding) {
    Matcher m{pattern, length, flags & FindMatchCase ? nullptr : CaseFoldTable(coding), {pattern[0], pattern[0]}};
    if (m.fold) {
        for (int b = 0; b < 256; ++b)
            if (b != pattern[0] && m.fold[b] == m.fold[pattern[0]]) m.first[1] = static_cast<uint8_t>(b);
    }
    return m;
}

// First byte of p[0, n) equal to a or b; null when none.
const uint8_t* FindEitherByte(const uint8_t* p, size_t n, uint8_t a, uint8_t b) {
    if (a == b) return static_cast<const uint8_t*>(std::memchr(p, a, n));
    using namespace line_scan_detail;
    size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        uint64_t word = LoadWord(p + i);
        uint64_t hits = EqualBytes(word, a) | EqualBytes(word, b);
        if (hits) return p + i + static_cast<size_t>(__builtin_ctzll(hits)) / 8;
    }
    for (; i < n; ++i)
        if (p[i] == a || p[i] == b) return p + i;
    return nullptr;
}

bool IsWholeWord(const TextBuffer& text, size_t pos, size_t length) {
    if (pos > 0 && IsWordByte(text.At(pos - 1))) return false;
    return pos + length >= text.Length() || !IsWordByte(text.At(pos + length));
}

}  // namespace

const uint8_t* CaseFoldTable(Coding coding) {
    static uint8_t tables[CodingCount][256];
    static bool built[CodingCount];
    int index = coding >= 0 && coding < CodingCount ? coding : CodingAnsi;
    if (!built[index]) {
        BuildFoldTable(static_cast<Coding>(index), tables[index]);
        built[index] = true;
    }
    return tables[index];
}

int64_t FindText(const TextBuffer& text, size_t min, int64_t max, const uint8_t* pattern,
                 size_t length, unsigned flags, Coding coding) {
    size_t end = max < 0 || static_cast<uint64_t>(max) > text.Length() ? text.Length() : static_cast<size_t>(max);
    if (length == 0 || min >= end || end - min < length) return -1;
    const Matcher matcher = MakeMatcher(pattern, length, flags, coding);
    const size_t lastStart = end - length;
    for (size_t pos = min; pos <= lastStart;) {
        size_t available = 0;
        const uint8_t* run = text.Span(pos, &available);
        size_t scan = available < lastStart - pos + 1 ? available : lastStart - pos + 1;
        const uint8_t* hit = FindEitherByte(run, scan, matcher.first[0], matcher.first[1]);
        while (hit) {
            size_t offset = static_cast<size_t>(hit - run);
            size_t at = pos + offset;
            if (matcher.MatchesAt(text, at, hit, available - offset) &&
                (!(flags & FindWholeWord) || IsWholeWord(text, at, length)))
                return static_cast<int64_t>(at);
            hit = FindEitherByte(hit + 1, scan - offset - 1, matcher.first[0], matcher.first[1]);
        }
        pos += scan;
    }
    return -1;
}
