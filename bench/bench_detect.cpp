// How often the coding guess is right on slices of Russian text it was not
// made from, beside three detectors made for the job (uchardet, enca, librcd),
// and how long it takes. The text: VERKO_RUSSIAN_TEXT, UTF-8, as
// `python3 scripts/make_russian_model.py --held-out FILE` writes it
// (scripts/bench.sh does).
#include <enca.h>
#include <librcd.h>
#include <strings.h>
#include <uchardet/uchardet.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>

#include "bench/bench_support.h"
#include "coding/detect.h"
#include "coding/utf8.h"

namespace {

constexpr size_t SliceLengths[] = {16, 32, 64, 128, 256, 1024, 4092};
constexpr int SlicesPerLength = 400;
constexpr size_t HighBytesPerSlice = 4;
constexpr size_t SureFrom = 64;   // from this length on the guess must be right 99% of the time
constexpr double MicrosecondsAllowed = 20;

// A coding as each detector names it; `verko` is a Coding or CodingUtf8.
struct Target {
    const char* iconv;
    int verko;
    const char* uchardet;
    const char* enca;
    rcd_russian_charset rcd;
};
const Target Targets[] = {
    {"CP1251", CodingAnsi, "WINDOWS-1251", "CP1251", RUSSIAN_CHARSET_WIN},
    {"CP866", CodingOem, "IBM866", "IBM866", RUSSIAN_CHARSET_ALT},
    {"KOI8-R", CodingKoi8, "KOI8-R", "KOI8-R", RUSSIAN_CHARSET_KOI},
    {"UTF-8", CodingUtf8, "UTF-8", "UTF-8", RUSSIAN_CHARSET_UTF8},
};
enum Detector { Verko, Uchardet, Enca, Librcd, DetectorCount };
const char* const DetectorName[DetectorCount] = {"Verko", "uchardet", "enca", "librcd"};

Bytes Convert(const Bytes& utf8, const char* to)
{
    std::string target = std::string(to) + "//TRANSLIT";
    iconv_t cd = iconv_open(target.c_str(), "UTF-8");
    Bytes out(utf8.size() + 16);
    char* src = reinterpret_cast<char*>(const_cast<uint8_t*>(utf8.data()));
    char* dst = reinterpret_cast<char*>(out.data());
    size_t srcLeft = utf8.size(), dstLeft = out.size();
    // A character without even a transliteration is skipped.
    while (iconv(cd, &src, &srcLeft, &dst, &dstLeft) == size_t(-1) && srcLeft > 0) {
        ++src;
        --srcLeft;
    }
    iconv_close(cd);
    out.resize(out.size() - dstLeft);
    return out;
}

// Offsets of slices with at least HighBytesPerSlice bytes >= 0x80; a UTF-8
// slice may begin or end inside a character, as a file's first 4092 bytes do.
std::vector<size_t> Slices(const Bytes& text, size_t length, std::mt19937& rng)
{
    std::vector<size_t> starts;
    while (starts.size() < SlicesPerLength) {
        const size_t start = rng() % (text.size() - length);
        const auto high =
            std::count_if(text.begin() + start, text.begin() + start + length, [](uint8_t b) { return b >= 0x80; });
        if (size_t(high) >= HighBytesPerSlice) starts.push_back(start);
    }
    return starts;
}

struct Detectors {
    uchardet_t uchardet = uchardet_new();
    EncaAnalyser enca = enca_analyser_alloc("ru");
    Detectors()
    {
        enca_set_termination_strictness(enca, 0);   // slices cut characters
        enca_set_significant(enca, 1);              // give it a chance on short slices
    }
    ~Detectors()
    {
        uchardet_delete(uchardet);
        enca_analyser_free(enca);
    }

