// The coding guess: frequent Windows-1251 lower-case letters against frequent
// CP866 letters and box-drawing characters; then starts of capitalised words,
// KOI8-R's against Windows-1251's, decide between those two.
#include "coding/detect.h"

#include <array>

namespace {

enum ByteClass : uint8_t { Other, AnsiLetter, OemLetter };

constexpr std::array<uint8_t, 256> BuildClasses()
{
    std::array<uint8_t, 256> classes{};
    for (int b : {0xF2, 0xF3, 0xFB, 0xFC, 0xFE, 0xFF}) classes[b] = AnsiLetter;
    for (int b : {0x80, 0x85, 0x88, 0x8E, 0x93, 0xA0, 0xA5, 0xA8, 0xAA, 0xB0, 0xB1, 0xB2, 0xB4, 0xBA, 0xBF})
        classes[b] = OemLetter;
    return classes;
}

constexpr std::array<uint8_t, 256> Classes = BuildClasses();

}   // namespace

Coding DetectViewCoding(const uint8_t* bytes, size_t length)
{
    const size_t n = length < DetectSampleLimit ? length : DetectSampleLimit;
    // Past the end of the sample the look-ahead sees zeros.
    auto at = [&](size_t i) -> uint8_t { return i < n ? bytes[i] : 0; };
    size_t ansi = 0, oem = 0, koi8Words = 0, ansiWords = 0;
    for (size_t i = 0; i < n; ++i) {
        const uint8_t b = bytes[i];
        if (Classes[b] == AnsiLetter)
            ++ansi;
        else if (Classes[b] == OemLetter)
            ++oem;
        if (b >= 0x61) continue;
        // A capitalised word starts E0..FF, C0..DF in KOI8-R but C0..DF, E0..FF
        // in 1251, whose prose now and then has the KOI8-R order too (" аБ").
        const bool high1 = at(i + 1) >= 0xE0, high2 = at(i + 2) >= 0xE0;
        const bool letters = at(i + 1) >= 0xC0 && at(i + 2) >= 0xC0;
        koi8Words += letters && high1 && !high2;
        ansiWords += letters && !high1 && high2;
    }
    if (oem > ansi) return CodingOem;
    return koi8Words > ansiWords ? CodingKoi8 : CodingAnsi;
}
