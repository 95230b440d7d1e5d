// Native figures for the text control's byte store, line index, find and
// word breaks on 100 MB documents.
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include <time.h>

#include "bench/bench_verdict.h"
#include "bench/child_process.h"
#include "coding/utf8.h"
#include "textctl/find_text.h"
#include "textctl/text_buffer.h"

namespace {

constexpr size_t DocumentSize = 100u << 20;
constexpr size_t StreamChunk = 64u << 10;

// Processor time of this process: the machine is shared, wall time would
// count the other processes too.
struct Clock {
    using time_point = double;
    static double now()
    {
        timespec t;
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
        return t.tv_sec + t.tv_nsec * 1e-9;
    }
};

double SecondsSince(double start)
{
    return Clock::now() - start;
}

// A /proc/self/status figure in MB (0 where there is none).
double StatusMegabytes(const char* field)
{
    FILE* file = std::fopen("/proc/self/status", "r");
    if (!file) return 0;
    char line[256];
    double value = 0;
    size_t fieldLength = std::strlen(field);
    while (std::fgets(line, sizeof line, file))
        if (std::strncmp(line, field, fieldLength) == 0) value = std::atof(line + fieldLength + 1) / 1024;
    std::fclose(file);
    return value;
}

// One megabyte of Cyrillic-looking ANSI prose with CR LF lines of 40..100 bytes.
std::string MakeProse()
{
    std::mt19937 random(7);
    std::string text;
    size_t lineLength = 0;
    while (text.size() < (1u << 20)) {
        size_t word = 2 + random() % 9;
        for (size_t k = 0; k < word; ++k) text += static_cast<char>(0xE0 + random() % 32);
        lineLength += word + 1;
        if (lineLength > 40 + random() % 60) {
            text += "\r\n";
            lineLength = 0;
        } else {
            text += ' ';
        }
    }
    return text;
}

// Stream in: at most 1 s for 100 MB, and at most 1.3 N + 16 MB of memory.
bool Load(TextBuffer& buffer, const std::string& source, const char* label)
{
    double before = StatusMegabytes("VmRSS:");
    auto start = Clock::now();
    for (size_t done = 0; done < DocumentSize;) {
        size_t offset = done % source.size();
        size_t n = std::min(StreamChunk, source.size() - offset);
        buffer.Insert(buffer.Length(), reinterpret_cast<const uint8_t*>(source.data()) + offset, n);
        done += n;
    }
    double seconds = SecondsSince(start);
    double megabytes = buffer.Length() / 1048576.0;
    double cost = StatusMegabytes("VmHWM:") - before;
    const bool fast = seconds <= 1, small = cost <= 1.3 * megabytes + 16;
    std::printf("%s: append %.0f MB in 64 KB chunks: %.3f s (%.0f MB/s, target <= 1 s), %zu lines %s\n", label,
                megabytes, seconds, megabytes / seconds, buffer.LineCount(), Verdict(fast));
    std::printf("%s: memory %.1f MB (peak RSS growth), limit 1.3*N + 16 MB = %.1f MB %s\n", label, cost,
                1.3 * megabytes + 16, Verdict(small));
    return fast && small;
}

bool Typing(TextBuffer& buffer, const char* label)
{
    size_t caret = buffer.Length() / 2;
    size_t checksum = 0;
    auto start = Clock::now();
    const int keystrokes = 1100;
    for (int k = 0; k < keystrokes; ++k) {
        const char* typed = k % 11 == 10 ? "\r\n" : "\xE0";
        size_t n = std::strlen(typed);
        buffer.Insert(caret, reinterpret_cast<const uint8_t*>(typed), n);
        caret += n;
        checksum += buffer.LineFromPos(caret) + buffer.LineCount();   // what the status bar shows
    }
    const double each = SecondsSince(start) / keystrokes;
    std::printf("%s: typing 1000 characters + 100 line breaks mid-document: %.2f us a keystroke (target <= 1 ms) "
                "(%zu) %s\n",
                label, each * 1e6, checksum % 10, Verdict(each <= 1e-3));
    return each <= 1e-3;
}

void Queries(const TextBuffer& buffer, const char* label)
{
    std::mt19937_64 random(3);
    const int count = 1000000;
    size_t sum = 0;
    auto start = Clock::now();
    for (int k = 0; k < count; ++k) sum += buffer.LineFromPos(random() % buffer.Length());
    double fromPos = SecondsSince(start);
    start = Clock::now();
    for (int k = 0; k < count; ++k) sum += buffer.LineStart(random() % buffer.LineCount());
    double lineStart = SecondsSince(start);
    start = Clock::now();
    size_t first = random() % (buffer.LineCount() - 2000);
    for (size_t line = first; line < first + 2000; ++line) sum += buffer.LineLength(line);
    double sequential = SecondsSince(start);
    std::printf("%s: random LineFromPos %.0f ns, LineStart %.0f ns, sequential LineLength %.0f ns (%zu)\n", label,
                fromPos / count * 1e9, lineStart / count * 1e9, sequential / 2000 * 1e9, sum % 10);
}

// At most 0.5 s for 100 MB.
bool StreamOut(const TextBuffer& buffer, const char* label)
{
    std::vector<uint8_t> out(StreamChunk);
    auto start = Clock::now();
    size_t spans = 0;
    uint64_t sum = 0;
    for (size_t pos = 0; pos < buffer.Length();) {
        size_t available = 0;
        const uint8_t* run = buffer.Span(pos, &available);
        size_t n = std::min(available, out.size());
        std::memcpy(out.data(), run, n);
        sum += out[n - 1];
        pos += n;
        ++spans;
    }
    double seconds = SecondsSince(start);
    std::printf("%s: stream out through Span: %.3f s (%.0f MB/s, %zu runs; target <= 0.5 s) (%u) %s\n", label, seconds,
                buffer.Length() / 1048576.0 / seconds, spans, unsigned(sum % 10), Verdict(seconds <= 0.5));
    return seconds <= 0.5;
}

// A pattern the text lacks: at least 1 GB/s with match case, 300 MB/s without;
// in UTF-8 1 GB/s either way.
bool Find(const TextBuffer& buffer, const std::string& pattern, unsigned flags, const char* what,
          Coding coding = CodingAnsi)
{
    auto start = Clock::now();
    int64_t found =
        FindText(buffer, 0, -1, reinterpret_cast<const uint8_t*>(pattern.data()), pattern.size(), flags, coding);
    const double speed = buffer.Length() / 1e6 / SecondsSince(start);
    const double needed = flags & FindMatchCase || coding == CodingUtf8 ? 1000 : 300;
    const bool ok = speed >= needed && found == -1;
    std::printf("%s: find %s: %.0f MB/s (needs >= %.0f MB/s), %s %s\n", coding == CodingUtf8 ? "UTF-8 prose" : "prose",
                what, speed, needed, found == -1 ? "not found" : "FOUND", Verdict(ok));
    return ok;
}

std::string AnsiToUtf8(const std::string& text)
{
    std::string out(ConvertedCapacity(text.size()), '\0');
    out.resize(ConvertText(reinterpret_cast<const uint8_t*>(text.data()), text.size(), CodingAnsi, CodingUtf8,
                           reinterpret_cast<uint8_t*>(&out[0]), out.size()));
    return out;
}

void FreshMemoryBaseline()
{
    auto start = Clock::now();
    std::vector<uint8_t> block(DocumentSize, 1);
    std::printf("baseline: touching 100 MB of fresh memory takes %.3f s on this machine (%u)\n", SecondsSince(start),
                unsigned(block[12345]));
}

}   // namespace

