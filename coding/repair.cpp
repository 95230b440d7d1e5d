// The search runs breadth first over a short sample of the text, so of two
// chains that give the same text in the same coding the shorter is kept; its
// best few chains are weighed again on a longer sample, and the one chosen is
// undone once on the whole text.
#include "coding/repair.h"
#include "coding/russian_model.h"

#include <functional>
#include <unordered_set>
#include <utility>

namespace {

constexpr size_t SearchBytes = 1024;   // a look-alike differs in a few letters: a longer sample finds them
constexpr size_t WeighBytes = 4096;
constexpr size_t Finalists = 8;
constexpr size_t SampleContext = 16;   // ASCII before the first byte past ASCII
// How clearly a repair must read more Russian than the text as it is: its
// score at least Floor, and the gain in score per pair times its Russian
// letters at least Margin and StepCost for each step of the chain, so that
// a short text needs a larger gain and a long chain more evidence.
constexpr double Floor = -4.0;
constexpr double Margin = 8;
constexpr double StepCost = 4;
constexpr double LossCost = 10;   // for each character that becomes '?'
// Each odd character a repair mends counts as this much gain, and each one a
// chain leaves ranks it as much lower: a look-alike of the text differs from
// it in a letter or two, each showing as an odd character.
constexpr double OddCredit = 8;
// Of two chains, the longer must read better by this much in all (a step is
// less likely than none); between texts that differ only in case, the one
// with the likelier capitals wins.
constexpr double StepPrior = 4;
constexpr double CaseWeight = 0.3;
// A text that reads at least this Russian, with no odd character, is not
// taken for garbled.
constexpr double ReadsRussian = -3.5;
// A step that loses more than one character in this many of the sample is cut.
constexpr size_t LossShare = 16;
// Fewer bytes past ASCII than this say too little to tell one reading from
// another: a lone letter would become a word of three.
constexpr size_t LeastEvidence = 3;

constexpr size_t LetterShare = 4;   // three in four and more
// Shouting: this many Russian letters and words at least, all capitals.
constexpr size_t ShoutingLetters = 20;
constexpr size_t ShoutingWords = 5;

using Bytes = std::vector<uint8_t>;

struct Reading {
    double score = 0;       // the model's, higher reads more Russian
    double cased = 0;       // the same with every capital weighed as it is
    bool russian = false;   // mostly Russian letters past ASCII
    size_t letters = 0;
    size_t odd = 0;          // characters that look misread (LooksMisread), and shouting counts one
    bool shouting = false;   // Russian in capitals only, beside Latin in small letters
};

struct Node {
    Bytes bytes;
    int coding = 0;        // of `bytes`
    std::u16string text;   // `bytes` read in `coding`
    RepairChain chain;     // the steps undone to get here
    size_t lost = 0;       // in those steps
    size_t readLost = 0;   // in reading `bytes`
    Reading reading;
};

// Capitals weigh heavily in the model, and headings in capitals are common, so
// a chain that only turned capitals into small letters would read better than
// the text itself: a capital beside a capital is weighed as small. Punctuation
// past ASCII reads like a space to the model, so a chain that turned letters
// into quotes and dashes would read well: it is weighed as an odd character,
// and a text counts as Russian only when most of its characters past ASCII
// are Russian letters. The frames and rules of a table, between spaces, are
// weighed as spaces. A look-alike of the text (Mac Cyrillic shares the
// capitals of 866 and the small letters of 1251) differs in a few capitals,
// я or ё: they show as odd characters, capitals inside words or dashes stuck
// to them, and letter triples tell the rest.
bool IsCapital(char16_t ch)
{
    return (ch >= u'А' && ch <= u'Я') || ch == u'Ё';
}

bool IsFrame(char16_t ch)
{
    return ch >= 0x2500 && ch < 0x25A0;
}

bool IsGap(char16_t ch)
{
    return ch == u' ' || ch == u'\n' || ch == u'\r' || ch == u'\t' || IsFrame(ch);
}

bool IsSmall(char16_t ch)
{
    return (ch >= u'а' && ch <= u'я') || ch == u'ё';
}

bool IsLetter(char16_t ch)
{
    return IsCapital(ch) || IsSmall(ch);
}

// Punctuation that stands apart from a word's start in Russian text, yet is
// what a capital read in a look-alike coding shows.
bool IsGlued(char16_t ch)
{
    return ch == u'—' || ch == u'–' || ch == u'”' || ch == u'»' || ch == u'…' || ch == u'’';
}

bool IsOdd(char16_t ch)
{
    const RussianSymbol symbol = RussianSymbolOf(ch);
    return symbol == RussianForeign || symbol == RussianOdd;
}

// The model's score with the evidence of letter triples.
double Score(const std::u16string& text, double triples)
{
    const RussianLikelihood l = RussianLikelihoodOf(text.data(), text.size());
    return l.pairs ? (l.sum + triples) / l.pairs : RussianScoreNoEvidence;
}

bool IsLatin(char16_t ch)
{
    return (ch | 0x20) >= u'a' && (ch | 0x20) <= u'z';
}

// A frame or rule of a table standing apart, one character long or three and
// more: a run of two is what a misread short word shows.
bool IsRule(const std::u16string& text, size_t i)
{
    if (!IsFrame(text[i])) return false;
    size_t start = i, end = i + 1;
    while (start > 0 && IsFrame(text[start - 1])) --start;
    while (end < text.size() && IsFrame(text[end])) ++end;
    const bool apart = (start == 0 || IsGap(text[start - 1])) && (end == text.size() || IsGap(text[end]));
    return apart && end - start != 2;
}

// An odd character but one standing alone (a sign in a table), a capital
// after small letters or alone among words in small letters, a dash or quote
// stuck to the start of a word, or a Russian letter stuck to a Latin one.
bool LooksMisread(const std::u16string& text, size_t i, size_t smallRun)
{
    const char16_t ch = text[i];
    auto at = [&](size_t k) { return k < text.size() ? text[k] : u' '; };
    const char16_t prev = i > 0 ? text[i - 1] : u' ', next = at(i + 1);
    if ((IsOdd(ch) && !(IsGap(prev) && IsGap(next))) || (IsCapital(ch) && smallRun >= 2)) return true;
    if (IsGap(prev) && IsGlued(ch) && IsSmall(next)) return true;
    if (IsCapital(ch) && i >= 2 && IsSmall(text[i - 2]) && prev == u' ' && next == u' ' && IsSmall(at(i + 2)))
        return true;
    return IsLetter(ch) && (IsLatin(prev) || IsLatin(next));
}

Reading Read(const std::u16string& original)
{
    size_t high = 0, letters = 0, odd = 0, small = 0, latinSmall = 0, words = 0;
    std::u16string text = original, cased = original;
    bool afterCapital = false;
    size_t smallRun = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        char16_t& ch = text[i];
        const bool capital = IsCapital(ch);
        const bool nextCapital = i + 1 < text.size() && IsCapital(text[i + 1]);
        if (IsRule(original, i))
            ch = cased[i] = u' ';
        else
            odd += LooksMisread(original, i, smallRun);
        smallRun = IsSmall(ch) ? smallRun + 1 : 0;
        if (capital && (afterCapital || nextCapital)) ch = ch == u'Ё' ? u'ё' : char16_t(ch + (u'а' - u'А'));
        afterCapital = capital;
        const bool letter = capital || IsSmall(ch);
        small += IsSmall(ch) && !capital;
        words += letter && (i == 0 || !IsLetter(original[i - 1]));
        latinSmall += ch >= u'a' && ch <= u'z';
        if (ch >= 0xA1 && !letter) ch = cased[i] = 0xFFFD;
        high += ch >= 0x80;
        letters += letter;
    }
    // Many words, not a heading beside a paragraph of English.
    const bool shouting = letters >= ShoutingLetters && small * 20 <= letters && latinSmall >= ShoutingLetters / 4 &&
                          letters >= 2 * latinSmall && words >= ShoutingWords;
    const double triples = RussianTripleSum(text.data(), text.size());
    return {Score(text, triples),
            Score(cased, triples),
            letters * LetterShare >= high * (LetterShare - 1),
            letters,
            odd + shouting,
            shouting};
}

