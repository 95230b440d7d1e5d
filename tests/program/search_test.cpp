// Find, Replace and Search Again, driven through their dialogs as a user would.
#include <algorithm>
#include <functional>
#include <initializer_list>

#include "coding/unicode_tables.h"
#include "editor/editor_calls.h"
#include "search/find_step.h"
#include "search/replace_rest.h"
#include "search/search_state.h"
#include "tests/program/editor_test_support.h"
#include "tests/program/pictures.h"

namespace {

constexpr int EscapeKey = 0;   // an answer to the prompt: Esc instead of a button

std::string Encode(const std::u16string& text, Coding coding)
{
    std::string bytes;
    for (char16_t ch : text) bytes += static_cast<char>(UnicodeToByte(coding, ch));
    return bytes;
}

int HighlightedPixels(HWND window)
{
    UpdateWindow(window);
    HDC dc = GetDC(window);
    Capture capture = Grab(dc, 300, 40);
    ReleaseDC(window, dc);
    return static_cast<int>(std::count(capture.pixels.begin(), capture.pixels.end(), GetSysColor(COLOR_HIGHLIGHT)));
}

void SavePicture(HWND window, const char* name)
{
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT frame;
    GetWindowRect(window, &frame);
    HDC dc = GetWindowDC(window);
    SaveBitmap(BesideTheProgram(name), Grab(dc, frame.right - frame.left, frame.bottom - frame.top));
    ReleaseDC(window, dc);
}

// The search field's list, top to bottom.
std::vector<std::u16string> ComboTexts(HWND dialog)
{
    HWND combo = GetDlgItem(dialog, IDC_FIND_TEXT);
    std::vector<std::u16string> texts;
    for (int i = 0; i < SendMessageW(combo, CB_GETCOUNT, 0, 0); ++i) {
        wchar_t text[64] = L"";
        SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        texts.emplace_back(text, text + wcslen(text));
    }
    return texts;
}

// What the user does in the dialog: the options named are ticked, the others cleared.
struct Entry {
    std::string text;
    std::vector<int> options = {};
    int button = IDOK;
    std::string replacement = {};
    bool hex = false;
};

class Search : public EditorTest {
protected:
    void SetUp() override
    {
        SearchState = {};
        SearchOptions = {false, false, false, false, true};
        EditorTest::SetUp();
    }

    // The command's dialog is handed to `act`, then the prompts are answered in turn.
    void Open(WORD command, std::function<void(HWND)> act, std::initializer_list<int> answers = {})
    {
        ExpectModal(command == CMD_FIND || command == CMD_SEARCH_AGAIN ? "Find..." : "Replace...", act);
        for (int answer : answers) {
            ExpectModal("Replace?", [this, answer](HWND prompt) {
                highlights_.push_back(HighlightedPixels(Editor.Window));
                SavePicture(prompt, "search_replace_prompt.bmp");
                answer == EscapeKey ? (void)PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1)
                                    : PressButton(prompt, answer);
            });
        }
        command == CMD_SEARCH_AGAIN ? PressKey(VK_F3) : SendCommand(command);
        VerifyModalsSeen();
    }

    void Run(WORD command, const Entry& entry, std::initializer_list<int> answers = {})
    {
        auto fill = [command, entry](HWND dialog) {
            for (int id :
                 {IDC_FIND_WHOLE_WORD, IDC_FIND_MATCH_CASE, IDC_FIND_ENTIRE_SCOPE, IDC_FIND_BACKWARD, IDC_FIND_PROMPT})
                CheckDlgButton(dialog, id, std::count(entry.options.begin(), entry.options.end(), id) ? 1 : 0);
            if (entry.hex) SendMessageA(GetDlgItem(dialog, IDC_FIND_HEX), BM_CLICK, 0, 0);
            SetControlText(dialog, entry.hex ? IDC_FIND_HEX_TEXT : IDC_FIND_TEXT, entry.text.c_str());
            SetControlText(dialog, entry.hex ? IDC_FIND_HEX_REPLACEMENT : IDC_FIND_REPLACEMENT,
                           entry.replacement.c_str());
            if (command == CMD_REPLACE) SavePicture(dialog, "search_replace_dialog.bmp");
            PressButton(dialog, entry.button);
        };
        Open(command, fill, answers);
    }

