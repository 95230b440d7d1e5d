// Throughput of recoding (side by side with glibc iconv), transliteration,
// quoted-printable decoding and paragraph alignment.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "coding/align.h"
#include "coding/transform.h"
#include "coding/unicode_tables.h"

namespace {

// English prose from the installed package documentation, as ASCII.
Bytes ReadProse(size_t wanted)
{
    Bytes prose;
    std::error_code ec;
    for (const char* dir : {"/usr/share/doc/git/RelNotes", "/usr/share/doc"}) {
        for (auto it = std::filesystem::recursive_directory_iterator(dir, ec);
             !ec && it != std::filesystem::recursive_directory_iterator() && prose.size() < 4000000; it.increment(ec)) {
            const auto ext = it->path().extension();
            if (!it->is_regular_file(ec) || (ext != ".txt" && ext != ".md")) continue;
            std::ifstream f(it->path(), std::ios::binary);
            prose.insert(prose.end(), std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
        }
        if (!prose.empty()) break;
    }
    if (prose.empty()) return prose;
    for (auto& b : prose)
        if (b >= 0x80) b = ' ';   // keep it plain ASCII whatever the files' coding
    Bytes text;
    while (text.size() < wanted) text.insert(text.end(), prose.begin(), prose.end());
    text.resize(wanted);
    return text;
}

// The prose with its Latin letters swapped for Cyrillic ones, in Windows-1251:
// about as many high bytes as Russian text has.
Bytes CyrillicLooking(Bytes text)
{
    for (auto& b : text) {
        if (b >= 'a' && b <= 'z')
            b = UnicodeToByte(CodingAnsi, char16_t(u'а' + (b - 'a')));
        else if (b >= 'A' && b <= 'Z')
            b = UnicodeToByte(CodingAnsi, char16_t(u'А' + (b - 'A')));
    }
    return text;
}

bool BenchRecode(const Bytes& prose)
{
    Bytes text = CyrillicLooking(prose);
    const Bytes original = text;
    bool ok = true;
    const struct {
        Coding from, to;
        const char *iconvFrom, *iconvTo;
    } pairs[] = {{CodingAnsi, CodingOem, "CP1251", "CP866"}, {CodingAnsi, CodingKoi8, "CP1251", "KOI8-R"}};
    for (const auto& p : pairs) {
        const Timing ours = Best([&] { ConvertCoding(text.data(), text.size(), p.from, p.to); });
        const Timing theirs = IconvTiming(original, p.iconvFrom, p.iconvTo);
        char label[64];
        std::snprintf(label, sizeof label, "recode %s -> %s", p.iconvFrom, p.iconvTo);
        ok &= Report(label, text.size(), ours, 1000);
        const double ratio = theirs.cpu / ours.cpu;
        std::printf(
            "%-30s %8.1f MB/s cpu, %8.1f MB/s wall  -> recoding is %.1fx faster (%.1fx by wall; needs >= 3x) %s\n",
            "  iconv(3), same bytes", text.size() / theirs.cpu / 1e6, text.size() / theirs.wall / 1e6, ratio,
            theirs.wall / ours.wall, ratio >= 3 ? "ok" : "TOO SLOW");
        ok &= ratio >= 3;
    }
    return ok;
}

template <class Transform> bool BenchTransform(const char* what, const Bytes& in, Transform transform)
{
    Bytes out(TransformOutputCapacity(in.size()));
    size_t n = 0;
    const Timing t = Best([&] { n = transform(in.data(), in.size(), out.data()); });
    if (n == 0) std::printf("%s wrote nothing\n", what);
    return Report(what, in.size(), t, 300) && n != 0;
}

bool BenchAlign(const Bytes& prose)
{
    bool ok = true;
    const AlignMode modes[] = {AlignJustify, AlignCenter, AlignLeft, AlignRight};
    const char* names[] = {"align Justify, 10 MB prose", "align Center", "align Left", "align Right"};
    AlignParams params;
    params.rightIndent = 72;
    params.leftIndent = 2;
    params.firstIndent = 4;
    Bytes out;
    for (int m = 0; m < 4; ++m) {
        const Timing t = Best([&] { AlignParagraphs(prose.data(), prose.size(), modes[m], params, out); });
        ok &= Report(names[m], prose.size(), t, 100);
    }
    return ok;
}

}   // namespace

int main()
{
    PrintLoadAverage();
    const Bytes prose100 = ReadProse(100u << 20);
    if (prose100.empty()) {
        std::printf("no prose found under /usr/share/doc\n");
        return 1;
    }
    bool ok = BenchRecode(prose100);

    const Bytes russian = CyrillicLooking(Bytes(prose100.begin(), prose100.begin() + (50u << 20)));
    ok &= BenchTransform("transliterate, ANSI view", russian,
                         [](const uint8_t* i, size_t l, uint8_t* o) { return Transliterate(i, l, CodingAnsi, o); });
    Bytes qp;
    for (uint8_t b : russian) {
        if (b < 0x80) {
            qp.push_back(b);
        } else {
            const char hex[] = "0123456789ABCDEF";
            qp.insert(qp.end(), {'=', uint8_t(hex[b >> 4]), uint8_t(hex[b & 15])});
        }
        if (qp.size() >= (50u << 20)) break;
    }
    ok &= BenchTransform("quoted-printable decoding", qp, DecodeQuotedPrintable);
    ok &= BenchTransform("line-break completion", russian, CompleteLineBreaks);

    ok &= BenchAlign(Bytes(prose100.begin(), prose100.begin() + (10u << 20)));
    return Conclude(ok);
}
