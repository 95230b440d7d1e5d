// The commands of the Coding and Align menus and the Coding dialog through
// their one frame: the range, the result, the selection and view afterwards,
// and one Undo back.
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "coding/coding_tables.h"
#include "coding/repair.h"
#include "coding/utf8.h"
#include "editor/undo.h"
#include "editor/view_coding.h"
#include "tests/program/editor_test_support.h"
#include "tests/program/pictures.h"

#include <commctrl.h>

namespace {

using Pair = std::pair<LRESULT, LRESULT>;

class TransformCommands : public EditorTest {
protected:
    static void Store(const char* name, DWORD value) { WriteRegistryValue(name, REG_DWORD, &value, sizeof value); }
    static LRESULT Chosen(HWND dialog, int id) { return SendDlgItemMessageA(dialog, id, LB_GETCURSEL, 0, 0); }
    static Pair Selected() { return {Selection().cpMin, Selection().cpMax}; }

    // The Coding dialog: returns the pair it offers; looks at it, chooses from
    // and to and presses Enter ("=>"), or Escape when from is negative.
    Pair RunDialog(int from, int to, std::function<void(HWND)> look = nullptr)
    {
        Pair offered;
        InDialog(CMD_CODING_DIALOG, "Coding", [&](HWND dialog) {
            offered = {Chosen(dialog, IDC_CODING_FROM), Chosen(dialog, IDC_CODING_TO)};
            if (look) look(dialog);
            if (from >= 0) SendDlgItemMessageA(dialog, IDC_CODING_FROM, LB_SETCURSEL, from, 0);
            if (from >= 0) SendDlgItemMessageA(dialog, IDC_CODING_TO, LB_SETCURSEL, to, 0);
            PostMessageA(GetFocus(), WM_KEYDOWN, from >= 0 ? VK_RETURN : VK_ESCAPE, 1);   // for the dialog's loop
        });
        return offered;
    }
};

std::string Recoded(std::string bytes, Coding from, Coding to)
{
    ConvertCoding(reinterpret_cast<uint8_t*>(&bytes[0]), bytes.size(), from, to);
    return bytes;
}

// The text written in a coding of the repair, and bytes read in one.
std::string InCoding(int coding, const std::u16string& text)
{
    std::vector<uint8_t> bytes;
    EXPECT_EQ(WriteTextAs(coding, text.data(), text.size(), bytes), 0u);
    return std::string(bytes.begin(), bytes.end());
}

std::u16string ReadAs(int coding, const std::string& bytes)
{
    std::u16string text;
    ReadBytesAs(coding, reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), text);
    return text;
}

// Each line as its words: what is left when blanks do not count.
std::vector<std::string> WordsByLine(std::string text)
{
    for (size_t at; (at = text.find("\r\n")) != std::string::npos;) text.erase(at, 1);
    std::replace(text.begin(), text.end(), '\r', '\n');
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line, word; std::getline(in, line);)
        for (std::istringstream words((lines.emplace_back(), line)); words >> word;) lines.back() += word + " ";
    return lines;
}

