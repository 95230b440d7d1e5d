// Native figures for the RTF reader on a 10 MB document: time, and memory as
// a multiple of the RTF's size.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "bench/bench_support.h"
#include "bench/child_process.h"
#include "bench/rtf_document.h"
#include "textctl/rtf_reader.h"

namespace {

constexpr size_t DocumentSize = 10u << 20;
constexpr size_t StreamChunk = 1u << 20;   // what the text control asks of a stream at a time

// A /proc/self/status figure in bytes (0 where there is none).
double StatusBytes(const char* field)
{
    FILE* file = std::fopen("/proc/self/status", "r");
    if (!file) return 0;
    char line[256];
    double value = 0;
    while (std::fgets(line, sizeof line, file))
        if (std::strncmp(line, field, std::strlen(field)) == 0) value = std::atof(line + std::strlen(field) + 1) * 1024;
    std::fclose(file);
    return value;
}

// Starts the peak (VmHWM) afresh from what is in use now.
void ResetPeak()
{
    if (FILE* file = std::fopen("/proc/self/clear_refs", "w")) {
        std::fputs("5", file);
        std::fclose(file);
    }
}

// Reads the RTF as the control reads a stream: a chunk at a time, each
// chunk's text appended to the document; false when it took too long or a
// byte at a time gives another text.
bool Measure(const char* label, const std::string& rtf)
{
    const auto* bytes = reinterpret_cast<const uint8_t*>(rtf.data());
    ResetPeak();
    double before = StatusBytes("VmHWM:");
    double start = ThreadCpuSeconds();
    RtfReader reader;
    std::vector<uint8_t> document, text;
    document.reserve(rtf.size());   // untouched pages cost nothing; no copies while it grows
    for (size_t pos = 0; pos < rtf.size(); pos += StreamChunk) {
        text.clear();
        reader.Read(bytes + pos, std::min(StreamChunk, rtf.size() - pos), text);
        document.insert(document.end(), text.begin(), text.end());
    }
    reader.Finish(document);
    double seconds = ThreadCpuSeconds() - start;
    double peak = StatusBytes("VmHWM:") - before;
    const bool fast = seconds <= 1;
    std::printf("%s: RTF %.1f MB -> text %.1f MB in 1 MB chunks: %.3f s processor (%.0f MB/s, target <= 1 s) %s\n",
                label, rtf.size() / 1048576.0, document.size() / 1048576.0, seconds, rtf.size() / 1048576.0 / seconds,
                Verdict(fast));
    std::printf("%s: peak memory growth while reading %.2f x the RTF (the text itself is %.2f x)\n", label,
                peak / rtf.size(), double(document.size()) / rtf.size());

    start = ThreadCpuSeconds();
    RtfReader byByte;
    std::vector<uint8_t> again;
    for (size_t pos = 0; pos < rtf.size(); ++pos) byByte.Read(bytes + pos, 1, again);
    byByte.Finish(again);
    std::printf("%s: the same a byte at a time %.3f s processor, %s\n", label, ThreadCpuSeconds() - start,
                again == document ? "same text" : "TEXT DIFFERS");
    return fast && again == document;
}

}   // namespace

int main()
{
    bool ok = InChildProcess([] { return Measure("word processor's RTF", MakeRtfDocument(DocumentSize)); });
    ok &= InChildProcess([] {
        // The other extreme: hardly any markup, so the text is almost as large as the RTF.
        std::string dense = "{\\rtf1\\ansi ";
        while (dense.size() < DocumentSize) dense += "\xCF\xF0\xEE\xE7\xE0 \xE8 \xF1\xF2\xE8\xF5\xE8.\\par\n";
        return Measure("plain text in RTF", dense + "}");
    });
    return Conclude(ok);
}
