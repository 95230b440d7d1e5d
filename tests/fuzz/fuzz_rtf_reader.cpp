// libFuzzer target for the RTF reader: any bytes, read whole and in chunks
// that end anywhere, must give the same text, no longer than the input.
#include <cstdlib>
#include <vector>

#include "textctl/rtf_reader.h"

namespace {

std::vector<uint8_t> ReadInChunks(const uint8_t* data, size_t size, size_t chunk)
{
    RtfReader reader;
    std::vector<uint8_t> text;
    for (size_t pos = 0; pos < size; pos += chunk) reader.Read(data + pos, std::min(chunk, size - pos), text);
    reader.Finish(text);
    return text;
}

void Check(bool ok)
{
    if (!ok) std::abort();
}

}   // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<uint8_t> whole = ReadInChunks(data, size, size ? size : 1);
    Check(whole.size() <= size);
    Check(ReadInChunks(data, size, 1) == whole);
    Check(ReadInChunks(data, size, 1 + size % 13) == whole);
    return 0;
}
