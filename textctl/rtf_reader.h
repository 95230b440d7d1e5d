// Reads RTF into the plain text its markup describes, as Windows-1251 bytes.
//
// Groups that hold no document text are skipped (\* destinations, font,
// colour, style and list tables, document information, pictures, objects,
// headers and footers, footnotes, field instructions; a field's result is
// kept); a footnote leaves its number (\chftn). \par, \sect, \page, \line and
// \row end a line with CR LF; \tab and \cell give a tab, except that the last
// cell of a row is ended by the row's line break alone. \'hh is a byte of the
// document's code page (\ansicpgN, 1251 when absent): 866, KOI8-R (20866),
// ISO 8859-5 (28595) and Mac Cyrillic (10007) are converted with the
// program's tables; any other code page keeps the byte, since such files
// carry Russian text in fonts marked Cyrillic and share 1251's punctuation
// (« » — – “ ” … ©). \uN gives the 1251 byte of that character ('?' when
// 1251 lacks it) and skips the \ucN fallback characters that follow. The
// typographic words and symbols become what a word processor's 1251 text
// export writes: \emdash —, \endash –, quotes ‘ ’ “ ”, \bullet •, \~ a
// no-break space (0xA0), \_ a hyphen, \- (an optional hyphen) nothing. Line
// breaks in the source, other control codes and anything outside a group
// are not text, so bytes that are not RTF at all give no text.
//
// Input arrives in chunks that may end anywhere, even inside a control word.
// Malformed input (unbalanced braces, cut control words, huge numbers, deep
// nesting) yields what could be read. Each byte is looked at once or twice,
// the state stays a few kilobytes, and the text is no longer than the RTF
// (each of its bytes takes at least one byte of RTF, short of footnotes
// numbered in the millions).
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

class RtfReader {
public:
    RtfReader();
    // Appends to text what these next bytes of RTF describe.
    void Read(const uint8_t* bytes, size_t count, std::vector<uint8_t>& text);
    // The input has ended: a control word cut off by the end still counts.
    void Finish(std::vector<uint8_t>& text);

private:
    enum class Lex : uint8_t { Text, Escape, Word, Sign, Digits, Hex1, Hex2, Binary };
    struct Group {
        bool skip = false;   // a destination with no document text
        uint16_t unicodeSkip = 1;
    };
    static constexpr size_t MaxWord = 32;

    bool Step(uint8_t b, std::vector<uint8_t>& text);
    bool StepWord(uint8_t b, std::vector<uint8_t>& text);
    void TextByte(uint8_t b, std::vector<uint8_t>& text);
    void Symbol(uint8_t b, std::vector<uint8_t>& text);
    void Character(uint8_t b, std::vector<uint8_t>& text);
    void Dispatch(std::vector<uint8_t>& text);
    void Unicode(int32_t code, std::vector<uint8_t>& text);
    void FootnoteMark(std::vector<uint8_t>& text);
    void Emit(uint8_t b, std::vector<uint8_t>& text);
    void OpenGroup();
    void CloseGroup();
    void SetCodePage(int32_t codePage);
    int32_t Parameter() const;

    Lex lex_ = Lex::Text;
    Group current_;
    std::vector<Group> groups_;
    size_t uncountedDepth_ = 0;   // groups past the deepest one kept
    char word_[MaxWord + 1] = {};
    size_t wordLength_ = 0;
    bool negative_ = false;
    bool hasParameter_ = false;
    int64_t magnitude_ = 0;
    uint8_t hexHigh_ = 0;
    uint64_t binaryLeft_ = 0;
    uint32_t fallbackLeft_ = 0;   // characters after \uN still to skip
    uint32_t footnotes_ = 0;
    bool cellEnded_ = false;   // a tab is owed unless the row ends here
    uint8_t codePage_[256];    // document byte -> 1251 byte
};
