// A byte-at-a-time RTF reader: a small lexer state carried across chunks, a
// stack of group states and a sorted table of the control words that matter.
#include "textctl/rtf_reader.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "coding/unicode_tables.h"

namespace {

// Nesting past this is counted, not kept: real documents stay far below it.
constexpr size_t MaxDepth = 1024;
constexpr int64_t MaxMagnitude = int64_t(1) << 31;

enum class Action : uint8_t { Skip, Break, Byte, Cell, Row, Unicode, UnicodeSkip, CodePage, Binary, FootnoteMark };

struct Keyword {
    const char* name;
    Action action;
    uint8_t byte;
};

// Sorted by name (checked below at compile time).
constexpr Keyword Keywords[] = {
    {"aftncn", Action::Skip, 0},
    {"aftnsep", Action::Skip, 0},
    {"aftnsepc", Action::Skip, 0},
    {"annotation", Action::Skip, 0},
    {"ansicpg", Action::CodePage, 0},
    {"atnauthor", Action::Skip, 0},
    {"atnid", Action::Skip, 0},
    {"bin", Action::Binary, 0},
    {"bullet", Action::Byte, 0x95},
    {"cell", Action::Cell, 0},
    {"chftn", Action::FootnoteMark, 0},
    {"colortbl", Action::Skip, 0},
    {"emdash", Action::Byte, 0x97},
    {"emspace", Action::Byte, ' '},
    {"endash", Action::Byte, 0x96},
    {"enspace", Action::Byte, ' '},
    {"fldinst", Action::Skip, 0},
    {"fonttbl", Action::Skip, 0},
    {"footer", Action::Skip, 0},
    {"footerf", Action::Skip, 0},
    {"footerl", Action::Skip, 0},
    {"footerr", Action::Skip, 0},
    {"footnote", Action::Skip, 0},
    {"ftncn", Action::Skip, 0},
    {"ftnsep", Action::Skip, 0},
    {"ftnsepc", Action::Skip, 0},
    {"header", Action::Skip, 0},
    {"headerf", Action::Skip, 0},
    {"headerl", Action::Skip, 0},
    {"headerr", Action::Skip, 0},
    {"info", Action::Skip, 0},
    {"ldblquote", Action::Byte, 0x93},
    {"line", Action::Break, 0},
    {"listoverridetable", Action::Skip, 0},
    {"listtable", Action::Skip, 0},
    {"lquote", Action::Byte, 0x91},
    {"nestcell", Action::Cell, 0},
    {"nonshppict", Action::Skip, 0},
    {"object", Action::Skip, 0},
    {"page", Action::Break, 0},
    {"par", Action::Break, 0},
    {"pict", Action::Skip, 0},
    {"pn", Action::Skip, 0},
    {"qmspace", Action::Byte, ' '},
    {"rdblquote", Action::Byte, 0x94},
    {"revtbl", Action::Skip, 0},
    {"row", Action::Row, 0},
    {"rquote", Action::Byte, 0x92},
    {"rxe", Action::Skip, 0},
    {"sect", Action::Break, 0},
    {"stylesheet", Action::Skip, 0},
    {"tab", Action::Byte, '\t'},
    {"tc", Action::Skip, 0},
    {"template", Action::Skip, 0},
    {"txe", Action::Skip, 0},
    {"u", Action::Unicode, 0},
    {"uc", Action::UnicodeSkip, 0},
    {"xe", Action::Skip, 0},
};

constexpr int Compare(const char* a, const char* b)
{
    while (*a && *a == *b) ++a, ++b;
    return static_cast<unsigned char>(*a) - static_cast<unsigned char>(*b);
}

constexpr bool KeywordsSorted()
{
    for (size_t i = 1; i < sizeof Keywords / sizeof Keywords[0]; ++i)
        if (Compare(Keywords[i - 1].name, Keywords[i].name) >= 0) return false;
    return true;
}
static_assert(KeywordsSorted(), "the keyword table must stay sorted for the binary search");

const Keyword* FindKeyword(const char* name)
{
    const Keyword* end = std::end(Keywords);
    const Keyword* found = std::lower_bound(std::begin(Keywords), end, name,
                                            [](const Keyword& k, const char* n) { return Compare(k.name, n) < 0; });
    return found != end && Compare(found->name, name) == 0 ? found : nullptr;
}

bool IsLetter(uint8_t b)
{
    return (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z');
}

bool IsDigit(uint8_t b)
{
    return b >= '0' && b <= '9';
}

int HexValue(uint8_t b)
{
    if (IsDigit(b)) return b - '0';
    if (b >= 'a' && b <= 'f') return b - 'a' + 10;
    if (b >= 'A' && b <= 'F') return b - 'A' + 10;
    return -1;
}

// The program's table for a code page; CodingAnsi also for those it has none for.
Coding CodingOfCodePage(int32_t codePage)
{
    switch (codePage) {
    case 866:
        return CodingOem;
    case 20866:
        return CodingKoi8;
    case 28595:
        return CodingIso;
    case 10007:
        return CodingMac;
    default:
        return CodingAnsi;
    }
}

}   // namespace

RtfReader::RtfReader()
{
    current_.skip = true;   // nothing outside the outermost group is text
    SetCodePage(1251);
}

void RtfReader::Read(const uint8_t* bytes, size_t count, std::vector<uint8_t>& text)
{
    for (size_t i = 0; i < count; ++i) {
        if (lex_ == Lex::Binary) {
            size_t take = static_cast<size_t>(std::min<uint64_t>(binaryLeft_, count - i));
            binaryLeft_ -= take;
            i += take - 1;
            if (binaryLeft_ == 0) lex_ = Lex::Text;
            continue;
        }
        // A byte that ends a control word or a broken escape is read again
        // as text; text always takes its byte, so this runs at most twice.
        while (!Step(bytes[i], text)) {}
    }
}

void RtfReader::Finish(std::vector<uint8_t>& text)
{
    if (lex_ == Lex::Word || lex_ == Lex::Sign || lex_ == Lex::Digits) Dispatch(text);
    lex_ = Lex::Text;
    if (cellEnded_) text.push_back('\t');
    cellEnded_ = false;
}

bool RtfReader::Step(uint8_t b, std::vector<uint8_t>& text)
{
    switch (lex_) {
    case Lex::Text:
        TextByte(b, text);
        return true;
    case Lex::Escape:
        lex_ = Lex::Text;
        if (IsLetter(b)) {
            lex_ = Lex::Word;
            word_[0] = static_cast<char>(b);
            wordLength_ = 1;
            negative_ = hasParameter_ = false;
            magnitude_ = 0;
        } else if (b == '\'') {
            lex_ = Lex::Hex1;
        } else {
            Symbol(b, text);
        }
        return true;
    case Lex::Hex1:
        lex_ = Lex::Text;
        if (HexValue(b) < 0) return false;
        lex_ = Lex::Hex2;
        hexHigh_ = static_cast<uint8_t>(HexValue(b));
        return true;
    case Lex::Hex2:
        lex_ = Lex::Text;
        if (HexValue(b) < 0) return false;
        Character(codePage_[hexHigh_ * 16 + HexValue(b)], text);
        return true;
    case Lex::Binary:
        if (binaryLeft_ > 0) --binaryLeft_;
        if (binaryLeft_ == 0) lex_ = Lex::Text;
        return true;
    default:
        return StepWord(b, text);
    }
}

// Letters, then an optional signed number, then a delimiter: a space
// belongs to the word, anything else is read again.
bool RtfReader::StepWord(uint8_t b, std::vector<uint8_t>& text)
{
    if (lex_ == Lex::Word && IsLetter(b)) {
        if (wordLength_ < MaxWord) word_[wordLength_] = static_cast<char>(b);
        ++wordLength_;
        return true;
    }
    if (lex_ == Lex::Word && b == '-') {
        lex_ = Lex::Sign;
        negative_ = true;
        return true;
    }
    if (IsDigit(b)) {
        lex_ = Lex::Digits;
        hasParameter_ = true;
        magnitude_ = std::min(magnitude_ * 10 + (b - '0'), MaxMagnitude);
        return true;
    }
    Dispatch(text);
    return b == ' ';
}

void RtfReader::TextByte(uint8_t b, std::vector<uint8_t>& text)
{
    switch (b) {
    case '{':
        OpenGroup();
        break;
    case '}':
        CloseGroup();
        break;
    case '\\':
        lex_ = Lex::Escape;
        break;
    default:
        // Raw line breaks and other control codes are layout of the source.
        if (b >= 0x20 || b == '\t') Character(codePage_[b], text);
    }
}

void RtfReader::Symbol(uint8_t b, std::vector<uint8_t>& text)
{
    if (fallbackLeft_ > 0) {
        --fallbackLeft_;
        return;
    }
    switch (b) {
    case '\\':
    case '{':
    case '}':
        Emit(b, text);
        break;
    case '~':
        Emit(0xA0, text);
        break;
    case '_':
        Emit('-', text);
        break;
    case '\r':
    case '\n':
        Emit('\r', text);
        Emit('\n', text);
        break;
    case '*':
        current_.skip = true;
        break;
    }
}

// A character of the document, unless it is a fallback after \uN.
void RtfReader::Character(uint8_t b, std::vector<uint8_t>& text)
{
    if (fallbackLeft_ > 0)
        --fallbackLeft_;
    else
        Emit(b, text);
}

void RtfReader::Dispatch(std::vector<uint8_t>& text)
{
    lex_ = Lex::Text;
    const Keyword* keyword = nullptr;
    if (wordLength_ <= MaxWord) {
        word_[wordLength_] = '\0';
        keyword = FindKeyword(word_);
    }
    if (keyword && keyword->action == Action::Binary) {
        binaryLeft_ = static_cast<uint64_t>(std::max(Parameter(), 0));
        if (binaryLeft_ > 0) lex_ = Lex::Binary;
    }
    if (fallbackLeft_ > 0) {   // a control word stands for one fallback character
        --fallbackLeft_;
        return;
    }
    if (!keyword) return;
    switch (keyword->action) {
    case Action::Skip:
        current_.skip = true;
        break;
    case Action::Break:
        Emit('\r', text);
        Emit('\n', text);
        break;
    case Action::Byte:
        Emit(keyword->byte, text);
        break;
    case Action::Cell:
        if (!current_.skip) cellEnded_ = true;
        break;
    case Action::Row:
        cellEnded_ = false;   // the row's end, not a tab, follows its last cell
        Emit('\r', text);
        Emit('\n', text);
        break;
    case Action::Unicode:
        Unicode(Parameter(), text);
        fallbackLeft_ = current_.unicodeSkip;
        break;
    case Action::UnicodeSkip:
        current_.unicodeSkip = static_cast<uint16_t>(std::clamp(Parameter(), 0, 0xFFFF));
        break;
    case Action::CodePage:
        SetCodePage(Parameter());
        break;
    case Action::FootnoteMark:
        FootnoteMark(text);
        break;
    case Action::Binary:
        break;
    }
}

// Footnotes are numbered in the order their marks appear in the text.
void RtfReader::FootnoteMark(std::vector<uint8_t>& text)
{
    if (current_.skip) return;
    for (char digit : std::to_string(++footnotes_)) Emit(static_cast<uint8_t>(digit), text);
}

// \uN counts N as a signed 16-bit number; a pair of surrogates is one '?'.
void RtfReader::Unicode(int32_t code, std::vector<uint8_t>& text)
{
    if (code < 0) code += 0x10000;
    if (code < 0 || code > 0xFFFF) {
        Emit('?', text);
    } else if (code >= 0xDC00 && code <= 0xDFFF) {
        return;
    } else {
        Emit(UnicodeToByte(CodingAnsi, static_cast<char16_t>(code)), text);
    }
}

void RtfReader::Emit(uint8_t b, std::vector<uint8_t>& text)
{
    if (current_.skip) return;
    if (cellEnded_) text.push_back('\t');
    cellEnded_ = false;
    text.push_back(b);
}

void RtfReader::OpenGroup()
{
    fallbackLeft_ = 0;
    bool outside = groups_.empty() && uncountedDepth_ == 0;
    if (groups_.size() < MaxDepth)
        groups_.push_back(current_);
    else
        ++uncountedDepth_;
    if (outside) current_ = Group();
}

void RtfReader::CloseGroup()
{
    fallbackLeft_ = 0;
    if (uncountedDepth_ > 0) {
        --uncountedDepth_;
    } else if (!groups_.empty()) {
        current_ = groups_.back();
        groups_.pop_back();
    }
}

void RtfReader::SetCodePage(int32_t codePage)
{
    Coding coding = CodingOfCodePage(codePage);
    for (int b = 0; b < 256; ++b)
        codePage_[b] = coding == CodingAnsi ? uint8_t(b) : UnicodeToByte(CodingAnsi, ByteToUnicode(coding, uint8_t(b)));
}

int32_t RtfReader::Parameter() const
{
    int64_t value = negative_ ? -magnitude_ : magnitude_;
    return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}