    static void Cancel(HWND dialog) { PressButton(dialog, IDCANCEL); }
    std::vector<int> highlights_;   // highlighted pixels of the editor while each prompt was open
};

TEST_F(Search, HexadecimalTextsAreSearchedAndReplacedAsTheirBytesAndStayOutOfTheHistory)
{
    SetDocument(std::string("..AB\x04\x02.A\x04\x02.", 11));
    Run(CMD_FIND, {"41 42", {}, IDOK, "", true});
    EXPECT_EQ(Selection().cpMin, 7);
    View(CodingKoi8);   // the bytes go in as they are, in any view, up to a zero byte
    SetDocument("AB.AB");
    Select(0, 0);
    Run(CMD_REPLACE, {"4142", {}, IDC_FIND_ALL, "C1c2zz41", true});
    EXPECT_EQ(EditorBytes(), "\xC1\xC2.\xC1\xC2");
    EXPECT_FALSE(ReadRegistryText("0"));
    Run(CMD_FIND, {"zz", {}, IDOK, "", true});   // no bytes: Search Again asks for a text
    Open(CMD_SEARCH_AGAIN, Cancel);
}

TEST_F(Search, RussianTypedInTheDialogIsFoundInOemAndKoi8Documents)
{
    for (Coding view : {CodingOem, CodingKoi8}) {
        SetDocument(Encode(u"Ищу щуку, ЩУКУ.", view));
        View(view);
        Select(0, 0);
        Open(CMD_FIND, [this](HWND dialog) {
            TypeText(u"щуку");
            SavePicture(dialog, "search_find_dialog.bmp");
            PressButton(dialog, IDOK);
        });
        EXPECT_EQ(Selection().cpMin, 4) << view;
        PressKey(VK_F3);
        EXPECT_EQ(Selection().cpMin, 10) << view;   // capitals fold in the view's coding
        EXPECT_EQ(ReadRegistryText("0"), Encode(u"щуку", CodingAnsi));
        std::vector<std::u16string> list;   // the word at the caret on top, readable
        Open(CMD_FIND, [&list](HWND dialog) { list = ComboTexts(dialog), Cancel(dialog); });
        EXPECT_EQ(list[0], u"ЩУКУ") << view;
    }
}

// In the UTF-8 view the typed text is searched as its UTF-8 bytes, all 32
// characters of it, whether Windows-1251 has them or not: Cyrillic and Latin letters in either case, whole words
// among Cyrillic letters; the replacement goes in as UTF-8.
TEST_F(Search, Utf8ViewFindsEitherCaseAndWholeWordsAndReplacesWithUtf8)
{
    const std::wstring letters = L"абвгдеёжзийклмнопрстуфхцчшщъыьэю";   // 32
    const struct {
        std::wstring text;
        std::wstring search, replacement;
        std::vector<int> options;
        std::vector<LONG> found;   // the first step, then Search Again
        std::wstring result;       // after Replace All from the start
    } cases[] = {
        {L"Ёжик ёж, ЁЖ Xy", L"ёж", L"Ёлка", {IDC_FIND_WHOLE_WORD}, {9, 15}, L"Ёжик Ёлка, Ёлка Xy"},
        {L"Ёжик ёж, ЁЖ Xy", L"ЁЖ", L"уж", {}, {0, 9, 15}, L"ужик уж, уж Xy"},
        {L"Ёжик ёж, ЁЖ xY", L"ёЖ, ёж xy", L"", {}, {9}, L"Ёжик "},
        {L"Ёжик ёж, ЁЖ", L"ЁЖ", L"-", {IDC_FIND_MATCH_CASE}, {15}, L"Ёжик ёж, -"},
        {L"АБВГДЕЁЖЗИЙКЛМНОП ABC" + letters, letters, L"!", {}, {38}, L"АБВГДЕЁЖЗИЙКЛМНОП ABC!"},
        // characters Windows-1251 lacks are typed and found as they are
        {L"Café \U0001F600 Ёж", L"é \U0001F600", L"ü\U0001F44D", {}, {3}, L"Cafü\U0001F44D Ёж"},
    };
    for (const auto& c : cases) {
        SetDocument(Utf8(c.text));
        View(CodingUtf8);
        Select(0, 0);
        Run(CMD_FIND, {Utf8(c.search), c.options});
        for (size_t i = 0; i < c.found.size(); ++i) {
            if (i) PressKey(VK_F3);
            EXPECT_EQ(Selection().cpMin, c.found[i]) << Utf8(c.text) << " step " << i;
        }
        Select(0, 0);
        Run(CMD_REPLACE, {Utf8(c.search), c.options, IDC_FIND_ALL, Utf8(c.replacement)});
        EXPECT_EQ(EditorBytes(), Utf8(c.result)) << Utf8(c.text);
    }
}

