// Every kind of undo record, made through keys and commands and taken back step by step.
#include "editor/editor_calls.h"
#include "editor/undo.h"
#include "tests/program/editor_test_support.h"

namespace {

using UndoKinds = EditorTest;

TEST_F(UndoKinds, TypingAndLineBreaksGoBackOneAtATimeUntilNothingIsLeftToSave)
{
    SetDocument("");
    TypeText(u"abc");
    PressKey(VK_RETURN);
    PressKey(VK_RETURN);
    TypeText(u"d");
    Select(1, 1);
    TypeText(u"X");   // elsewhere: a run of its own
    ASSERT_EQ(EditorBytes(), "aXbc\r\n\r\nd");

    const char* const steps[] = {"abc\r\n\r\nd", "abc\r\n\r\n", "abc\r\n", "abc", "ab", "a", ""};
    for (const char* expected : steps) {
        EXPECT_TRUE(DocumentDirty());
        Undo();
        EXPECT_EQ(EditorBytes(), expected);
    }
    EXPECT_FALSE(DocumentDirty());
    EXPECT_TRUE(EditorModified());
    SendCommand(CMD_NEW);   // asks nothing: an unexpected question fails the test
    ExpectFileDialog("Open", MakeFile("other.txt", "other"));
    SendCommand(CMD_OPEN);
    VerifyModalsSeen();
    EXPECT_EQ(EditorBytes(), "other");
}

TEST_F(UndoKinds, BackspaceAndDeletePutBackWhatTheyRemoved)
{
    SetDocument("ab\r\ncd");
    Select(4, 4);
    PressKey(VK_BACK);   // over the line break
    EXPECT_EQ(EditorBytes(), "abcd");
    Undo();
    EXPECT_EQ(EditorBytes(), "ab\r\ncd");
    EXPECT_EQ(Selection().cpMin, 4);

    Select(1, 1);
    PressKey(VK_BACK);   // the first character of the text
    Undo();
    EXPECT_EQ(EditorBytes(), "ab\r\ncd");

    Select(2, 2);
    PressKey(VK_DELETE);
    EXPECT_EQ(EditorBytes(), "abcd");
    PressKey(VK_DELETE);
    EXPECT_EQ(EditorBytes(), "abd");
    Undo();
    EXPECT_EQ(EditorBytes(), "abcd");
    Undo();
    EXPECT_EQ(EditorBytes(), "ab\r\ncd");
    EXPECT_EQ(Selection().cpMax, 2);   // the caret stays before the restored text

    Select(0, 3);
    PressKey(VK_BACK);
    EXPECT_EQ(EditorBytes(), "\ncd");
    Undo();
    EXPECT_EQ(EditorBytes(), "ab\r\ncd");

    Select(6, 6);
    PressKey(VK_DELETE);   // at the end: nothing to record
    EXPECT_FALSE(UndoAvailable());
}

TEST_F(UndoKinds, CtrlBackspaceAndCtrlDeleteRemoveAWordThatOneUndoRestores)
{
    SetDocument("one two three");
    Select(7, 7);
    PressKey(VK_BACK, Ctrl);
    EXPECT_EQ(EditorBytes(), "one  three");
    Undo();
    EXPECT_EQ(EditorBytes(), "one two three");

    Select(4, 4);
    PressKey(VK_DELETE, Ctrl);
    EXPECT_EQ(EditorBytes(), "one three");
    Undo();
    EXPECT_EQ(EditorBytes(), "one two three");
    EXPECT_FALSE(UndoAvailable());
}

TEST_F(UndoKinds, PasteCutDeleteAndDateTimeAreUndoneInTurn)
{
    PutOnClipboard(CF_TEXT, "XY", 2);
    SetDocument("abcd");
    Select(1, 3);
    PressKey('V', Ctrl);
    EXPECT_EQ(EditorBytes(), "aXYd");
    Select(0, 1);
    SendCommand(CMD_DELETE);
    Select(1, 1);
    SendCommand(CMD_CUT);   // an empty selection still makes a step, which restores nothing
    EXPECT_EQ(EditorBytes(), "XYd");
    Select(3, 3);
    SendCommand(CMD_DATE_TIME);

    SYSTEMTIME now;
    GetLocalTime(&now);
    char date[64];
    GetDateFormatA(LOCALE_USER_DEFAULT, 0, &now, nullptr, date, sizeof date);
    std::string text = EditorBytes();
    EXPECT_EQ(text.substr(0, 3 + std::strlen(date) + 1), std::string("XYd") + date + " ");
    EXPECT_GT(text.size(), 3 + std::strlen(date) + 1);

    Undo();
    EXPECT_EQ(EditorBytes(), std::string("XYd") + date + " ");
    const char* const steps[] = {"XYd", "XYd", "aXYd", "abcd"};
    for (const char* expected : steps) {
        Undo();
        EXPECT_EQ(EditorBytes(), expected);
    }
    EXPECT_FALSE(UndoAvailable());
}

// A full document refuses, whole, what would lengthen it, and the refusal
// leaves no record whose undo would take other bytes away; what fits in
// place of the selection is made and undone as ever.
TEST_F(UndoKinds, ChangesPastTheTextLimitAreRefusedWholeAndLeaveNothingToUndo)
{
    const std::string full = "0123456789";
    std::string inserted = MakeFile("one.txt", "i");
    Editor.TextLimit = static_cast<uint32_t>(full.size());
    SetEditorTextLimit(Editor.TextLimit);
    PutOnClipboard(CF_TEXT, "ab", 2);
    auto type = [this] { TypeText(u"x"); };
    auto overwrite = [this] {
        PressKey(VK_INSERT);
        TypeText(u"x");
        PressKey(VK_INSERT);
    };
    auto paste = [this] { SendCommand(CMD_PASTE); };
    auto insert = [this, &inserted] {
        ExpectFileDialog("Open", inserted);
        SendCommand(CMD_INSERT_FILE);
        VerifyModalsSeen();
    };
    struct Case {
        LONG start, end;
        std::function<void()> act;
        std::string after;   // the document before it: refused
    };
    const Case cases[] = {{5, 5, type, full},          {5, 5, [this] { PressKey(VK_RETURN); }, full},
                          {10, 10, overwrite, full},   {5, 6, [this] { SendCommand(CMD_DATE_TIME); }, full},
                          {5, 6, paste, full},         {5, 5, insert, full},
                          {5, 6, type, "01234x6789"},  {5, 5, overwrite, "01234x6789"},
                          {2, 4, paste, "01ab456789"}, {5, 6, insert, "01234i6789"}};
    for (const Case& c : cases) {
        SetDocument(full);
        FreeUndoHistory();
        Select(c.start, c.end);
        c.act();
        EXPECT_EQ(EditorBytes(), c.after) << c.start;
        EXPECT_EQ(UndoAvailable(), c.after != full) << c.after;
        Undo();
        EXPECT_EQ(EditorBytes(), full) << c.after;
    }
}

TEST_F(UndoKinds, WholeTextChangesInARowAreUndoneAtOnceWithTheirViewCoding)
{
    std::string inserted = MakeFile("inserted.txt", "\xE1\xE2");
    SetDocument("base");
    View(CodingKoi8);
    Select(2, 2);
    TypeText(u"-");
    for (Coding view : {CodingKoi8, CodingAnsi}) {
        View(view);
        ExpectFileDialog("Open", inserted);
        SendCommand(CMD_INSERT_FILE);
        VerifyModalsSeen();
    }
    EXPECT_EQ(EditorBytes().size(), 9u);
    Undo();
    EXPECT_EQ(EditorBytes(), "ba-se");
    EXPECT_EQ(SendMessageA(Editor.Window, TCM_GETVIEWCODING, 0, 0), CodingKoi8);
    EXPECT_TRUE(MenuItemChecked(CMD_VIEW_KOI8));
    Undo();
    EXPECT_EQ(EditorBytes(), "base");
}

class SingleLevelUndo : public EditorTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        DWORD on = 1;
        WriteRegistryValue("NO", REG_DWORD, &on, sizeof on);
        ASSERT_TRUE(Start());
        Pump();
        ASSERT_TRUE(Editor.Window);
    }
};