// Russian with no odd character: not garbled.
bool ReadsClean(const Reading& reading)
{
    return reading.russian && reading.score >= ReadsRussian && reading.odd == 0;
}

bool IsRepairCoding(int coding)
{
    return coding >= 0 && coding < RepairCodingCount;
}

RepairChain Before(const RepairChain& chain, RepairStep step)
{
    RepairChain earlier;
    earlier.length = chain.length + 1;
    earlier.steps[0] = step;
    for (int k = 0; k < chain.length; ++k) earlier.steps[k + 1] = chain.steps[k];
    return earlier;
}

// The run of the text the search looks at: from just before the first byte
// past ASCII, ending before an ASCII byte so that no sequence is cut.
std::pair<size_t, size_t> Sample(const uint8_t* bytes, size_t length, size_t sampleBytes)
{
    size_t first = 0;
    while (first < length && bytes[first] < 0x80) ++first;
    const size_t start = first > SampleContext ? first - SampleContext : 0;
    if (length - start <= sampleBytes) return {start, length};
    size_t end = start + sampleBytes;
    while (end > first + 1 && bytes[end] >= 0x80) --end;
    return {start, end};
}

// A chain's result: does it lose nothing, and how Russian it reads.
struct Outcome {
    RepairChain chain;
    bool whole = false;
    Reading reading;
};