    // Whether each detector names the target coding of the slice.
    void Judge(const uint8_t* s, size_t n, const Target& target, int right[DetectorCount])
    {
        right[Verko] += DetectViewCoding(s, n) == target.verko;
        uchardet_reset(uchardet);
        uchardet_handle_data(uchardet, reinterpret_cast<const char*>(s), n);
        uchardet_data_end(uchardet);
        right[Uchardet] += strcasecmp(uchardet_get_charset(uchardet), target.uchardet) == 0;
        const EncaEncoding e = enca_analyse_const(enca, s, n);
        right[Enca] += enca_charset_is_known(e.charset)
            && strcasecmp(enca_charset_name(e.charset, ENCA_NAME_STYLE_ICONV), target.enca) == 0;
        right[Librcd] += rcdGetRussianCharset(reinterpret_cast<const char*>(s), int(n)) == target.rcd;
    }
};

// Prints the shares right for one coding; false when Verko misses its target.
bool MeasureCoding(const Bytes& text, const Target& target, Detectors& detectors)
{
    std::printf("\n%s\n%6s %8s %8s %8s %8s\n", target.iconv, "bytes", "Verko", "uchardet", "enca", "librcd");
    std::mt19937 rng(2718);
    bool ok = true;
    for (size_t length : SliceLengths) {
        int right[DetectorCount] = {};
        for (size_t start : Slices(text, length, rng)) detectors.Judge(text.data() + start, length, target, right);
        double share[DetectorCount];
        for (int d = 0; d < DetectorCount; ++d) share[d] = 100.0 * right[d] / SlicesPerLength;
        const double best = *std::max_element(share + 1, share + DetectorCount);
        const bool met = share[Verko] >= best && (length < SureFrom || share[Verko] >= 99);
        std::printf("%6zu %7.2f%% %7.2f%% %7.2f%% %7.2f%%  %s\n", length, share[Verko], share[Uchardet], share[Enca],
                    share[Librcd], met ? "ok" : "MISSED");
        ok &= met;
    }
    return ok;
}

// The time of one guess over a whole sample, per coding.
bool MeasureTime(const std::vector<Bytes>& texts)
{
    bool ok = true;
    for (size_t t = 0; t < texts.size(); ++t) {
        std::mt19937 rng(31);
        const std::vector<size_t> starts = Slices(texts[t], DetectSampleLimit, rng);
        const Timing time = Best([&] {
            for (size_t s : starts) DetectViewCoding(texts[t].data() + s, DetectSampleLimit);
        });
        const double micro = time.cpu / starts.size() * 1e6;
        const bool met = micro <= MicrosecondsAllowed;
        std::printf("guess of %zu bytes, %-7s %6.2f us cpu (needs <= %.0f us) %s\n", DetectSampleLimit,
                    Targets[t].iconv, micro, MicrosecondsAllowed, met ? "ok" : "TOO SLOW");
        ok &= met;
    }
    return ok;
}

}   // namespace

int main()
{
    PrintLoadAverage();
    const char* path = std::getenv("VERKO_RUSSIAN_TEXT");
    std::ifstream file(path ? path : "", std::ios::binary);
    const Bytes utf8{std::istreambuf_iterator<char>(file), {}};
    if (utf8.size() < 100000) {
        std::printf("no held-out Russian text: set VERKO_RUSSIAN_TEXT (scripts/bench.sh does)\n");
        return 1;
    }
    std::printf("share of %d slices per length guessed right, each with >= %zu bytes >= 0x80, from %zu bytes of text\n"
                "target: Verko >= the best of the three at every length, >= 99%% from %zu bytes on\n",
                SlicesPerLength, HighBytesPerSlice, utf8.size(), SureFrom);
    Detectors detectors;
    std::vector<Bytes> texts;
    bool ok = true;
    for (const Target& target : Targets) {
        texts.push_back(target.verko == CodingUtf8 ? utf8 : Convert(utf8, target.iconv));
        ok &= MeasureCoding(texts.back(), target, detectors);
    }
    ok &= MeasureTime(texts);
    std::printf("%s\n", ok ? "all figures meet their targets" : "SOME FIGURES MISS THEIR TARGETS");
    return ok ? 0 : 1;
}
