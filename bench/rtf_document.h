// A large RTF document in the shapes word processors write, for the benchmarks.
#pragma once
#include <cstdint>
#include <cstdio>
#include <string>

// About size bytes of RTF: font, colour and style tables and document
// information, then paragraphs of Russian words written as \'hh escapes (as
// with \ansicpg1251) or as \uN with a fallback (every other paragraph), with
// bold runs, and now and then a hyperlink field, a table row or a picture.
inline std::string MakeRtfDocument(size_t size)
{
    std::string rtf = "{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl{\\f0\\froman\\fcharset204 Times New Roman;}"
                      "{\\f1\\fswiss\\fcharset204 Arial;}}{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue255;}"
                      "{\\stylesheet{\\s0 Normal;}{\\s1 heading 1;}}{\\info{\\title \\'cf\\'f0\\'ee\\'e1\\'e0}}\n";
    rtf.reserve(size + 4096);
    uint32_t seed = 1;
    auto next = [&seed] { return seed = seed * 1103515245u + 12345u, (seed >> 16) & 0x7FFF; };
    char letter[16];
    for (size_t paragraph = 0; rtf.size() < size; ++paragraph) {
        rtf += "\\pard\\plain \\s0\\ql\\sb0\\sa140\\f0\\fs24{\\loch ";
        if (paragraph % 10 == 9)
            rtf += "{\\field{\\*\\fldinst HYPERLINK \"http://example.org/\"}{\\fldrslt \\'f1\\'f1}} ";
        if (paragraph % 50 == 49) rtf += "{\\*\\shppict{\\pict\\pngblip " + std::string(1024, 'a') + "}}";
        for (uint32_t word = 0, words = 8 + next() % 20; word < words; ++word) {
            bool bold = next() % 10 == 0;
            if (bold) rtf += "{\\b ";
            for (uint32_t k = 0, letters = 2 + next() % 8; k < letters; ++k) {
                uint32_t n = next() % 32;
                std::snprintf(letter, sizeof letter, paragraph % 2 ? "\\'%02x" : "\\u%u\\'3f",
                              paragraph % 2 ? 0xE0 + n : 0x430 + n);
                rtf += letter;
            }
            rtf += bold ? "} " : " ";
        }
        rtf += paragraph % 25 == 24 ? "}\n\\trowd\\cellx2000\\cellx4000 a\\cell b\\cell\\row " : "}\n\\par ";
    }
    return rtf + "}";
}
