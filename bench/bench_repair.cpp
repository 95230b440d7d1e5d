// How often the repair of garbled text gives back the Russian text exactly,
// how often it changes clean text, and how long 1 MB takes.
//
// The text: VERKO_RUSSIAN_TEXT, UTF-8, as `python3 scripts/make_russian_model.py
// --held-out FILE` writes it: the part of the corpus the Russian model is not
// counted from (scripts/bench.sh makes it). Slices of 30, 100 and 1000
// characters (bytes in a single-byte coding) at least a third of which are
// Russian letters. The lines that name characters one by one in the manual
// pages of the codings, and the names of their other characters, are left
// out: they are tables of the codings, not text.
//
// A chain: Russian text in one of the six codings that hold it, then steps
// "bytes in coding C read as X (X != C), written as Y" with every step's C the
// previous step's Y, and the last Y the view coding (ANSI, OEM, KOI8, UTF-8).
// An intermediate step writes in a coding other than the one it read in (else
// it is no step). A chain counts on a slice only when it is reversible there:
// no character becomes '?' on the way and undoing the known chain gives the
// slice back exactly; each chain is tried on up to 16 slices until enough are
// reversible, and a chain reversible on none is not counted (the number is
// printed). Every chain of one and of two steps is measured; of the chains of
// three steps, the first 400 reversible ones in a random order.
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "bench/bench_support.h"
#include "coding/repair.h"

