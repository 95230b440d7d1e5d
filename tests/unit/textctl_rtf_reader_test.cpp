// The RTF reader: what text each kind of markup leaves, on made-up and on
// real documents, read whole and in small chunks.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "textctl/rtf_reader.h"

namespace {

struct Case {
    std::string rtf;
    std::string text;
};

std::string Read(const std::string& rtf, size_t chunk)
{
    RtfReader reader;
    std::vector<uint8_t> text;
    const auto* bytes = reinterpret_cast<const uint8_t*>(rtf.data());
    for (size_t pos = 0; pos < rtf.size(); pos += chunk)
        reader.Read(bytes + pos, std::min(chunk, rtf.size() - pos), text);
    reader.Finish(text);
    return std::string(text.begin(), text.end());
}

const std::vector<Case> Structure = {
    {"{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red0;}{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}}Hi\\par}",
     "Hi\r\n"},
    {"{\\rtf1 a{\\*\\what b}c{\\field{\\*\\fldinst HYPERLINK \"u\"}{\\fldrslt link}}}", "aclink"},
    {"{\\rtf1{\\header h}{\\footerl f}{\\pict 0a0b}{\\object o}{\\listtable l}x{\\*\\bkmkstart k}}", "x"},
    {"{\\rtf1 \\{a\\}\\\\ \\b bold\\b0  two\\par5x}", "{a}\\ bold two\r\nx"},
    {"pre{\\rtf1 in}post}}{more", "inmore"},
    {"{\\rtf1 a\r\nb\\\r\nc\td}", "ab\r\nc\td"},
    {"{\\rtf1 a{\\bin4 }}\\}b}}", "ab"},
    {"{\\rtf1 x{\\chftn{\\footnote \\chftn n}}y\\chftn}", "x1y2"},
    {"{\\rtf1 a\\par b\\sect c\\page d\\line e\\tab f}", "a\r\nb\r\nc\r\nd\r\ne\tf"},
    {"{\\rtf1 \\trowd a\\cell b\\cell\\row c\\cell\\row d\\cell}", "a\tb\r\nc\r\nd\t"},
    {"{\\rtf1 \\emdash\\endash\\lquote\\rquote\\ldblquote\\rdblquote\\bullet\\~\\_\\-x\\emspace\\enspace}",
     "\x97\x96\x91\x92\x93\x94\x95\xA0-x  "},
};

const std::vector<Case> Characters = {
    {"{\\rtf1 \\'e0\\'C0\xE0\xA8}", "\xE0\xC0\xE0\xA8"},
    {"{\\rtf1\\ansicpg866 \\'a0\xA0\\'f0\\'b0}", "\xE0\xE0\xA8?"},
    {"{\\rtf1\\ansicpg20866 \\'c1\\'e1\\'80}", "\xE0\xC0?"},
    {"{\\rtf1\\ansicpg28595 \\'d0\\'a1}", "\xE0\xA8"},
    {"{\\rtf1\\ansicpg10007 \\'e0\\'80\\'c8}", "\xE0\xC0\xBB"},
    {"{\\rtf1\\ansicpg1252 \\'e9\\'ab}", "\xE9\xAB"},
    {"{\\rtf1 \\u1040\\'c0\\u-1?\\uc2\\u8212--x\\uc0\\u1041 y\\u945}", "\xC0?\x97x\xC1y?"},
    {"{\\rtf1 {\\uc0\\u1040}\\u1041?b{\\u-10179?\\u-8701?}\\uc3\\u1025{x}}",
     "\xC0\xC1"
     "b?\xA8x"},
};

const std::vector<Case> Malformed = {
    {"{\\rtf1 {\\b abc", "abc"},
    {"{\\rtf1 a\\pa", "a"},
    {"{\\rtf1 a\\par", "a\r\n"},
    {"{\\rtf1 a\\'e", "a"},
    {"{\\rtf1 a\\", "a"},
    {"{\\rtf1 \\u1040", "\xC0"},
    {"{\\rtf1 \\'zz\\'4x\\'", "zzx"},
    {std::string("{\\rtf1 a\0b\x01"
                 "c}",
                 13),
     "abc"},
    {"{\\rtf1 \\u99999999999999999999 ab}", "?b"},
    {"{\\rtf1 \\uc99999999 \\u1040 abc}d", "\xC0"},
    {"{\\rtf1 x\\bin99999999999999999 abc}", "x"},
    {"{\\rtf1 \\par-x\\" + std::string(100, 'p') + "ar y}", "\r\nxy"},
    {std::string(100000, '{') + "\\rtf1 a" + std::string(100000, '}') + "b", "a"},
    {"{\\rtf1 " + std::string(3000, '{') + "\\*" + std::string(3000, '}') + "c}", "c"},
};

// Lines (CR LF, LF or CR) of words (runs without space or tab).
std::vector<std::vector<std::string>> Lines(const std::string& text)
{
    std::string lf;
    for (size_t i = 0; i < text.size(); ++i) lf += text[i] == '\r' && text[i + 1] != '\n' ? '\n' : text[i];
    std::vector<std::vector<std::string>> lines;
    std::istringstream in(lf);
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        lines.emplace_back(std::istream_iterator<std::string>(words), std::istream_iterator<std::string>());
    }
    return lines;
}

std::string FileBytes(const std::string& name)
{
    std::ifstream file(VERKO_TEST_DATA "/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

}   // namespace

TEST(RtfReader, MarkupStructureBreaksAndSpecials)
{
    for (const Case& c : Structure) EXPECT_EQ(Read(c.rtf, SIZE_MAX), c.text) << c.rtf;
}

TEST(RtfReader, CodePagesAndUnicode)
{
    for (const Case& c : Characters) EXPECT_EQ(Read(c.rtf, SIZE_MAX), c.text) << c.rtf;
}

TEST(RtfReader, MalformedInputYieldsWhatCouldBeRead)
{
    for (const Case& c : Malformed) EXPECT_EQ(Read(c.rtf, SIZE_MAX), c.text) << c.rtf.substr(0, 60);
}

TEST(RtfReader, ChunksMayEndAnywhere)
{
    for (const auto* table : {&Structure, &Characters, &Malformed})
        for (const Case& c : *table)
            for (size_t chunk : {1, 2, 3, 7})
                EXPECT_EQ(Read(c.rtf, chunk), c.text) << chunk << ' ' << c.rtf.substr(0, 60);
}

// The word processor's own 1251 export differs only in blanks: it indents
// list items with spaces where the RTF puts a tab after the label, drops the
// tab of an empty heading label, and ends a line break inside a paragraph
// with LF alone.
TEST(RtfReader, RealDocumentsGiveTheWordProcessorsTextExport)
{
    for (const char* name : {"rtf_prose", "rtf_rich"}) {
        std::string rtf = FileBytes(std::string(name) + ".rtf"), text = FileBytes(std::string(name) + ".txt");
        ASSERT_GT(text.size(), 400u) << name;
        EXPECT_EQ(Lines(Read(rtf, 4096)), Lines(text)) << name;
    }
}
