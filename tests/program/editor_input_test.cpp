// Typing, keys, the context menu, dropped files and Word Wrap in the editor.
#include "tests/program/editor_test_support.h"
#include "document/document_state.h"

#include <shellapi.h>
#include <shlobj.h>

namespace {

using EditorInput = EditorTest;

TEST_F(EditorInput, TypedRussianBecomesTheBytesOfTheViewCoding)
{
    struct Case {
        Coding view;
        std::string bytes;
    };
    // "Правда, ёж" in Windows-1251, CP866 and KOI8-R.
    const Case cases[] = {
        {CodingAnsi, "\xCF\xF0\xE0\xE2\xE4\xE0, \xB8\xE6"},
        {CodingOem, "\x8F\xE0\xA0\xA2\xA4\xA0, \xF1\xA6"},
        {CodingKoi8, "\xF0\xD2\xC1\xD7\xC4\xC1, \xA3\xD6"},
    };
    for (const Case& c : cases) {
        SetDocument("");
        View(c.view);
        TypeText(u"Правда, ёж");
        EXPECT_EQ(EditorBytes(), c.bytes) << "view " << c.view;
    }
}

// In the UTF-8 view any character goes in as its UTF-8 bytes; one past 16 bits
// comes as two halves, from two key presses or both from one, and goes in as
// one sequence.
TEST_F(EditorInput, TypedCharactersGoInAsTheirUtf8BytesInTheUtf8View)
{
    SetDocument("");
    View(CodingUtf8);
    TypeText(u"Ёж ü€ß́ 😀");
    const LPARAM flags = 1 | 0x64 << 16;
    PostMessageW(Editor.Window, WM_KEYDOWN, VK_F13, flags);
    PostMessageW(Editor.Window, WM_CHAR, 0xD83D, flags);
    PostMessageW(Editor.Window, WM_CHAR, 0xDE80, flags);
    Pump();
    TypeText(u"\xDE80!");   // a second half alone is nothing
    EXPECT_EQ(EditorBytes(), "\xD0\x81\xD0\xB6 \xC3\xBC\xE2\x82\xAC\xC3\x9F\xCC\x81 \xF0\x9F\x98\x80\xF0\x9F\x9A\x80!");
}

TEST_F(EditorInput, OverwriteReplacesTheCharacterAtTheCaretButNotALineBreak)
{
    SetDocument("xyz\r\nq");
    View(CodingOem);
    PressKey(VK_INSERT);
    EXPECT_EQ(Editor.OverwriteMode, 1);
    Select(1, 1);
    TypeText(u"а");   // the letter whose OEM byte 0xA0 goes in directly
    EXPECT_EQ(EditorBytes(), "x\xA0z\r\nq");
    Select(3, 3);
    TypeText(u"а");
    EXPECT_EQ(EditorBytes(), "x\xA0z\xA0\r\nq");
    Select(0, 0);
    TypeText(u"б");
    EXPECT_EQ(EditorBytes(), "\xA1\xA0z\xA0\r\nq");

    Undo(3);
    EXPECT_EQ(EditorBytes(), "xyz\r\nq");
    PressKey(VK_INSERT, Ctrl);   // Ctrl+Insert copies and leaves the mode alone
    EXPECT_EQ(Editor.OverwriteMode, 1);
    PressKey(VK_INSERT);
    EXPECT_EQ(Editor.OverwriteMode, 0);
}

TEST_F(EditorInput, LineBreakAtTheEndOfASelectionSurvivesTypingAndDelete)
{
    SetDocument("ab\r\ncd\r\n");
    Select(0, 4);
    TypeText(u"x");
    EXPECT_EQ(EditorBytes(), "x\r\ncd\r\n");
    Undo();
    EXPECT_EQ(EditorBytes(), "ab\r\ncd\r\n");

    Select(1, 4);   // starts inside a line: the break stays
    PressKey(VK_DELETE);
    EXPECT_EQ(EditorBytes(), "a\r\ncd\r\n");
    Select(0, 3);   // a whole line goes with its break
    PressKey(VK_DELETE);
    EXPECT_EQ(EditorBytes(), "cd\r\n");
}

TEST_F(EditorInput, ShiftDeleteCutsBecauseAcceleratorsComeFirst)
{
    SetDocument("hello world");
    Select(0, 6);
    PressKey(VK_DELETE, Shift);
    EXPECT_EQ(EditorBytes(), "world");
    EXPECT_EQ(ClipboardBytes(CF_TEXT), "hello ");
}

HMENU shownMenu;
void CALLBACK CloseContextMenu(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND menuWindow = FindWindowA("#32768", nullptr);
    if (!menuWindow || !IsWindowVisible(menuWindow)) return;
    shownMenu = reinterpret_cast<HMENU>(SendMessageA(menuWindow, MN_GETHMENU, 0, 0));
    KillTimer(nullptr, timer);
    EndMenu();
}

TEST_F(EditorInput, RightClickOpensTheEditMenuAndLeavesTheCaret)
{
    SetDocument("abc\r\ndef");
    Select(1, 1);
    shownMenu = nullptr;
    UINT_PTR timer = SetTimer(nullptr, 0, 50, CloseContextMenu);
    SendMessageA(Editor.Window, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(60, 30));
    KillTimer(nullptr, timer);
    EXPECT_EQ(shownMenu, GetSubMenu(GetMenu(App.MainWindow), 1));
    CHARRANGE selection = Selection();
    EXPECT_EQ(selection.cpMin, 1);
    EXPECT_EQ(selection.cpMax, 1);
}

TEST_F(EditorInput, DroppedFilesOpenTheFirstOnceTheQuestionAllowsIt)
{
    std::vector<std::string> files = {MakeFile("first.txt", "first\r\n"), MakeFile("second.txt", "second"),
                                      MakeFile("third.txt", "third")};
    SetDocument("mine");
    TypeText(u"!");
    ExpectMessageBox("VERKO", IDCANCEL);
    SendMessageA(Editor.Window, WM_DROPFILES, reinterpret_cast<WPARAM>(DropOf(files)), 0);
    VerifyModalsSeen();
    EXPECT_EQ(EditorBytes(), "!mine");

    ExpectMessageBox("VERKO", IDNO);
    SendMessageA(Editor.Window, WM_DROPFILES, reinterpret_cast<WPARAM>(DropOf(files)), 0);
    VerifyModalsSeen();
    EXPECT_EQ(EditorBytes(), "first\r\n");
    EXPECT_EQ(Utf8(Document.FileName), files[0]);
}

TEST_F(EditorInput, WordWrapTwiceKeepsTextSelectionAndModifyFlag)
{
    SetDocument("one two three\r\nfour");
    Select(0, 0);
    TypeText(u"Щ");
    Select(3, 9);
    for (bool wrapping : {true, false}) {
        SendCommand(CMD_WORD_WRAP);
        EXPECT_EQ(MenuItemChecked(CMD_WORD_WRAP), wrapping);
        EXPECT_EQ(ReadRegistryNumber("WW"), wrapping ? 0u : NoWrapStyle);
        LONG_PTR style = GetWindowLongPtrA(Editor.Window, GWL_STYLE);
        EXPECT_EQ((style & ES_AUTOHSCROLL) == 0, wrapping);
        EXPECT_EQ(EditorBytes(), "\xD9one two three\r\nfour");
        CHARRANGE selection = Selection();
        EXPECT_EQ(selection.cpMin, 3);
        EXPECT_EQ(selection.cpMax, 9);
        EXPECT_TRUE(EditorModified());
        EXPECT_EQ(GetFocus(), Editor.Window);
    }
    Undo();   // the history outlives the control
    EXPECT_EQ(EditorBytes(), "one two three\r\nfour");
}

}   // namespace
