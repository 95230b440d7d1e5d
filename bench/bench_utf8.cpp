// Throughput of UTF-8 decoding into the view codings and of encoding back,
// on 100 MB of Russian prose, side by side with glibc iconv.
#include <cstdio>
#include <fstream>
#include <iterator>

#include "bench/bench_support.h"
#include "coding/utf8.h"

namespace {

Bytes RussianUtf8(size_t wanted)
{
    std::ifstream f(VERKO_TEST_DATA "/fortunes_utf8.txt", std::ios::binary);
    const Bytes prose{std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    Bytes text;
    while (!prose.empty() && text.size() < wanted) text.insert(text.end(), prose.begin(), prose.end());
    return text;
}

Bytes Convert(const Bytes& in, int from, int to)
{
    Bytes out(ConvertedCapacity(in.size()));
    out.resize(ConvertText(in.data(), in.size(), from, to, out.data(), out.size()));
    return out;
}

// Times one direction, checks that its result turns back into `in`, and sets it beside iconv.
bool BenchDirection(const char* what, const Bytes& in, int from, int to, const char* iconvFrom, const char* iconvTo)
{
    Bytes out(ConvertedCapacity(in.size()));
    size_t n = 0;
    const Timing ours = Best([&] { n = ConvertText(in.data(), in.size(), from, to, out.data(), out.size()); });
    out.resize(n);
    const bool same = Convert(out, to, from) == in;
    bool ok = Report(what, in.size(), ours, 1000) && same;
    if (!same) std::printf("  the way back does not give the input\n");
    const Timing theirs = IconvTiming(in, iconvFrom, iconvTo);
    std::printf("  iconv(3), same bytes %17.1f MB/s cpu -> %.1fx faster\n", in.size() / theirs.cpu / 1e6,
                theirs.cpu / ours.cpu);
    return ok;
}

}   // namespace

int main()
{
    PrintLoadAverage();
    const Bytes utf8 = RussianUtf8(100u << 20);
    if (utf8.empty()) {
        std::printf("no " VERKO_TEST_DATA "/fortunes_utf8.txt\n");
        return 1;
    }
    const struct {
        Coding coding;
        const char *name, *decodeLabel, *encodeLabel;
    } codings[] = {
        {CodingAnsi, "CP1251", "UTF-8 -> CP1251", "CP1251 -> UTF-8"},
        {CodingOem, "CP866", "UTF-8 -> CP866", "CP866 -> UTF-8"},
        {CodingKoi8, "KOI8-R", "UTF-8 -> KOI8-R", "KOI8-R -> UTF-8"},
    };
    bool ok = true;
    for (const auto& c : codings) {
        ok &= BenchDirection(c.decodeLabel, utf8, CodingUtf8, c.coding, "UTF-8", c.name);
        const Bytes coded = Convert(utf8, CodingUtf8, c.coding);
        ok &= BenchDirection(c.encodeLabel, coded, c.coding, CodingUtf8, c.name, "UTF-8");
    }
    return Conclude(ok);
}
