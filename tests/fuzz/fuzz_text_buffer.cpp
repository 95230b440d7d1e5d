// Drives the text control's byte store with edits decoded from the fuzz input
// and checks bytes and the line index against a plain string model.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "tests/unit/text_buffer_model.h"
#include "textctl/text_buffer.h"

namespace {

// Bytes that make breaks merge and split, plus filler.
uint8_t PickByte(uint8_t raw)
{
    static const uint8_t common[] = {'\r', '\n', '\r', '\n', 0, 'a'};
    return raw < 192 ? common[raw % sizeof common] : raw;
}

struct Input {
    const uint8_t* data;
    size_t size;
    uint8_t Next() { return size ? (--size, *data++) : 0; }
    size_t Number() { return Next() | size_t(Next()) << 8; }
};

}   // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Input in{data, size};
    TextBuffer buffer;
    std::string model;
    while (in.size) {
        uint8_t op = in.Next();
        size_t pos = model.empty() ? 0 : in.Number() % (model.size() + 1);
        // Now and then a large count, to cross the 64 KB chunks.
        size_t count = in.Next();
        if ((op & 0xF0) == 0xF0) count *= 263;
        if (op % 3 == 0) {
            buffer.Erase(pos, count);
            model.erase(pos, count);
        } else {
            size_t eraseCount = op % 3 == 2 ? in.Next() : 0;
            std::string bytes(count, 'x');
            for (char& c : bytes) c = static_cast<char>(PickByte(in.Next()));
            if (!buffer.Replace(pos, eraseCount, reinterpret_cast<const uint8_t*>(bytes.data()), count)) abort();
            model.replace(pos, eraseCount, bytes);
        }
        if (!CompareWithModel(buffer, model).empty()) abort();
    }
    return 0;
}