TEST_F(SingleLevelUndo, UndoIsTheControlsOwnAndNothingIsRecorded)
{
    SetDocument("");
    TypeText(u"ab");
    PressKey(VK_DELETE);
    EXPECT_EQ(Editor.UndoHead, nullptr);
    EXPECT_TRUE(UndoAvailable());   // the control's own
    Undo();
    EXPECT_NE(EditorBytes(), "ab");
    EXPECT_TRUE(DocumentDirty() == EditorModified());   // with single-level undo the flag alone decides
}

}   // namespace

namespace {

// Binary files hold zero bytes: every kind of undo must put them back too.
TEST_F(UndoKinds, ZeroBytesComeBackLikeAnyOther)
{
    const std::string original("a\0b\0\0c", 6);
    SetDocument(original);
    Select(1, 5);
    SendCommand(CMD_DELETE);
    EXPECT_EQ(EditorBytes(), "ac");
    Undo();
    EXPECT_EQ(EditorBytes(), original);

    Select(1, 1);
    PressKey(VK_DELETE);
    Undo();
    EXPECT_EQ(EditorBytes(), original);

    Select(4, 4);
    PressKey(VK_BACK);
    Undo();
    EXPECT_EQ(EditorBytes(), original);

    Select(3, 3);
    PressKey(VK_INSERT);   // overwrite mode
    TypeText(u"x");
    EXPECT_EQ(EditorBytes(), std::string("a\0bx\0c", 6));
    Undo();
    EXPECT_EQ(EditorBytes(), original);
    PressKey(VK_INSERT);
}

// In the UTF-8 view every key takes or types whole characters, and each Undo
// puts back exactly the bytes that went, an invalid byte as a character of its own.
TEST_F(UndoKinds, Utf8ViewEditsComeBackByteForByte)
{
    const std::string bom = "\xEF\xBB\xBF", zh = "\xD0\x96", yo = "\xD0\x81", euro = "\xE2\x82\xAC",
                      smile = "\xF0\x9F\x98\x80";
    auto key = [this](UINT k, unsigned modifiers = NoModifiers) {
        return [this, k, modifiers] { PressKey(k, modifiers); };
    };
    auto overwrite = [this](std::u16string text) {
        return [this, text] {
            PressKey(VK_INSERT);
            TypeText(text);
            PressKey(VK_INSERT);
        };
    };
    struct Case {
        std::string before;
        LONG caret;
        std::function<void()> act;
        std::vector<std::string> steps;   // after the keys, then after each Undo
    };
    const Case cases[] = {
        {"a" + zh + "b", 1, key(VK_DELETE), {"ab", "a" + zh + "b"}},
        {"a\xFF\x96" + smile, 1, key(VK_DELETE), {"a\x96" + smile, "a\xFF\x96" + smile}},
        {"a" + smile + "b", 1, key(VK_DELETE), {"ab", "a" + smile + "b"}},
        {"x" + euro + "y", 4, key(VK_BACK), {"xy", "x" + euro + "y"}},
        {zh + "\xD0\r\n", 3, key(VK_BACK), {zh + "\r\n", zh + "\xD0\r\n"}},
        {zh + "\r\n" + zh, 4, key(VK_BACK), {zh + zh, zh + "\r\n" + zh}},
        {"a" + zh + "\r\n", 1, overwrite(u"Ё😀"), {"a" + yo + smile + "\r\n", "a" + yo + "\r\n", "a" + zh + "\r\n"}},
        {"a" + zh + "b", 1, overwrite(u"x"), {"axb", "a" + zh + "b"}},
        {"", 0, [this] { TypeText(u"Ёa€😀"); }, {yo + "a" + euro + smile, yo + "a" + euro, yo + "a", yo, ""}},
        {bom + "\xD0\x9F\xD1\x80", 7, key(VK_BACK, Ctrl), {bom, bom + "\xD0\x9F\xD1\x80"}},
        {zh + " " + zh, 0, key(VK_DELETE, Ctrl), {zh, zh + " " + zh}},
    };
    for (const Case& c : cases) {
        SetDocument(c.before);
        FreeUndoHistory();
        View(CodingUtf8);
        Select(c.caret, c.caret);
        c.act();
        for (size_t i = 0; i < c.steps.size(); ++i) {
            if (i) Undo();
            EXPECT_EQ(EditorBytes(), c.steps[i]) << c.before.size() << " bytes, step " << i;
        }
        EXPECT_FALSE(UndoAvailable()) << c.before.size();
    }
}

}   // namespace
