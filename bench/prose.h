// Prose for the page benchmarks: Russian and Latin words in Windows-1251.
#pragma once
#include <cstdint>
#include <string>

// Paragraphs of 300..1300 bytes of Russian and Latin words, a blank line between.
inline std::string Prose(size_t size)
{
    std::string text;
    uint32_t seed = 2024;
    auto next = [&seed] { return seed = seed * 1103515245u + 12345u, (seed >> 16) & 0x7FFF; };
    while (text.size() < size) {
        size_t paragraph = text.size() + 300 + next() % 1000;
        while (text.size() < paragraph) {
            for (uint32_t letters = 2 + next() % 9; letters; --letters)
                text += static_cast<char>(next() % 4 ? 0xE0 + next() % 32 : 'a' + next() % 26);
            text += ' ';
        }
        text += "\r\n\r\n";
    }
    return text;
}