TEST_F(TransformCommands, EachCommandRewritesItsRangeAndOneUndoTakesItBack)
{
    std::string text = "ab ";
    for (int b = 0x80; b <= 0xFF; ++b) text += static_cast<char>(b);
    const std::string part = text.substr(0, 3) + Recoded(text.substr(3, 7), CodingAnsi, CodingKoi8) + text.substr(10);
    const struct {
        WORD command;
        Coding view, viewAfter;
        std::string text, result;
        Pair before, after;
    } cases[] = {
        {CMD_TO_KOI8, CodingAnsi, CodingKoi8, text, Recoded(text, CodingAnsi, CodingKoi8), {1, 1}, {1, 1}},
        {CMD_TO_KOI8, CodingAnsi, CodingAnsi, text, part, {3, 10}, {3, 10}},
        {CMD_TO_FIDO, CodingAnsi, CodingOem, "\xCD\xF0\xE0", "Hp\xA0", {0, 0}, {0, 0}},
        {CMD_TO_ANSI, CodingAnsi, CodingAnsi, "\xE0\xAB\xBB\x97\x85", "\xE0<>-:", {0, 0}, {0, 0}},
        {CMD_TO_OEM, CodingOem, CodingOem, "\xA0\x80", "\xA0\x80", {2, 2}, {2, 2}},
        {CMD_TO_ANSI, CodingKoi8, CodingKoi8, "x\xC1\xC2", "x\xE0\xC2", {0, 2}, {0, 2}},
        // UTF-8: written from the view's coding, and read as the Coding dialog reads it (a byte-order
        // mark dropped, an invalid byte kept, a character the coding lacks as '?').
        {CMD_TO_UTF8, CodingAnsi, CodingUtf8, "\xCF\xF0\xE8 x", "\xD0\x9F\xD1\x80\xD0\xB8 x", {3, 3}, {2, 2}},
        {CMD_TO_UTF8, CodingKoi8, CodingKoi8, "x\xF0\xD2y", "x\xD0\x9F\xD1\x80y", {1, 3}, {1, 5}},
        {CMD_TO_UTF8, CodingUtf8, CodingUtf8, "\xD0\x9F\x80", "\xD0\x9F\x80", {0, 0}, {0, 0}},
        {CMD_TO_ANSI, CodingUtf8, CodingAnsi, "\xEF\xBB\xBF\xD0\xA9\xD1\x83\x80 \xF0\x9F\x98\x80", "\xD9\xF3\x80 ?",
         {0, 0}, {0, 0}},
        {CMD_TO_KOI8, CodingUtf8, CodingUtf8, "a\xD0\xA9\xD1\x83" "b", "a\xFD\xD5" "b", {1, 5}, {1, 3}},
        {CMD_TO_OEM, CodingUtf8, CodingOem, "\xD1\x91\xE2\x94\x80", "\xF1\xC4", {0, 0}, {0, 0}},
        {CMD_TO_FIDO, CodingUtf8, CodingOem, "\xD0\x9D\xD1\x80\xD0\xB0", "Hp\xA0", {0, 0}, {0, 0}},
        {CMD_TRANSLIT, CodingAnsi, CodingAnsi, "x \xC6\xB8\xEB\xF2\xFB\xE9!", "x ZHeltyy!", {2, 8}, {2, 9}},
        {CMD_TRANSLIT, CodingUtf8, CodingUtf8, "x \xD0\x96\xD1\x91\xE2\x84\x96!", "x ZHe\xE2\x84\x96!", {2, 9}, {2, 8}},
        {CMD_QP_DECODE, CodingAnsi, CodingAnsi, "=D8=E0=d8==41=\r\n=4", "\xD8\xE0=d8=A=\r\n=4", {0, 0}, {0, 12}},
        {CMD_LINE_BREAK, CodingAnsi, CodingAnsi, "a\rb\r\nc\r", "a\r\nb\r\nc\r\n", {1, 1}, {1, 9}},
        {CMD_LINE_BREAK, CodingAnsi, CodingAnsi, "x\r\nab\r\ncd", "x\r\nab\r\ncd", {2, 6}, {1, 7}},   // half breaks
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        View(c.view);
        SetDocument(c.text);
        Select(c.before.first, c.before.second);
        SendCommand(c.command);
        EXPECT_EQ(EditorBytes(), c.result);
        EXPECT_EQ(Selected(), c.after);
        EXPECT_EQ(SendMessageA(Editor.Window, TCM_GETVIEWCODING, 0, 0), c.viewAfter);
        EXPECT_TRUE(EditorModified());
        Undo();
        EXPECT_EQ(EditorBytes(), c.text);
        EXPECT_EQ(Editor.ViewCoding, c.view);
        EXPECT_FALSE(UndoAvailable());
    }
    SetDocument("");
    for (WORD command = CMD_TO_ANSI; command <= CMD_RIGHT; ++command) SendCommand(command);
    SendCommand(CMD_TO_UTF8);
    EXPECT_FALSE(UndoAvailable() || EditorModified());
}