TEST_F(Search, TheListOffersThePickedWordTheHistoryAndTheManagersTexts)
{
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    const std::string ini = std::string(windows) + "\\Wincmd.INI";
    std::string entries = "[SearchText]\r\n";
    for (int i = 0; i < 10; ++i) {
        WriteRegistryValue(std::to_string(i).c_str(), REG_SZ, ("h" + std::to_string(i)).c_str(), 3);
        entries += std::to_string(i) + "=" + (i == 0 ? Encode(u"щука", CodingAnsi) : "m" + std::to_string(i)) + "\r\n";
    }
    WriteFileBytes(ini, entries);
    SetDocument("word");
    std::vector<std::u16string> items;
    Open(CMD_FIND, [&items](HWND dialog) {
        items = ComboTexts(dialog);
        SetControlText(dialog, IDC_FIND_TEXT, "h3");
        PressButton(dialog, IDOK);
    });
    DeleteFileA(ini.c_str());
    ASSERT_EQ(items.size(), 21u);
    const std::pair<size_t, std::u16string> expected[] = {
        {0, u"word"}, {1, u"h0"}, {10, u"h9"}, {11, u"щука"}, {20, u"m9"}};
    for (const auto& item : expected) EXPECT_EQ(items[item.first], item.second);
    const char* const history[] = {"h3", "h0", "h1", "h2", "h4"};   // moved to the head, no second copy
    for (int i = 0; i < 5; ++i) EXPECT_EQ(ReadRegistryText(std::to_string(i).c_str()), history[i]);
    Run(CMD_FIND, {"new"});   // the oldest falls off
    EXPECT_EQ(ReadRegistryText("9"), "h8");
}

TEST_F(Search, StepsGoForwardWithTheCaretButNeverBackAndEntireScopeIgnoresIt)
{
    SetDocument("ab.ab.ab.ab");   // at 0, 3, 6 and 9
    const struct {
        LONG caret;    // where the caret is put first; -1: left alone
        bool dialog;   // the dialog with these options, else Search Again
        std::vector<int> options;
        LONG found;
    } steps[] = {
        {7, true, {IDC_FIND_BACKWARD}, 3},   // ends by the caret, never past it
        {-1, false, {}, 0},
        {0, true, {}, 0},
        {0, false, {}, 3},   // the caret moved back: the search goes on
        {7, false, {}, 9},   // the caret moved forward: the search follows it
        {7, true, {IDC_FIND_ENTIRE_SCOPE}, 0},
        {7, false, {}, 3},
        {0, true, {IDC_FIND_ENTIRE_SCOPE, IDC_FIND_BACKWARD}, 9},
        {0, false, {}, 6},
        {-1, false, {}, 3},
        {-1, false, {}, 0},
    };
    for (const auto& step : steps) {
        if (step.caret >= 0) Select(step.caret, step.caret);
        step.dialog ? Run(CMD_FIND, {"ab", step.options}) : PressKey(VK_F3);
        EXPECT_EQ(Selection().cpMin, step.found) << &step - steps;
    }
    Run(CMD_FIND, {"ab", {IDC_FIND_BACKWARD}});   // nothing before the start: Search Again asks again
    Open(CMD_SEARCH_AGAIN, Cancel);
}

