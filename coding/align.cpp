// Reflows words into lines of a fixed width: indents, padding and justified
// gaps are spaces, every line ends with CR LF. The last byte of the range is
// written with the last line but never counted, as the commands always did.
#include "coding/align.h"
#include "coding/word_scan.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <new>
#include <stdexcept>

namespace {

constexpr std::array<bool, 256> BuildBlanks()
{
    std::array<bool, 256> blank{};
    for (int b : {0x00, 0x09, 0x0A, 0x0D, 0x20}) blank[b] = true;
    return blank;
}

constexpr std::array<bool, 256> Blanks = BuildBlanks();

bool IsBlank(uint8_t b)
{
    return Blanks[b];
}

// Words are scanned eight bytes at a time. A blank shows as the high bit of
// its byte; bytes above the first blank may be flagged falsely, the first never.
constexpr uint64_t Ones = 0x0101010101010101u;
constexpr size_t Chunk = 8;

uint64_t BytesEqual(uint64_t x, uint8_t value)
{
    const uint64_t y = x ^ (Ones * value);
    return (y - Ones) & ~y & (Ones * 0x80);
}

uint64_t BlankMask(const uint8_t* p)
{
    uint64_t x;
    std::memcpy(&x, p, Chunk);
    return BytesEqual(x, 0x00) | BytesEqual(x, 0x09) | BytesEqual(x, 0x0A) | BytesEqual(x, 0x0D) | BytesEqual(x, 0x20);
}

// Position of the first flagged byte: the lowest, as the chunk was loaded
// little-endian (false flags come from borrows, which only move upwards).
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ != __ORDER_LITTLE_ENDIAN__
#error "the eight-byte word scan assumes little-endian loads"
#endif
size_t FirstFlagged(uint64_t mask)
{
    return LowestFlaggedByte(mask);
}

// The first blank of d[from..to), or `to`.
inline size_t FindBlank(const uint8_t* d, size_t from, size_t to)
{
    for (; from + Chunk <= to; from += Chunk)
        if (const uint64_t blanks = BlankMask(d + from)) return from + FirstFlagged(blanks);
    while (from < to && !IsBlank(d[from])) ++from;
    return from;
}

// Copies the word at d[from..) that ends before a blank or at `to`; may store
// up to Chunk - 1 bytes of junk behind it (from d[..to)), which later writes cover.
inline uint8_t* CopyWord(uint8_t* at, const uint8_t* d, size_t& from, size_t to)
{
    for (; from + Chunk <= to; from += Chunk, at += Chunk) {
        std::memcpy(at, d + from, Chunk);
        if (const uint64_t blanks = BlankMask(d + from)) {
            const size_t n = FirstFlagged(blanks);
            from += n;
            return at + n;
        }
    }
    while (from < to && !IsBlank(d[from])) *at++ = d[from++];
    return at;
}

// Thrown when the result would pass the limit.
struct PastLimit {};

// The result grows by doubling, never past the limit.
struct Output {
    std::vector<uint8_t>& bytes;
    size_t limit;
    size_t used = 0;