double Rank(const Outcome& outcome)
{
    const Reading& r = outcome.reading;
    const double doubts = StepPrior * outcome.chain.length + OddCredit * r.odd;
    return r.score + CaseWeight * r.cased - doubts / double(r.letters + 1);
}

// Lossless first, then the more Russian.
bool Better(const Outcome& a, const Outcome& b)
{
    return a.whole != b.whole ? a.whole : Rank(a) > Rank(b);
}

// The score a reading is compared with the text as it is by. Case is weighed
// in full only against Russian in capitals beside Latin in small letters:
// rare as written, but what two readings between 1251 and ISO 8859-5 make
// of small letters.
double ScoreAgainst(const Reading& reading, const Reading& asItIs)
{
    return asItIs.shouting ? reading.cased : reading.score;
}

bool ClearlyMoreRussian(Reading reading, int steps, size_t lost, const Reading& asItIs)
{
    const double gain = (ScoreAgainst(reading, asItIs) - ScoreAgainst(asItIs, asItIs)) * reading.letters;
    const double mended = OddCredit * double(asItIs.odd - reading.odd);
    return reading.russian && reading.score >= Floor && gain + mended >= Margin + StepCost * steps + LossCost * lost;
}

class Search {
public:
    Search(Node root, size_t highBytes) : lossLimit_(highBytes / LossShare), root_(root.reading)
    {
        seen_.insert(Key(root.text, root.coding));
        level_.push_back(std::move(root));
    }

    // The best few chains, best first.
    std::vector<Outcome> Run()
    {
        for (int depth = 1; depth <= RepairMaxSteps; ++depth) {
            std::vector<Node> next;
            for (const Node& node : level_) Expand(node, depth == 1, depth < RepairMaxSteps ? &next : nullptr);
            level_ = std::move(next);
        }
        return finalists_;
    }

private:
    // The same text in another coding is other bytes, with other readings further back.
    static size_t Key(const std::u16string& text, int coding)
    {
        return std::hash<std::u16string>()(text) * RepairCodingCount + size_t(coding);
    }

    void Consider(const Node& node)
    {
        // Weighed in full on the longer sample: here only reading as Russian at
        // all and better than the text as it is, so that garbage that loses
        // nothing does not crowd out a chain that loses a character or two.
        if (node.coding == CodingWestern || !node.reading.russian || node.reading.score < Floor
            || ScoreAgainst(node.reading, root_) <= ScoreAgainst(root_, root_))
            return;
        const Outcome outcome{node.chain, node.lost + node.readLost == 0, node.reading};
        auto at = finalists_.begin();
        while (at != finalists_.end() && !Better(outcome, *at)) ++at;
        if (at - finalists_.begin() >= long(Finalists)) return;
        finalists_.insert(at, outcome);
        if (finalists_.size() > Finalists) finalists_.pop_back();
    }

    // Every way the node's text can have come about by one more wrong reading:
    // bytes in some coding read as `readAs` and written in the node's coding
    // (at the root also read as the view coding and never written).
    void Expand(const Node& node, bool root, std::vector<Node>* keep)
    {
        for (int readAs = 0; readAs < RepairCodingCount; ++readAs) {
            const bool rewritten = readAs != node.coding;
            if (!rewritten && !root) continue;   // a reading of unchanged bytes is only seen by the viewer
            size_t lost = node.lost;
            if (rewritten) {
                const size_t stepLost = WriteTextAs(readAs, node.text.data(), node.text.size(), written_);
                if (stepLost > lossLimit_) continue;
                lost += node.readLost + stepLost;
            }
            const Bytes& read = rewritten ? written_ : node.bytes;
            for (int actual = 0; actual < RepairCodingCount; ++actual)
                if (actual != readAs) Add(node, read, {actual, readAs}, lost, keep);
        }
    }

    void Add(const Node& parent, const Bytes& bytes, RepairStep step, size_t lost, std::vector<Node>* keep)
    {
        Node child;
        child.readLost = ReadBytesAs(step.actual, bytes.data(), bytes.size(), child.text);
        if (child.readLost > lossLimit_ || !seen_.insert(Key(child.text, step.actual)).second) return;
        child.coding = step.actual;
        child.chain = Before(parent.chain, step);
        child.lost = lost;
        child.reading = Read(child.text);
        Consider(child);
        if (!keep) return;
        child.bytes = bytes;
        keep->push_back(std::move(child));
    }

    size_t lossLimit_;
    Reading root_;
    std::unordered_set<size_t> seen_;
    std::vector<Node> level_;
    std::vector<Outcome> finalists_;
    Bytes written_;
};

bool IsValidChain(const RepairChain& chain)
{
    if (chain.length < 0 || chain.length > RepairMaxSteps) return false;
    for (int k = 0; k < chain.length; ++k)
        if (!IsRepairCoding(chain.steps[k].actual) || !IsRepairCoding(chain.steps[k].readAs)) return false;
    return true;
}