TEST_F(Search, ReplaceAllGoesOverEachOccurrenceOnceAndOneUndoTakesTheRunBack)
{
    const struct {
        const char* text;
        LONG caret;
        const char* search;
        const char* replacement;
        std::vector<int> options;
        const char* result;
    } cases[] = {
        {"a.a.a", 0, "a", "aa", {}, "aa.aa.aa"},   // the inserted text is not searched again
        {"a.a.a", 3, "a", "b", {IDC_FIND_BACKWARD}, "b.b.a"},
        {"a.a.a", 3, "a", "", {IDC_FIND_BACKWARD, IDC_FIND_ENTIRE_SCOPE}, ".."},
        {"Ab ab abc", 0, "ab", "x", {IDC_FIND_MATCH_CASE, IDC_FIND_WHOLE_WORD}, "Ab x abc"},
    };
    for (const auto& c : cases) {
        SetDocument(c.text);
        Select(c.caret, c.caret);
        Run(CMD_REPLACE, {c.search, c.options, IDC_FIND_ALL, c.replacement});
        EXPECT_EQ(EditorBytes(), c.result) << c.text << " " << c.search;
        Undo();
        EXPECT_EQ(EditorBytes(), c.text);
    }
    SetDocument("a.c");
    Run(CMD_REPLACE, {"a", {}, IDC_FIND_ALL, "b"});
    Run(CMD_REPLACE, {"c", {}, IDC_FIND_ALL, "d"});   // nothing between: one snapshot serves both
    EXPECT_EQ(EditorBytes(), "b.d");
    Undo();
    EXPECT_EQ(EditorBytes(), "a.c");

    // The first replacement past the text limit stops the run and says so.
    Editor.TextLimit = 10;
    SetEditorTextLimit(Editor.TextLimit);
    SetDocument("a.a.a.a");
    std::string notice;
    Open(CMD_REPLACE, [this, &notice](HWND dialog) {
        SetControlText(dialog, IDC_FIND_TEXT, "a");
        SetControlText(dialog, IDC_FIND_REPLACEMENT, "bb");
        ExpectMessageBox("VERKO", IDOK, &notice);
        PressButton(dialog, IDC_FIND_ALL);
    });
    EXPECT_EQ(EditorBytes(), "bb.bb.bb.a");
    EXPECT_NE(notice.find("replacing stops"), std::string::npos) << notice;
    Undo();
    EXPECT_EQ(EditorBytes(), "a.a.a.a");
}