TEST_F(TransformCommands, AlignmentReflowsWholeLinesWithTheStoredParameters)
{
    const std::string letters = "a b c d e f g h i j k l m n o p q r s t u v w x y z\r\n";
    const std::string justified = "a  b c d e f g h i j\r\nk  l m n o p q r s t\r\nu v w x y z\r\n";
    const struct {
        WORD command;
        DWORD first, left, width;
        int ignoreBreaks;   // -1: not stored
        std::string text, result;
        Pair before;
        LRESULT caret;
    } cases[] = {
        {CMD_JUSTIFY, 0, 0, 20, -1, letters, justified, {3, 3}, 3},
        {CMD_LEFT, 0, 0, 80, -1, "alpha  beta\ngamma\n\ndelta", "alpha beta\r\ngamma\r\n\r\ndelta\r\n", {0, 0}, 0},
        {CMD_LEFT, 0, 0, 80, 0, "alpha beta\rgamma\r\r\n", "alpha beta\r\ngamma\r\n\r\n", {0, 0}, 0},
        {CMD_LEFT, 5, 2, 30, 0, "aaa bbb\r\n\r\nccc\r\n", "     aaa bbb\r\n  \r\n  ccc\r\n", {0, 0}, 0},
        {CMD_LEFT, 0, 0, 80, 1, "one\r\n\r\ntwo\r\n", "one two\r\n", {0, 0}, 0},
        {CMD_LEFT, 0, 0, 80, 0, "ab\r\ncd\r\n", "ab\r\ncd\r\n", {0, 3}, 0},
        {CMD_RIGHT, 0, 0, 10, 0, "xx\r\nab cd\r\nef gh\r\n", "xx\r\n     ab cd\r\n      ef gh\r\n\r\n", {5, 12}, 4},
        {CMD_CENTER, 9, 2, 20, 0, "abc\r\n", "         abc\r\n", {0, 5}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        DeleteSettingsKey();
        Store("FI", c.first);
        Store("LI", c.left);
        Store("RI", c.width);
        if (c.ignoreBreaks >= 0) Store("IG", c.ignoreBreaks);
        SetDocument(c.text);
        Select(c.before.first, c.before.second);
        SendCommand(c.command);
        EXPECT_EQ(EditorBytes(), c.result);
        EXPECT_EQ(Selected(), Pair(c.caret, c.caret));
        Undo();
        EXPECT_EQ(EditorBytes(), c.text);
    }
}

TEST_F(TransformCommands, RtfToAnsiGivesTheWordProcessorsTextAndOneUndoTheMarkup)
{
    SendCommand(CMD_WORD_WRAP);   // wrapped: the editor made anew keeps it
    for (const std::string name : {"rtf_prose", "rtf_rich"}) {
        const std::string rtf = ReadFileBytes(DataFile(name + ".rtf"));
        SetDocument(rtf);
        Select(5, 9);
        SendCommand(CMD_RTF_TO_ANSI);
        EXPECT_EQ(WordsByLine(EditorBytes()), WordsByLine(ReadFileBytes(DataFile(name + ".txt")))) << name;
        EXPECT_EQ(Selection().cpMax, 0);
        EXPECT_TRUE(Editor.WordWrapStyle == 0 && IsWindowVisible(Editor.Window) && EditorModified());
        Undo();
        EXPECT_EQ(EditorBytes(), rtf);
    }
    SetDocument("{\\RTF1 not RTF}");
    SendCommand(CMD_RTF_TO_ANSI);
    EXPECT_EQ(EditorBytes(), "{\\RTF1 not RTF}");
    EXPECT_EQ(Selection().cpMax, 15);
    EXPECT_FALSE(UndoAvailable() || EditorModified());
}

TEST_F(TransformCommands, AResultTooLongForTheEditorChangesNothingAndSaysWhy)
{
    const std::string tooLong = "The result would be longer than VERKO can hold.";
    const struct {
        WORD command;
        uint32_t limit;
        DWORD first, left, width;
        std::string text, error;
    } cases[] = {
        {CMD_TRANSLIT, 12, 0, 0, 80, "\xC6\xC6\xC6\xC6\xC6\xC6\xC6", tooLong},   // transliterated: 14 bytes
        {CMD_LEFT, 12, 0, 0, 1, "a b c d e", tooLong},                           // four lines: 14 bytes
        {CMD_JUSTIFY, 0x7FFFFFFF, 0x7FFFFFF0, 0x7FFFFFF0, 0x7FFFFFFF, "ab\r\ncd\r\n",
         "The indents leave no room for text."},
    };
    for (const auto& c : cases) {
        Editor.TextLimit = c.limit;
        Store("FI", c.first);
        Store("LI", c.left);
        Store("RI", c.width);
        SetDocument(c.text);
        std::string error;
        ExpectMessageBox("VERKO", IDOK, &error);
        SendCommand(c.command);
        VerifyModalsSeen();
        EXPECT_EQ(error, c.error);
        EXPECT_EQ(EditorBytes(), c.text);
        EXPECT_FALSE(UndoAvailable() || EditorModified());
    }
}

TEST_F(TransformCommands, WithoutTheHistoryTheEditorsOwnUndoTakesBackAWholeTextCommand)
{
    Editor.SingleLevelUndo = Editor.SingleLevelUsed = true;   // as the Options dialog leaves it
    for (WORD command : {CMD_TO_KOI8, CMD_TRANSLIT, CMD_LINE_BREAK}) {
        SetDocument("\xC6\xB8\r");
        SendCommand(command);
        EXPECT_NE(EditorBytes(), "\xC6\xB8\r");
        Undo();
        EXPECT_EQ(EditorBytes(), "\xC6\xB8\r") << command;
    }
}

TEST_F(TransformCommands, TheCodingDialogOffersTheStoredPairOrTheDefaultsAndStoresOnlyWhatConverts)
{
    const std::string ansi = "\xD9\xF3\xEA\xE0 \xAB\xB8\xBB";
    SetDocument(ansi);
    EXPECT_EQ(RunDialog(-1, -1), Pair(0, 2));   // Escape
    EXPECT_FALSE(ReadRegistryNumber("CP1") || ReadRegistryNumber("CP2") || EditorModified());

    Store("CP1", 6);   // names no entry: the defaults are offered and used
    Store("CP2", 0xFFFFFFFF);
    Select(3, 3);
    const auto look = [](HWND dialog) {
        EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_CODING_TO, LB_GETCOUNT, 0, 0), 6);
        SaveBitmap(BesideTheProgram("coding_dialog.bmp"), GrabWindow(dialog));   // to look at
    };
    EXPECT_EQ(RunDialog(0, 2, look), Pair(0, 2));
    EXPECT_EQ(EditorBytes(), Recoded(ansi, CodingAnsi, CodingKoi8));
    EXPECT_TRUE(Editor.ViewCoding == CodingAnsi && Selection().cpMin == 3);   // the view and the caret stay
    EXPECT_TRUE(ReadRegistryNumber("CP1") == 0u && ReadRegistryNumber("CP2") == 2u);

    SetDocument("\xB0\xD1\xEF\xA1\xF1");   // ISO А б я Ё ё
    Select(1, 4);
    RunDialog(CodingIso, CodingMac);
    EXPECT_EQ(EditorBytes(), "\xB0\xE1\xDF\xDD\xF1");
    EXPECT_EQ(Selected(), Pair(1, 4));
    EXPECT_EQ(RunDialog(-1, -1), Pair(CodingIso, CodingMac));
}

