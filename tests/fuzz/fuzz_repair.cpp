// libFuzzer target over the repair of garbled text: never a crash, a result
// no longer than the text can become, and the chosen chain undone by hand
// gives the same bytes. The first byte chooses the view coding.
#include <cstdlib>

#include "coding/repair.h"

namespace {

void Check(bool ok)
{
    if (!ok) std::abort();
}

constexpr int Views[] = {CodingAnsi, CodingOem, CodingKoi8, CodingUtf8, CodingIso};

}   // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1) return 0;
    const int view = Views[data[0] % 5];
    const uint8_t* text = data + 1;
    const size_t length = size - 1;
    const Repair r = RepairBytes(text, length, view);
    if (!r.found) return 0;
    Check(view != CodingIso && r.chain.length >= 1 && r.chain.length <= RepairMaxSteps);
    Check(r.coding == CodingAnsi || r.coding == CodingOem || r.coding == CodingKoi8 || r.coding == CodingUtf8);
    // Each step at most triples the length (a byte becomes three bytes of UTF-8).
    size_t bound = length;
    for (int k = 0; k <= r.chain.length; ++k) bound *= 3;
    Check(r.bytes.size() <= bound && r.lost <= bound);
    const Repair again = UndoChain(text, length, view, r.chain);
    Check(again.bytes == r.bytes && again.coding == r.coding && again.lost == r.lost);
    Check(RepairStatusText(r.chain).rfind("Repaired: ", 0) == 0);
    return 0;
}