int main()
{
    InChildProcess([] { return FreshMemoryBaseline(), true; });
    bool ok = InChildProcess([] {
        TextBuffer buffer;
        bool met = Load(buffer, std::string(1u << 20, '\n'), "only LF");
        met &= Typing(buffer, "only LF");
        Queries(buffer, "only LF");
        return met;
    });
    ok &= InChildProcess([] {
        TextBuffer buffer;
        std::string prose = MakeProse();
        bool met = Load(buffer, prose, "prose");
        met &= Typing(buffer, "prose");
        Queries(buffer, "prose");
        met &= StreamOut(buffer, "prose");
        // Letters 0xE0..0xFF only: a pattern that starts with a frequent letter and never occurs.
        const std::string absent = "\xE0\xE1\xE2\xE3\xE4 zz";
        met &= Find(buffer, absent, FindMatchCase, "with match case, absent word");
        met &= Find(buffer, absent, 0, "without match case, absent word");
        met &= Find(buffer, "\xC0\xC1\xC2 z", 0, "without match case, capitals of an absent word");
        return met;
    });
    ok &= InChildProcess([] {
        // The same prose in UTF-8, each letter two bytes whose lead differs between some case pairs.
        TextBuffer buffer;
        bool met = Load(buffer, AnsiToUtf8(MakeProse()), "UTF-8 prose");
        const std::string absent = AnsiToUtf8("\xE0\xE1\xE2\xE3\xE4 zz");
        met &= Find(buffer, absent, FindMatchCase, "with match case, absent word", CodingUtf8);
        met &= Find(buffer, absent, 0, "without match case, absent word", CodingUtf8);
        // The prose has no Ё: a word that ends in one is absent in either case.
        met &= Find(buffer, AnsiToUtf8("\xE0\xE1\xE2\xB8"), 0, "without match case, absent word ending in a letter",
                    CodingUtf8);
        met &=
            Find(buffer, AnsiToUtf8("\xD0\xD1\xD2 z"), 0, "without match case, capitals of an absent word", CodingUtf8);
        return met;
    });
    return Conclude(ok);
}