TEST_F(TransformCommands, TheCodingDialogConvertsUtf8AsIconvDoesBothWaysAndLosesNoByte)
{
    const std::string utf8 = ReadFileBytes(DataFile("fortunes_utf8.txt"));
    const std::pair<Coding, const char*> cases[] = {
        {CodingAnsi, "fortunes_cp1251.txt"}, {CodingOem, "fortunes_cp866.txt"}, {CodingKoi8, "fortunes_koi8r.txt"}};
    for (const auto& [coding, iconvMade] : cases) {
        const Coding guessed = coding == CodingOem ? CodingKoi8 : CodingOem;   // a view the guess might have chosen
        View(guessed);
        SetDocument("\xEF\xBB\xBF" + utf8);
        Select(7, 7);
        RunDialog(CodingUtf8, coding);
        EXPECT_EQ(EditorBytes(), ReadFileBytes(DataFile(iconvMade)));
        EXPECT_EQ(Editor.ViewCoding, coding);   // the whole text is shown in its coding now
        EXPECT_EQ(Selected(), Pair(7, 7));      // and the caret stays
        RunDialog(coding, CodingUtf8);
        EXPECT_EQ(EditorBytes(), utf8);
        EXPECT_EQ(Editor.ViewCoding, coding);
        Undo(2);   // the UTF-8 bytes come back in the view they were shown in
        EXPECT_EQ(EditorBytes(), "\xEF\xBB\xBF" + utf8);
        EXPECT_EQ(Editor.ViewCoding, guessed);
    }
    EXPECT_EQ(RunDialog(-1, -1), Pair(CodingKoi8, CodingUtf8));   // a stored UTF-8 is offered again
    // A letter, a broken sequence, an overlong form, a surrogate and a cut-off end.
    const std::string broken = "[\xD0\xB0\xD0 \xC0\xAF \xED\xA0\x80 \xE2\x82]";
    SetDocument(broken);
    Select(1, 14);
    RunDialog(CodingUtf8, CodingAnsi);
    EXPECT_EQ(EditorBytes(), "[\xE0\xD0 \xC0\xAF \xED\xA0\x80 \xE2\x82]");
    EXPECT_TRUE(Selection().cpMax == 13 && Editor.ViewCoding == CodingOem);   // a selection keeps the view
    Undo();
    EXPECT_EQ(EditorBytes(), broken);
}

}   // namespace