// Text of an origin the view cannot show goes into the view coding, or into
// UTF-8 when the view coding lacks some of its characters.
size_t IntoViewCoding(Repair& repair, int viewCoding)
{
    std::u16string text;
    ReadBytesAs(repair.coding, repair.bytes.data(), repair.bytes.size(), text);
    Bytes written;
    return WriteRepairAs(repair,
                         WriteTextAs(viewCoding, text.data(), text.size(), written) == 0 ? viewCoding : CodingUtf8);
}

Node Root(const uint8_t* bytes, size_t length, int viewCoding, size_t sampleBytes)
{
    const auto [start, end] = Sample(bytes, length, sampleBytes);
    Node root;
    root.bytes.assign(bytes + start, bytes + end);
    root.coding = viewCoding;
    root.readLost = ReadBytesAs(viewCoding, root.bytes.data(), root.bytes.size(), root.text);
    root.reading = Read(root.text);
    return root;
}

Reading ReadingOf(const Repair& repair)
{
    std::u16string text;
    ReadBytesAs(repair.coding, repair.bytes.data(), repair.bytes.size(), text);
    return Read(text);
}

// The finalists undone on the longer sample: the best that still reads clearly more Russian.
RepairChain Weigh(const std::vector<Outcome>& finalists, const Node& sample)
{
    Outcome best;
    for (const Outcome& finalist : finalists) {
        const Repair repair = UndoChain(sample.bytes.data(), sample.bytes.size(), sample.coding, finalist.chain);
        const Outcome weighed{finalist.chain, repair.lost == 0, ReadingOf(repair)};
        // A repair leaves no more odd characters than it found: a lone quote
        // in English does not become three Cyrillic letters.
        const bool fewerOdd = weighed.reading.odd <= sample.reading.odd;
        if (fewerOdd && ClearlyMoreRussian(weighed.reading, finalist.chain.length, repair.lost, sample.reading)
            && (best.chain.length == 0 || Better(weighed, best)))
            best = weighed;
    }
    return best.chain;
}

}   // namespace

Repair RepairBytes(const uint8_t* bytes, size_t length, int viewCoding)
{
    if (!IsViewCoding(viewCoding)) return Repair();
    const Node weighed = Root(bytes, length, viewCoding, WeighBytes);
    if (ReadsClean(weighed.reading)) return Repair();
    Node root = Root(bytes, length, viewCoding, SearchBytes);
    size_t highBytes = 0;
    for (uint8_t b : root.bytes) highBytes += b >= 0x80;
    if (highBytes < LeastEvidence) return Repair();
    const std::vector<Outcome> finalists = Search(std::move(root), highBytes).Run();
    if (finalists.empty()) return Repair();
    const RepairChain chain = Weigh(finalists, weighed);
    if (chain.length == 0) return Repair();
    return UndoChain(bytes, length, viewCoding, chain);
}

Repair UndoChain(const uint8_t* bytes, size_t length, int viewCoding, const RepairChain& chain)
{
    Repair repair;
    if (!IsViewCoding(viewCoding) || !IsValidChain(chain) || chain.length == 0) return repair;
    repair.found = true;
    repair.chain = chain;
    repair.bytes.assign(bytes, bytes + length);
    int coding = viewCoding;
    std::u16string text;
    Bytes written;
    for (int k = chain.length - 1; k >= 0; --k) {
        const RepairStep& step = chain.steps[k];
        if (step.readAs != coding) {
            repair.lost += ReadBytesAs(coding, repair.bytes.data(), repair.bytes.size(), text);
            repair.lost += WriteTextAs(step.readAs, text.data(), text.size(), written);
            repair.bytes.swap(written);
        }
        coding = step.actual;
    }
    repair.coding = coding;
    if (!IsViewCoding(coding))
        repair.lost += IntoViewCoding(repair, viewCoding);
    else if (coding == CodingUtf8)
        repair.lost += ReadBytesAs(coding, repair.bytes.data(), repair.bytes.size(), text);
    return repair;
}

size_t WriteRepairAs(Repair& repair, int coding)
{
    std::u16string text;
    size_t lost = ReadBytesAs(repair.coding, repair.bytes.data(), repair.bytes.size(), text);
    repair.coding = coding;
    return lost + WriteTextAs(coding, text.data(), text.size(), repair.bytes);
}

std::string RepairStatusText(const RepairChain& chain)
{
    std::string text = "Repaired: ";
    for (int k = 0; k < chain.length && IsValidChain(chain); ++k) {
        if (k > 0) text += ", then ";
        text += RepairCodingName[chain.steps[k].actual];
        text += " read as ";
        text += RepairCodingName[chain.steps[k].readAs];
    }
    return text;
}
