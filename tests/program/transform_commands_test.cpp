// The commands of the Coding and Align menus through their one frame: the
// range, the result, the selection and view afterwards, and one Undo back.
#include <string>
#include <vector>

#include "coding/coding_tables.h"
#include "editor/undo.h"
#include "tests/program/editor_test_support.h"

namespace {

using TransformCommands = EditorTest;

std::string Recoded(std::string bytes, Coding from, Coding to)
{
    ConvertCoding(reinterpret_cast<uint8_t*>(&bytes[0]), bytes.size(), from, to);
    return bytes;
}

void StoreNumber(const char* name, DWORD value)
{
    WriteRegistryValue(name, REG_DWORD, &value, sizeof value);
}

TEST_F(TransformCommands, EachCommandRewritesItsRangeAndOneUndoTakesItBack)
{
    std::string high;
    for (int b = 0x80; b <= 0xFF; ++b) high += static_cast<char>(b);
    const std::string text = "ab " + high + "\r\n";
    const std::string part = text.substr(0, 3) + Recoded(text.substr(3, 7), CodingAnsi, CodingKoi8) + text.substr(10);
    const struct {
        WORD command;
        Coding view;
        std::string text;
        CHARRANGE before;
        std::string result;
        CHARRANGE after;
        Coding viewAfter;
    } cases[] = {
        {CMD_TO_KOI8, CodingAnsi, text, {1, 1}, Recoded(text, CodingAnsi, CodingKoi8), {1, 1}, CodingKoi8},
        {CMD_TO_KOI8, CodingAnsi, text, {3, 10}, part, {3, 10}, CodingAnsi},
        {CMD_TO_FIDO, CodingAnsi, "\xCD\xF0\xE0", {0, 0}, "Hp\xA0", {0, 0}, CodingOem},
        {CMD_TO_ANSI, CodingAnsi, "\xE0\xAB\xBB\x97\x85", {0, 0}, "\xE0<>-:", {0, 0}, CodingAnsi},
        {CMD_TO_OEM, CodingOem, "\xA0\x80", {2, 2}, "\xA0\x80", {2, 2}, CodingOem},
        {CMD_TO_ANSI, CodingKoi8, "x\xC1\xC2", {0, 2}, "x\xE0\xC2", {0, 2}, CodingKoi8},
        {CMD_TRANSLIT, CodingAnsi, "x \xC6\xB8\xEB\xF2\xFB\xE9!", {2, 8}, "x ZHeltyy!", {2, 9}, CodingAnsi},
        {CMD_QP_DECODE, CodingAnsi, "=D8=E0=d8==41=\r\n=4", {0, 0}, "\xD8\xE0=d8=A=\r\n=4", {0, 12}, CodingAnsi},
        {CMD_LINE_BREAK, CodingAnsi, "a\rb\r\nc\r", {1, 1}, "a\r\nb\r\nc\r\n", {1, 9}, CodingAnsi},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        View(c.view);
        SetDocument(c.text);
        Select(c.before.cpMin, c.before.cpMax);
        SendCommand(c.command);
        EXPECT_EQ(EditorBytes(), c.result);
        EXPECT_EQ(Selection().cpMin, c.after.cpMin);
        EXPECT_EQ(Selection().cpMax, c.after.cpMax);
        EXPECT_EQ(SendMessageA(Editor.Window, TCM_GETVIEWCODING, 0, 0), c.viewAfter);
        EXPECT_TRUE(EditorModified());
        Undo();
        EXPECT_EQ(EditorBytes(), c.text);
        EXPECT_EQ(Editor.ViewCoding, c.view);
        EXPECT_FALSE(UndoAvailable());
    }
    SetDocument("");
    for (WORD command = CMD_TO_ANSI; command <= CMD_RIGHT; ++command) SendCommand(command);
    EXPECT_EQ(EditorBytes(), "");
    EXPECT_FALSE(UndoAvailable() || EditorModified());
}

TEST_F(TransformCommands, AlignmentReflowsWholeLinesWithTheStoredParameters)
{
    const std::string letters = "a b c d e f g h i j k l m n o p q r s t u v w x y z\r\n";
    const struct {
        WORD command;
        DWORD first, left, width;
        int ignoreBreaks;   // -1: not stored
        std::string text;
        CHARRANGE before;
        std::string result;
        LONG caret;
    } cases[] = {
        {CMD_JUSTIFY,
         0,
         0,
         20,
         -1,
         letters,
         {3, 3},
         "a  b c d e f g h i j\r\nk  l m n o p q r s t\r\nu v w x y z\r\n",
         3},
        {CMD_LEFT, 0, 0, 80, -1, "alpha  beta\ngamma\n\ndelta", {0, 0}, "alpha beta\r\ngamma\r\n\r\ndelta\r\n", 0},
        {CMD_LEFT, 0, 0, 80, 0, "alpha beta\rgamma\r\r\n", {0, 0}, "alpha beta\r\ngamma\r\n\r\n", 0},
        {CMD_LEFT, 5, 2, 30, 0, "aaa bbb\r\n\r\nccc\r\n", {0, 0}, "     aaa bbb\r\n  \r\n  ccc\r\n", 0},
        {CMD_LEFT, 0, 0, 80, 1, "one\r\n\r\ntwo\r\n", {0, 0}, "one two\r\n", 0},
        {CMD_RIGHT, 0, 0, 10, 0, "xx\r\nab cd\r\nef gh\r\n", {5, 12}, "xx\r\n     ab cd\r\n      ef gh\r\n\r\n", 4},
        {CMD_CENTER, 9, 2, 20, 0, "abc\r\n", {0, 5}, "         abc\r\n", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        DeleteSettingsKey();
        StoreNumber("FI", c.first);
        StoreNumber("LI", c.left);
        StoreNumber("RI", c.width);
        if (c.ignoreBreaks >= 0) StoreNumber("IG", c.ignoreBreaks);
        SetDocument(c.text);
        Select(c.before.cpMin, c.before.cpMax);
        if (c.command == CMD_JUSTIFY)
            PressKey('J', Ctrl);
        else
            SendCommand(c.command);
        EXPECT_EQ(EditorBytes(), c.result);
        EXPECT_EQ(Selection().cpMin, c.caret);
        EXPECT_EQ(Selection().cpMax, c.caret);
        Undo();
        EXPECT_EQ(EditorBytes(), c.text);
    }
}

TEST_F(TransformCommands, AResultTooLongForTheEditorChangesNothingAndSaysSo)
{
    Editor.TextLimit = 12;
    StoreNumber("FI", 40);
    StoreNumber("RI", 60);
    for (WORD command : {CMD_TRANSLIT, CMD_LEFT}) {
        SetDocument("\xC6\xC6\xC6\xC6\xC6\xC6\xC6\xC6");
        std::string error;
        ExpectMessageBox("VERKO", IDOK, &error);
        SendCommand(command);
        VerifyModalsSeen();
        EXPECT_EQ(error, SystemText(ERROR_NOT_ENOUGH_MEMORY));
        EXPECT_EQ(EditorBytes(), "\xC6\xC6\xC6\xC6\xC6\xC6\xC6\xC6");
        EXPECT_FALSE(UndoAvailable() || EditorModified());
    }
}

// Each line as its words: what is left when blanks do not count.
std::vector<std::vector<std::string>> WordsByLine(const std::string& text)
{
    std::vector<std::vector<std::string>> lines(1);
    std::string word;
    for (size_t i = 0; i <= text.size(); ++i) {
        const char c = i < text.size() ? text[i] : '\n';
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') {
            word += c;
            continue;
        }
        if (!word.empty()) lines.back().push_back(word);
        word.clear();
        if (c == '\n' || (c == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) lines.emplace_back();
    }
    return lines;
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

class TransformWithSingleLevelUndo : public EditorTest {
protected:
    void PrepareStart() override { StoreNumber("NO", 1); }
};

TEST_F(TransformWithSingleLevelUndo, TheEditorsOwnUndoTakesBackAWholeTextCommand)
{
    for (WORD command : {CMD_TO_KOI8, CMD_TRANSLIT, CMD_LINE_BREAK}) {
        SetDocument("\xC6\xB8\r");
        SendCommand(command);
        EXPECT_NE(EditorBytes(), "\xC6\xB8\r");
        Undo();
        EXPECT_EQ(EditorBytes(), "\xC6\xB8\r") << command;
    }
}

}   // namespace