TEST_F(TransformCommands, RepairCodingUndoesTheWrongReadingInOneStepAndAsksBeforeLosingCharacters)
{
    const std::u16string russian = u"Привет! Это письмо пришло в странном виде, но теперь всё снова читается.";
    const std::string utf8 = InCoding(CodingUtf8, russian), ansi = InCoding(CodingAnsi, russian);
    const std::string koi8 = InCoding(CodingKoi8, russian), oem = InCoding(CodingOem, russian);
    const struct {
        Coding view;
        std::string garbled;
        Coding viewAfter;
        std::string repaired;
        std::string status;
        bool selected = false;   // from the third byte to the end, else the caret there
    } cases[] = {
        {CodingAnsi, InCoding(CodingAnsi, ReadAs(CodingAnsi, utf8)), CodingUtf8, utf8, "Repaired: UTF-8 read as 1251"},
        {CodingUtf8, InCoding(CodingUtf8, ReadAs(CodingWestern, utf8)), CodingUtf8, utf8, "Repaired: UTF-8 read as 1252"},
        {CodingUtf8, InCoding(CodingUtf8, ReadAs(CodingWestern, ansi)), CodingAnsi, ansi, "Repaired: 1251 read as 1252"},
        {CodingAnsi, koi8, CodingKoi8, koi8, "Repaired: KOI8-R read as 1251"},
        {CodingAnsi, oem, CodingOem, oem, "Repaired: 866 read as 1251"},
        {CodingAnsi, "> " + koi8, CodingAnsi, "> " + ansi, "Repaired: KOI8-R read as 1251", true},   // the view stays
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.status);
        ViewCodingCommand(c.view);
        SetDocument(c.garbled);
        Select(2, c.selected ? LONG(c.garbled.size()) : 2);
        PressKey('R', Ctrl);
        EXPECT_EQ(EditorBytes(), c.repaired);
        EXPECT_EQ(SendMessageA(Editor.Window, TCM_GETVIEWCODING, 0, 0), c.viewAfter);
        char pane[64] = "";
        SendMessageA(App.StatusBarWindow, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(pane));
        EXPECT_EQ(pane, c.status);
        Undo();
        EXPECT_EQ(EditorBytes(), c.garbled);
        EXPECT_EQ(SendMessageA(Editor.Window, TCM_GETVIEWCODING, 0, 0), c.view);
        EXPECT_FALSE(UndoAvailable());
    }

    // Clean text, selected or whole: a box says so and nothing changes.
    ViewCodingCommand(CodingAnsi);
    for (LONG end : {0, 20}) {
        SetDocument(ansi);
        Select(0, end);
        std::string text;
        ExpectMessageBox("VERKO", IDOK, &text);
        SendCommand(CMD_REPAIR_CODING);
        VerifyModalsSeen();
        EXPECT_EQ(text, "Nothing to repair: the text already reads as Russian.");
        EXPECT_EQ(EditorBytes(), ansi);
        EXPECT_FALSE(UndoAvailable() || EditorModified());
    }

    // UTF-8 read as 1251 and saved as UTF-8, then two smiles typed in, which
    // 1251 lacks: the repair asks first, and only Yes applies it.
    ViewCodingCommand(CodingUtf8);
    const std::string lossy = InCoding(CodingUtf8, ReadAs(CodingAnsi, utf8) + u" ☺ ☺");
    for (int answer : {IDNO, IDYES}) {
        SetDocument(lossy);
        std::string question;
        ExpectMessageBox("VERKO", answer, &question);
        SendCommand(CMD_REPAIR_CODING);
        VerifyModalsSeen();
        EXPECT_NE(question.find(" 2 characters"), std::string::npos) << question;
        EXPECT_EQ(EditorBytes(), answer == IDYES ? utf8 + " ? ?" : lossy);
        EXPECT_EQ(UndoAvailable(), answer == IDYES);
    }
}
