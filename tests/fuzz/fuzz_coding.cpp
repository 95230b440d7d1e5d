// libFuzzer target over every byte transformation, UTF-8 conversion, the
// coding guess and alignment. The first 16 bytes choose the parameters, the
// rest is the text.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "coding/align.h"
#include "coding/detect.h"
#include "coding/transform.h"
#include "coding/utf8.h"
#include "coding/utf16.h"
#include "coding/utf8_chars.h"

namespace {

int32_t Int32At(const uint8_t* p)
{
    uint32_t v;
    std::memcpy(&v, p, 4);
    return int32_t(v);
}

bool IsBlank(uint8_t b)
{
    return b == 0 || b == 9 || b == 10 || b == 13 || b == 32;
}

void Check(bool ok)
{
    if (!ok) std::abort();
}

// Every non-blank byte of the text comes out once, in order.
void CheckWordsKept(const uint8_t* text, size_t length, const std::vector<uint8_t>& out)
{
    size_t j = 0;
    for (uint8_t b : out) {
        if (IsBlank(b)) continue;
        while (j < length && IsBlank(text[j])) ++j;
        Check(j < length && text[j] == b);
        ++j;
    }
    while (j < length && IsBlank(text[j])) ++j;
    Check(j == length);
}

// Small indents and widths most of the time; sometimes the raw values.
int32_t Parameter(int32_t raw, bool wide)
{
    return wide ? raw : raw % 200;
}

// The length of the valid UTF-8 sequence at p, 0 for none, read plainly from
// the rules: announced length, continuation bytes, shortest form, no surrogate.
size_t ValidLength(const uint8_t* p, size_t left)
{
    const size_t len = p[0] < 0x80 ? 1 : p[0] < 0xC0 ? 0 : p[0] < 0xE0 ? 2 : p[0] < 0xF0 ? 3 : p[0] < 0xF8 ? 4 : 0;
    bool valid = len > 0 && len <= left;
    uint32_t cp = p[0] & (0x7F >> len);
    for (size_t k = 1; valid && k < len; ++k) {
        valid = (p[k] & 0xC0) == 0x80;
        cp = cp << 6 | (p[k] & 0x3F);
    }
    const uint32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    return valid && cp >= least[len] && (cp < 0xD800 || cp > 0xDFFF) && cp <= 0x10FFFF ? len : 0;
}

// Converts with room enough; an output limit below the result's length gives
// ConvertedTooLong, and nothing is written past the limit.
std::vector<uint8_t> Converted(const uint8_t* text, size_t length, int from, int to, size_t limit)
{
    std::vector<uint8_t> out(ConvertedCapacity(length) + 1);
    out.resize(ConvertText(text, length, from, to, out.data(), out.size()));
    uint8_t* limited = static_cast<uint8_t*>(std::malloc(limit));
    const size_t n = ConvertText(text, length, from, to, limited, limit);
    Check(out.size() > limit ? n == ConvertedTooLong : n == out.size() && std::equal(out.begin(), out.end(), limited));
    std::free(limited);
    return out;
}

// From UTF-8 nothing is lost: a byte outside a valid sequence comes out as it
// was, in order, and each sequence gives one byte, which ('?' aside) turns
// back into that sequence.
void CheckUtf8Decoding(const uint8_t* text, size_t length, Coding coding, const std::vector<uint8_t>& out)
{
    size_t i = length >= 3 && std::memcmp(text, "\xEF\xBB\xBF", 3) == 0 ? 3 : 0, o = 0;
    for (; i < length; ++o) {
        const size_t len = ValidLength(text + i, length - i);
        Check(o < out.size() && (len > 0 || out[o] == text[i]));
        const std::vector<uint8_t> back = Converted(&out[o], 1, coding, CodingUtf8, 4);
        Check(len == 0 || out[o] == '?' || (back.size() == len && std::equal(back.begin(), back.end(), text + i)));
        i += len ? len : 1;
    }
    Check(o == out.size());
}

// The UTF-8 view's characters agree with the reference: every position inside
// a character finds its start and its end, and the count is theirs.
void CheckUtf8Characters(const uint8_t* text, size_t length)
{
    size_t count = 0;
    bool valid = true;
    for (size_t i = 0; i < length; ++count) {
        const size_t len = ValidLength(text + i, length - i);
        const size_t end = i + (len ? len : 1);
        const Utf8Char ch = Utf8CharAt(text + i, length - i);
        char16_t units[2];
        Check(ch.length == end - i && ch.valid == (len > 0) && DrawnUnits(ch, units) <= ch.length);
        valid &= ch.valid;
        for (size_t pos = i; pos < end; ++pos)
            Check(Utf8CharStart(text, length, pos) == i && Utf8NextStop(text, length, pos) == end);
        i = end;
    }
    Check(Utf8CharCount(text, length) == count && Utf8CharStart(text, length, length) == length);
    // Through UTF-16 and back: valid text unchanged, in the room promised.
    std::vector<char16_t> wide(length + 1);
    const size_t units = Utf8ToUtf16(text, length, wide.data());
    std::vector<uint8_t> back(3 * units + 1);
    const size_t n = Utf16ToUtf8(wide.data(), units, back.data());
    Check(units <= length && n <= 3 * units && (!valid || (n == length && std::equal(text, text + length, back.data()))));
}

}   // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 16) return 0;
    const uint8_t* text = data + 16;
    const size_t length = size - 16;
    const uint8_t flags = data[0];
    const Coding coding = Coding(data[1] % CodingCount);

    Check(IsViewCoding(DetectViewCoding(text, length)));

    std::vector<uint8_t> copy(text, text + length);
    RecodeBytes(copy.data(), length, int8_t(data[2]) % 12);
    ConvertCoding(copy.data(), length, coding, Coding(data[3] % CodingCount));
    FidoSubstitute(copy.data(), length);

    // Exactly the promised capacity, on the heap, so an overrun is caught.
    const size_t capacity = TransformOutputCapacity(length);
    uint8_t* out = static_cast<uint8_t*>(std::malloc(capacity));
    Check(Transliterate(text, length, coding, out) <= capacity);
    Check(DecodeQuotedPrintable(text, length, out) <= length);
    const size_t completed = CompleteLineBreaks(text, length, out);
    Check(completed >= length && completed <= capacity);
    std::free(out);

    // Into UTF-8 and back gives the same bytes.
    const size_t limit = uint32_t(Int32At(data + 12)) % (3 * length + 2);
    const std::vector<uint8_t> utf8 = Converted(text, length, coding, CodingUtf8, limit);
    Check(Converted(utf8.data(), utf8.size(), CodingUtf8, coding, limit) == std::vector<uint8_t>(text, text + length));
    CheckUtf8Decoding(text, length, coding, Converted(text, length, CodingUtf8, coding, limit));
    CheckUtf8Characters(text, length);

    const bool wide = flags & 0x80;
    AlignParams params;
    params.firstIndent = Parameter(Int32At(data + 4), wide);
    params.leftIndent = Parameter(Int32At(data + 8), wide);
    params.rightIndent = Parameter(Int32At(data + 12), wide && (flags & 0x40));
    params.ignoreLineBreaks = flags & 1;
    params.outputLimit = 1 << 20;
    std::vector<uint8_t> aligned;
    if (AlignParagraphs(text, length, AlignMode((flags >> 1) % 4), params, aligned) == AlignOutcome::Aligned)
        CheckWordsKept(text, length, aligned);
    else
        Check(aligned.empty());
    return 0;
}
