// libFuzzer target over every byte transformation, the coding guess and
// alignment. The first 16 bytes choose the parameters, the rest is the text.
#include <cstdlib>
#include <cstring>
#include <vector>

#include "coding/align.h"
#include "coding/detect.h"
#include "coding/transform.h"

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

}   // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 16) return 0;
    const uint8_t* text = data + 16;
    const size_t length = size - 16;
    const uint8_t flags = data[0];
    const Coding coding = Coding(data[1] % CodingCount);

    Check(DetectViewCoding(text, length) <= CodingKoi8);

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

    const bool wide = flags & 0x80;
    AlignParams params;
    params.firstIndent = Parameter(Int32At(data + 4), wide);
    params.leftIndent = Parameter(Int32At(data + 8), wide);
    params.rightIndent = Parameter(Int32At(data + 12), wide && (flags & 0x40));
    params.ignoreLineBreaks = flags & 1;
    params.outputLimit = 1 << 20;
    std::vector<uint8_t> aligned;
    if (AlignParagraphs(text, length, AlignMode((flags >> 1) % 4), params, aligned))
        CheckWordsKept(text, length, aligned);
    else
        Check(aligned.empty());
    return 0;
}