namespace {

using Text = std::u16string;

constexpr size_t Lengths[] = {30, 100, 1000};
constexpr int PoolSize = 256;
constexpr int TriesPerChain = 16;
constexpr int ThreeStepChains = 400;
constexpr int CleanSlices = 10000;
constexpr double SecondsPerMegabyte = 0.5;
const int ViewCodings[] = {CodingAnsi, CodingOem, CodingKoi8, CodingUtf8};

struct Garbling {
    RepairChain chain;
    int view = 0;
};

Text ReadUtf8File(const char* path)
{
    std::ifstream f(path, std::ios::binary);
    const Bytes bytes{std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    Text text;
    ReadBytesAs(CodingUtf8, bytes.data(), bytes.size(), text);
    return text;
}

// The lines of the text that `keep` keeps, until there are `wanted` characters.
template <class Keep> Text Lines(const Text& text, Keep keep, size_t wanted = SIZE_MAX)
{
    Text kept;
    for (size_t i = 0, end; i < text.size() && kept.size() < wanted; i = end) {
        end = std::min(text.find(u'\n', i), text.size() - 1) + 1;
        const Text line = text.substr(i, end - i);
        if (keep(line)) kept += line;
    }
    return kept;
}

// Not a row of a coding's table (octal, decimal and hex code, the character
// and its name in capitals) nor the continuation of a name, indented far, in
// capitals.
bool IsProse(const Text& line)
{
    size_t i = line.find_first_not_of(u' ');
    if (i == Text::npos) return true;
    auto column = [&](auto isDigit) {
        const size_t start = i;
        while (i < line.size() && isDigit(line[i])) ++i;
        const bool digits = i > start && i < line.size() && line[i] == u' ';
        while (i < line.size() && line[i] == u' ') ++i;
        return digits;
    };
    auto decimal = [](char16_t ch) { return ch >= u'0' && ch <= u'9'; };
    auto hex = [&](char16_t ch) { return decimal(ch) || (ch >= u'A' && ch <= u'F'); };
    if (column(decimal) && column(decimal) && column(hex)) return false;
    if (line.find_first_not_of(u' ') < 24) return true;
    for (char16_t ch : line)
        if ((ch >= u'a' && ch <= u'z') || (ch >= u'а' && ch <= u'я') || ch == u'ё') return true;
    return false;
}

bool IsRussianLetter(char16_t ch)
{
    return (ch >= u'А' && ch <= u'я') || ch == u'Ё' || ch == u'ё';
}

size_t RussianLetters(const Text& text)
{
    size_t n = 0;
    for (char16_t ch : text) n += IsRussianLetter(ch);
    return n;
}

// Slices whose share of Russian letters is at least `least` and below `below`.
std::vector<Text> Slices(const Text& source, size_t length, int count, double least, double below, uint32_t seed)
{
    std::mt19937 random(seed);
    std::vector<Text> slices;
    while (int(slices.size()) < count) {
        Text slice = source.substr(random() % (source.size() - length), length);
        const double share = double(RussianLetters(slice)) / length;
        if (share >= least && share < below) slices.push_back(std::move(slice));
    }
    return slices;
}

// The bytes the chain makes of the text, or none when a character is lost.
bool Garble(const Text& text, const Garbling& g, Bytes& bytes)
{
    if (WriteTextAs(g.chain.steps[0].actual, text.data(), text.size(), bytes)) return false;
    Text read;
    for (int k = 0; k < g.chain.length; ++k) {
        const int written = k + 1 < g.chain.length ? g.chain.steps[k + 1].actual : g.view;
        if (ReadBytesAs(g.chain.steps[k].readAs, bytes.data(), bytes.size(), read)) return false;
        if (WriteTextAs(written, read.data(), read.size(), bytes)) return false;
    }
    return true;
}

Text TextOf(const Repair& r)
{
    Text text;
    ReadBytesAs(r.coding, r.bytes.data(), r.bytes.size(), text);
    return text;
}

// What the user reads after the repair (or without one).
Text AfterRepair(const Bytes& bytes, int view)
{
    const Repair r = RepairBytes(bytes.data(), bytes.size(), view);
    if (r.found) return TextOf(r);
    Text text;
    ReadBytesAs(view, bytes.data(), bytes.size(), text);
    return text;
}

// Every chain of `steps` steps.
void AllChains(Garbling g, int step, int steps, std::vector<Garbling>& out)
{
    const int actual = g.chain.steps[step].actual;
    for (int readAs = 0; readAs < RepairCodingCount; ++readAs) {
        if (readAs == actual) continue;
        g.chain.steps[step].readAs = readAs;
        if (step + 1 == steps) {
            for (int view : ViewCodings) out.push_back({g.chain, view});
            continue;
        }
        for (int written = 0; written < RepairCodingCount; ++written) {
            if (written == readAs) continue;
            g.chain.steps[step + 1].actual = written;
            AllChains(g, step + 1, steps, out);
        }
    }
}

std::vector<Garbling> Chains(int steps)
{
    std::vector<Garbling> out;
    for (int origin = 0; origin < CodingWestern; ++origin) {
        Garbling g;
        g.chain.length = steps;
        g.chain.steps[0].actual = origin;
        AllChains(g, 0, steps, out);
    }
    return out;
}

struct Tally {
    int restored = 0, samples = 0, chains = 0, irreversible = 0;
};

Tally Measure(const std::vector<Garbling>& chains, const std::vector<Text>& pool, int perChain, int most = INT32_MAX)
{
    Tally t;
    Bytes bytes;
    for (size_t c = 0; c < chains.size() && t.chains < most; ++c) {
        int taken = 0;
        for (int tryNo = 0; tryNo < TriesPerChain && taken < perChain; ++tryNo) {
            const Text& slice = pool[(c * 7 + tryNo) % pool.size()];
            if (!Garble(slice, chains[c], bytes)) continue;
            const Repair known = UndoChain(bytes.data(), bytes.size(), chains[c].view, chains[c].chain);
            if (known.lost || TextOf(known) != slice) continue;
            ++taken;
            ++t.samples;
            t.restored += AfterRepair(bytes, chains[c].view) == slice;
        }
        if (taken) ++t.chains;
        else ++t.irreversible;
    }
    return t;
}

bool ReportShare(int steps, size_t length, const Tally& t, double needed)
{
    const double share = t.samples ? 100.0 * t.restored / t.samples : 0;
    const bool ok = t.samples > 0 && share >= needed;
    std::printf("%d step%s, %4zu bytes: %6.2f%% restored exactly (%d of %d; %d chains, %d not reversible)  "
                "needs >= %.0f%% %s\n",
                steps, steps > 1 ? "s" : " ", length, share, t.restored, t.samples, t.chains, t.irreversible,
                needed, ok ? "ok" : "MISSED");
    return ok;
}

bool MeasureRestoring(const Text& russian)
{
    bool ok = true;
    std::vector<Garbling> three = Chains(3);
    std::shuffle(three.begin(), three.end(), std::mt19937(3));
    for (size_t length : Lengths) {
        const std::vector<Text> pool = Slices(russian, length, PoolSize, 1.0 / 3, 2, uint32_t(length));
        const double needed = length >= 100 ? 99 : 95;
        for (int steps = 1; steps <= 2; ++steps)
            ok &= ReportShare(steps, length, Measure(Chains(steps), pool, steps == 1 ? 8 : 1), needed);
        if (length == 1000) ok &= ReportShare(3, length, Measure(three, pool, 1, ThreeStepChains), 95);
    }
    return ok;
}

// English with the apostrophe a word processor writes.
Text Typographic(Text text)
{
    for (char16_t& ch : text)
        if (ch == u'\'') ch = u'’';
    return text;
}

bool MeasureCleanText(const Text& russian, const Text& english)
{
    int changed = 0, slices = 0;
    std::mt19937 random(7);
    Bytes bytes;
    auto check = [&](const Text& text, int view) {
        if (WriteTextAs(view, text.data(), text.size(), bytes)) return;
        ++slices;
        const Repair r = RepairBytes(bytes.data(), bytes.size(), view);
        if (r.found) ++changed;
    };
    while (slices < CleanSlices) {
        const size_t length = Lengths[random() % 3];
        const uint32_t seed = random();
        const int view = ViewCodings[random() % 4];
        switch (random() % 3) {
        case 0: check(Slices(russian, length, 1, 1.0 / 3, 2, seed)[0], view); break;
        case 1: check(Slices(russian, length, 1, 0.01, 1.0 / 3, seed)[0], view); break;   // mixed
        default: check(Typographic(Slices(english, length, 1, 0, 1, seed)[0]), view); break;
        }
    }
    const bool ok = changed == 0;
    std::printf("clean text: %d of %d slices changed (Russian, mixed and English, 30..1000 bytes, "
                "in ANSI, OEM, KOI8, UTF-8)  needs 0 %s\n",
                changed, slices, ok ? "ok" : "MISSED");
    return ok;
}

bool MeasureSpeed(const Text& russian)
{
    bool ok = true;
    Bytes bytes;
    auto inKoi8 = [&](const Text& line) { return WriteTextAs(CodingKoi8, line.data(), line.size(), bytes) == 0; };
    const Text megabyte = Lines(russian, inKoi8, 1 << 20);
    // UTF-8 read as 1251 in the ANSI view; UTF-8 read as 1252 and saved as UTF-8.
    const Garbling cases[] = {{{1, {{CodingUtf8, CodingAnsi}}}, CodingAnsi},
                              {{1, {{CodingUtf8, CodingWestern}}}, CodingUtf8},
                              {{1, {{CodingKoi8, CodingAnsi}}}, CodingAnsi}};
    for (const Garbling& g : cases) {
        if (!Garble(megabyte, g, bytes)) std::printf("the text does not go through the chain\n");
        bytes.resize(std::min(bytes.size(), size_t(1) << 20));
        bool restored = false;
        const Timing t = Best([&] { restored = RepairBytes(bytes.data(), bytes.size(), g.view).found; }, 3);
        const bool fast = t.cpu <= SecondsPerMegabyte * bytes.size() / (1 << 20) && restored;
        std::printf("1 MB, %-24s %.3f s cpu, %.3f s wall  needs <= %.1f s %s\n",
                    RepairStatusText(g.chain).c_str() + 10, t.cpu, t.wall, SecondsPerMegabyte,
                    fast ? "ok" : restored ? "TOO SLOW" : "NOT REPAIRED");
        ok &= fast;
    }
    return ok;
}

}   // namespace

int main()
{
    PrintLoadAverage();
    const char* path = std::getenv("VERKO_RUSSIAN_TEXT");
    const Text russian = path ? Lines(ReadUtf8File(path), IsProse) : Text();
    const Text english = ReadUtf8File("/usr/share/common-licenses/GPL-3");
    if (russian.size() < (1 << 20) || english.size() < 10000) {
        std::printf("needs VERKO_RUSSIAN_TEXT (1 MB or more of Russian text, UTF-8) and the GPL-3 text\n");
        return 1;
    }
    bool ok = MeasureSpeed(russian);
    ok &= MeasureCleanText(russian, english);
    ok &= MeasureRestoring(russian);
    return ok ? 0 : 1;
}