// The run in one pass leaves the text, the caret and the search position the
// steps leave, also where a replacement comes to border the next occurrence.
TEST_F(Search, WholeWordReplaceAllInOnePassLeavesWhatTheStepsLeave)
{
    const struct {
        Coding view;
        std::u16string text;
        LONG caret;
        std::u16string search, replacement;
        bool backward, matchCase;
        std::u16string result;
    } cases[] = {
        {CodingAnsi, u"ab ab_ab abc ab", 0, u"ab", u"x", false, false, u"x ab_ab abc x"},
        {CodingAnsi, u"abab ab", 2, u"ab", u"x", false, false, u"abab x"},   // a word goes on before the caret
        {CodingAnsi, u"ab abab", 5, u"ab", u"x", true, false, u"x abab"},    // and after it
        {CodingAnsi, u"--- -", 0, u"-", u"x", false, false, u"x-x x"},       // x now borders the next one
        {CodingAnsi, u"--- -", 5, u"-", u"x", true, false, u"x-x x"},
        {CodingAnsi, u"--- -", 0, u"-", u"", false, false, u" "},
        {CodingAnsi, u",a,a ,a", 0, u",a", u";", false, false, u";; ;"},   // ; no longer borders a word
        {CodingAnsi, u" a,a,", 5, u"a,", u";", true, false, u" ;;"},
        {CodingAnsi, u"ЩУКА щукаЁ «щука» щука.", 0, u"щука", u"x", false, false, u"x щукаЁ «щука» x."},
        {CodingOem, u"ЩУКА щука ░щука", 0, u"щука", u"x", false, true, u"ЩУКА x ░щука"},
        {CodingKoi8, u"Щука─щука щука", 14, u"щука", u"x", true, false, u"Щука─щука x"},
    };
    for (const auto& c : cases) {
        const std::string text = Encode(c.text, c.view);
        std::string left[2];   // by the steps, then at once
        CHARRANGE caret[2];
        LONG position[2];
        for (int pass = 0; pass < 2; ++pass) {
            SetDocument(text);
            View(c.view);
            Select(c.caret, c.caret);
            SearchState = {{}, {}, c.caret, true, true};
            std::strcpy(SearchState.SearchText, Encode(c.search, c.view).c_str());
            std::strcpy(SearchState.ReplacementText, Encode(c.replacement, c.view).c_str());
            SearchOptions = {true, c.matchCase, false, c.backward, false};
            if (pass == 0)
                while (FindStep()) {}
            else
                EXPECT_TRUE(ReplaceRestAtOnce()) << text;
            left[pass] = EditorBytes(), caret[pass] = Selection(), position[pass] = SearchState.SearchPosition;
        }
        EXPECT_EQ(left[0], Encode(c.result, c.view)) << text;
        EXPECT_EQ(left[1], left[0]) << text;
        EXPECT_EQ(caret[1].cpMin, caret[0].cpMin) << text;
        EXPECT_EQ(caret[1].cpMax, caret[0].cpMax) << text;
        EXPECT_EQ(position[1], position[0]) << text;
    }
}

TEST_F(Search, ThePromptReplacesSkipsStopsOrLetsTheRestGoUnasked)
{
    SetDocument("x x x x x");
    Select(0, 0);
    Run(CMD_REPLACE, {"x", {IDC_FIND_PROMPT}, IDC_FIND_ALL, "y"}, {IDC_PROMPT_YES, EscapeKey, IDC_PROMPT_ALL});
    EXPECT_EQ(EditorBytes(), "y x y y y");
    EXPECT_EQ(std::count(highlights_.begin(), highlights_.end(), 0), 0);   // each occurrence stayed highlighted
    UINT prompt = BST_CHECKED;
    Open(CMD_REPLACE, [&prompt](HWND dialog) { prompt = IsDlgButtonChecked(dialog, IDC_FIND_PROMPT), Cancel(dialog); });
    EXPECT_EQ(prompt, static_cast<UINT>(BST_UNCHECKED));
    SetDocument("x x x");
    Select(0, 0);
    Run(CMD_REPLACE, {"x", {IDC_FIND_PROMPT}, IDC_FIND_ALL, "y"}, {IDC_PROMPT_YES, IDC_PROMPT_CANCEL});
    EXPECT_EQ(EditorBytes(), "y x x");
}

TEST_F(Search, ZeroBytesLineBreaksAndStorageBlocksDoNotStopASearch)
{
    std::string text, expected;
    for (int i = 0; i < 20000; ++i) text += std::string("\0\r\nneedle\n", 10), expected += std::string("\0\r\nN\n", 5);
    SetDocument(text);
    Run(CMD_REPLACE, {"needle", {}, IDC_FIND_ALL, "N"});
    EXPECT_TRUE(EditorBytes() == expected);
}

}   // namespace