    // Room for `count` more bytes; the caller writes them and calls Commit.
    uint8_t* Reserve(int64_t count)
    {
        if (uint64_t(count) > limit - used) throw PastLimit();
        const size_t needed = used + size_t(count);
        if (needed > bytes.size()) bytes.resize(std::max(needed, std::min(limit, 2 * bytes.size())));
        return bytes.data() + used;
    }
    void Commit(const uint8_t* end) { used = size_t(end - bytes.data()); }
    void Spaces(int64_t count)
    {
        if (count <= 0) return;
        uint8_t* at = Reserve(count);
        std::memset(at, ' ', size_t(count));
        Commit(at + count);
    }
};

uint8_t* WriteSpaces(uint8_t* at, int64_t count)
{
    if (count == 1) {
        *at = ' ';
        return at + 1;
    }
    std::memset(at, ' ', size_t(count));
    return at + count;
}

// The words of one output line: d[start..end] holds them (end is the blank or
// line break after which the next line begins, or the range's last byte).
struct Line {
    size_t start, end;
    int64_t words, letters;
};

// Moves k over blanks, up to `last`; true when it stops at a line break
// instead: on a lone LF or CR, or on the LF of CR LF.
bool SkipBlanks(const uint8_t* d, size_t& k, size_t last, bool ignoreLineBreaks)
{
    for (; k < last && IsBlank(d[k]); ++k) {
        if (ignoreLineBreaks || (d[k] != 0x0A && d[k] != 0x0D)) continue;
        if (d[k] == 0x0D && d[k + 1] == 0x0A) ++k;
        return true;
    }
    return false;
}

// Collects words while they fit in `room` columns; a word that overflows is
// given back unless it is the only one.
Line CollectWords(const uint8_t* d, size_t length, size_t start, int64_t room, bool ignoreLineBreaks)
{
    const size_t last = length - 1;   // never examined by the scan
    Line line{start, start, 0, 0};
    size_t& k = line.end;
    // A line cut by the width at the CR of a CR LF leaves its LF here.
    if (start > 0 && start < last && d[start - 1] == 0x0D && d[start] == 0x0A) ++k;
    for (;;) {
        // The width is checked only once a word is in: a negative width
        // must not cut lines in the middle of a word.
        if (k >= last || (line.words > 0 && line.words + line.letters - 1 > room)) break;
        if (SkipBlanks(d, k, last, ignoreLineBreaks)) break;
        if (k < last) {
            ++line.words;
            const size_t wordStart = k;
            k = FindBlank(d, k, last);
            line.letters += int64_t(k - wordStart);
        }
    }
    if (line.words + line.letters - 1 > room && line.words > 1) {
        --line.words;
        while (k > 0 && IsBlank(d[k])) --k;
        for (; k > 0 && !IsBlank(d[k]); --k) --line.letters;
    }
    return line;
}

struct Gaps {
    int64_t spaces;   // every gap
    int64_t wider;    // how many of the first gaps get one space more
};

Gaps GapsFor(AlignMode mode, int64_t freeColumns, const Line& line, size_t length)
{
    if (mode == AlignJustify && freeColumns > 0 && line.words > 1 && line.end < length - 1)
        return {freeColumns / (line.words - 1) + 1, freeColumns % (line.words - 1)};
    return {1, 0};
}

int64_t PaddingFor(AlignMode mode, int64_t freeColumns)
{
    const int64_t pad = mode == AlignCenter ? freeColumns / 2 : mode == AlignRight ? freeColumns : 0;
    return pad > 0 ? pad : 0;
}

// Padding, the words of d[start..end] with their gaps, and CR LF.
void WriteLine(Output& out, const uint8_t* d, const Line& line, int64_t padding, Gaps gaps)
{
    // At most: every byte of d[start..end], the padding, w - 1 gaps and the
    // line break. CopyWord's whole-chunk stores stay inside too: a chunk taken
    // from d[from..from+8) lands no further than d[end] would.
    const int64_t gapBytes = line.words > 1 ? (line.words - 1) * gaps.spaces + gaps.wider : 0;
    uint8_t* at = WriteSpaces(out.Reserve(int64_t(line.end - line.start) + 3 + padding + gapBytes), padding);
    // A gap goes before every word but the first. The range's uncounted last
    // byte can be a word of its own; it still gets its gap, so no two words
    // are ever glued together.
    bool firstWord = true;
    size_t j = line.start;
    const size_t k = line.end;
    while (j <= k) {
        while (j <= k && IsBlank(d[j])) ++j;
        if (j > k) break;
        if (!firstWord) {
            at = WriteSpaces(at, gaps.spaces + (gaps.wider > 0 ? 1 : 0));
            if (gaps.wider > 0) --gaps.wider;
        }
        firstWord = false;
        at = CopyWord(at, d, j, k + 1);
    }
    *at++ = 0x0D;
    *at++ = 0x0A;
    out.Commit(at);
}

struct Indents {
    int64_t first, left;
};

// Center indents every line by LI; an indent that leaves fewer than 8 columns is dropped.
Indents IndentsFor(AlignMode mode, const AlignParams& params)
{
    const int64_t width = params.rightIndent;
    Indents in{mode == AlignCenter ? params.leftIndent : params.firstIndent, params.leftIndent};
    if (in.left >= width - 8) in.left = 0;
    if (in.first >= width - 8) in.first = 0;
    return in;
}

// Whether a line break before the range's closing one makes the result at least two lines.
bool HasSecondLine(const uint8_t* d, size_t length, bool ignoreLineBreaks)
{
    if (ignoreLineBreaks || length < 2) return false;
    const size_t last = length - 1;
    const void* lf = std::memchr(d, 0x0A, last);
    const void* cr = std::memchr(d, 0x0D, last);
    const size_t lfAt = lf ? size_t(static_cast<const uint8_t*>(lf) - d) : last;
    const size_t crAt = cr ? size_t(static_cast<const uint8_t*>(cr) - d) : last;
    if (lfAt < crAt) return true;
    return crAt < last && !(crAt == last - 1 && d[last] == 0x0A);
}

// Whether the first line's indent and line break, and those of a second line
// when there is one, already pass the limit. The scan runs only for indents
// that large.
bool IndentsPassLimit(const uint8_t* d, size_t length, Indents in, const AlignParams& params)
{
    const uint64_t firstLine = uint64_t(std::max<int64_t>(in.first, 0)) + (length > 0 ? 2 : 0);
    const uint64_t laterLine = uint64_t(std::max<int64_t>(in.left, 0)) + 2;
    if (firstLine > params.outputLimit) return true;
    return firstLine + laterLine > params.outputLimit && HasSecondLine(d, length, params.ignoreLineBreaks);
}

void Align(const uint8_t* d, size_t length, AlignMode mode, const AlignParams& params, Indents in, Output& out)
{
    const int64_t width = params.rightIndent;
    out.Spaces(in.first);
    int64_t indent = in.first;
    for (size_t j = 0; j < length;) {
        if (j > 0) {
            out.Spaces(in.left);
            indent = in.left;
        }
        const Line line = CollectWords(d, length, j, width - indent, params.ignoreLineBreaks);
        const int64_t freeColumns = width - indent - line.letters - line.words + 1;
        WriteLine(out, d, line, PaddingFor(mode, freeColumns), GapsFor(mode, freeColumns, line, length));
        j = line.end + 1;
    }
}

}   // namespace

AlignOutcome AlignParagraphs(const uint8_t* d, size_t length, AlignMode mode, const AlignParams& params,
                             std::vector<uint8_t>& out)
{
    out.clear();
    const Indents indents = IndentsFor(mode, params);
    if (IndentsPassLimit(d, length, indents, params)) return AlignOutcome::IndentsTooLong;
    Output output{out, params.outputLimit};
    AlignOutcome failed = AlignOutcome::OutOfMemory;
    try {
        out.resize(std::min(params.outputLimit, length + length / 4 + 64));
        Align(d, length, mode, params, indents, output);
        out.resize(output.used);
        return AlignOutcome::Aligned;
    } catch (const PastLimit&) {
        failed = AlignOutcome::TooLong;
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {}
    out.clear();
    out.shrink_to_fit();
    return failed;
}

ByteRange WidenToLines(ByteRange selection, int32_t startLineStart, int32_t endLineStart, int32_t endLineLength)
{
    if (selection.start <= startLineStart) return selection;
    ByteRange widened{startLineStart, selection.end};
    if (int64_t(endLineLength) > int64_t(selection.end) - endLineStart)
        widened.end = int32_t(int64_t(endLineStart) + endLineLength);
    return widened;
}
