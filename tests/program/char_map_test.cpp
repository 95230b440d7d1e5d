// The character map: every code in the editor's font and colours, picked
// codes inserted as one undo step each, Copy as the editor's Copy.
#include <algorithm>

#include "codingui/char_map_text.h"
#include "coding/unicode_tables.h"
#include "coding/utf16.h"
#include "pictures.h"
#include "settings/settings.h"
#include "tests/program/editor_test_support.h"

namespace {

// Where the bytes stand in the grid of the view.
LONG GridPosition(Coding view, const std::string& bytes)
{
    return static_cast<LONG>(MakeCharMapText(view).find(bytes));
}

// The grid's rows as drawn: each line of its text, a byte of the one-byte
// views through its coding's table, UTF-8 decoded, and DEL as its picture.
std::vector<TextRun> GridRows(Coding view)
{
    const std::string text = MakeCharMapText(view);
    std::vector<TextRun> rows;
    for (size_t start = 0; start < text.size();) {
        const size_t end = std::min(text.find("\r\n", start), text.size());
        std::u16string letters(end - start, u'\0');
        const auto* bytes = reinterpret_cast<const uint8_t*>(text.data() + start);
        if (view == CodingUtf8)
            letters.resize(Utf8ToUtf16(bytes, end - start, &letters[0]));
        else
            for (size_t i = 0; i < letters.size(); ++i) letters[i] = ByteToUnicode(view, bytes[i]);
        std::replace(letters.begin(), letters.end(), u'\x7F', u'\x2302');
        rows.push_back({static_cast<LONG>(start), std::wstring(letters.begin(), letters.end())});
        start = end + 2;
    }
    return rows;
}

RECT Box(HWND window)
{
    RECT box;
    GetWindowRect(window, &box);
    return box;
}

using CharMap = EditorTest;

}   // namespace

TEST_F(CharMap, GridShowsEveryCodeInTheEditorsFontAndColours)
{
    DWORD size = 240, text = RGB(0, 0, 160), background = RGB(255, 255, 200);
    WriteRegistryValue("Cl", REG_DWORD, &text, sizeof text);
    WriteRegistryValue("Bk", REG_DWORD, &background, sizeof background);
    for (Coding coding : {CodingAnsi, CodingOem, CodingKoi8, CodingUtf8}) {
        WriteRegistryValue(SettingName::FontSize[ViewRow(coding)], REG_DWORD, &size, sizeof size);
        View(coding);
        InDialog(CMD_CHAR_MAP, " Char Map", [&](HWND dialog) {
            HWND grid = GetDlgItem(dialog, IDC_CHARMAP_GRID);
            SetFocus(GetDlgItem(dialog, IDCANCEL));   // no caret in the picture
            EXPECT_EQ(SendMessageA(grid, TCM_GETVIEWCODING, 0, 0), coding);
            EXPECT_EQ(FormatOf(grid).yHeight, 240);
            if (coding == CodingOem) {   // larger: the grid grows, the buttons stay at its right
                RECT window = Box(dialog), before = Box(grid), button = Box(GetDlgItem(dialog, IDCANCEL));
                MoveWindow(dialog, window.left, window.top, window.right - window.left + 240,
                           window.bottom - window.top + 30, TRUE);
                RECT after = Box(grid);
                EXPECT_EQ(std::vector<LONG>({after.left, after.right, after.bottom}),
                          std::vector<LONG>({before.left, before.right + 240, before.bottom + 30}));
                EXPECT_EQ(Box(GetDlgItem(dialog, IDCANCEL)).left, button.left + 240);
            }
            const std::vector<TextRun> rows = GridRows(coding);
            RECT client;
            GetClientRect(grid, &client);
            Capture expected = DrawTextRuns(grid, rows, text, background, client.right, client.bottom);
            // The grid as it stands in the picture of the whole dialog, which is what gets saved.
            Capture picture = GrabWindow(dialog);
            POINT origin = {0, 0};
            ClientToScreen(grid, &origin);
            origin.x -= Box(dialog).left;
            origin.y -= Box(dialog).top;
            int differing = 0, inked = 0;
            for (int y = 0; y < expected.height; ++y)
                for (int x = 2; x < expected.width; ++x) {   // the grid clips what reaches into its margin
                    differing += picture.At(origin.x + x, origin.y + y) != expected.At(x, y);
                    inked += expected.At(x, y) == text;
                }
            EXPECT_EQ(differing, 0) << coding;
            EXPECT_GT(inked, 2000) << coding;
            if (coding == CodingOem) SaveBitmap(BesideTheProgram("char_map_oem.bmp"), picture);
            if (coding == CodingUtf8) SaveBitmap(BesideTheProgram("char_map_utf8.bmp"), picture);
            PressButton(dialog, IDCANCEL);
        });
    }
}

TEST_F(CharMap, PickedCodesGoIntoTheDocumentAndOntoTheClipboard)
{
    const struct {
        Coding view;
        std::string code;
        UINT format;   // the exact bytes' other format, 0: none
        std::string clipboard;
        std::u16string unicode;
    } cases[] = {
        {CodingAnsi, "\xC0", CF_TEXT, "\xC0", u"А"},
        {CodingOem, "\xC4", CF_OEMTEXT, "\xC4", u"─"},
        {CodingKoi8, "\xC1", CF_OEMTEXT, "\xA0", u"а"},   // KOI8 travels as OEM text
        {CodingUtf8, "\xD0\x96", 0, "", u"Ж"},
        {CodingUtf8, "\xE2\x84\x96", 0, "", u"№"},
    };
    for (const auto& c : cases) {
        View(c.view);
        SetDocument("ab");
        Select(1, 1);
        const LONG picked = GridPosition(c.view, c.code);
        InDialog(CMD_CHAR_MAP, " Char Map", [&](HWND dialog) {
            HWND grid = GetDlgItem(dialog, IDC_CHARMAP_GRID);
            EXPECT_FALSE(SendMessageA(grid, WM_GETDLGCODE, 0, 0)
                         & DLGC_WANTALLKEYS);      // Enter and Escape: the buttons'
            SendMessageA(grid, EM_SETSEL, 5, 5);   // nothing picked: nothing happens
            SendMessageA(dialog, WM_COMMAND, IDOK, 0);
            SendMessageA(dialog, WM_COMMAND, IDC_CHARMAP_COPY, 0);
            EXPECT_TRUE(IsWindowVisible(dialog));
            EXPECT_EQ(EditorBytes(), "ab");
            SendMessageA(grid, EM_SETSEL, GridPosition(c.view, "^"), GridPosition(c.view, "b"));   // across two rows
            SendMessageA(dialog, WM_COMMAND, IDOK, 0);
            EXPECT_EQ(EditorBytes(), "a^_\r\n`ab");
            SendMessageA(grid, EM_SETSEL, picked, picked + static_cast<LONG>(c.code.size()));
            PressKey('C', Ctrl);   // the grid's own Ctrl+C copies as the editor does
            EXPECT_EQ(ClipboardUnicode(), c.unicode);
            PutOnClipboard(CF_TEXT, "", 1);
            SendMessageA(dialog, WM_COMMAND, IDC_CHARMAP_COPY, 0);
        });
        EXPECT_EQ(EditorBytes(), "a^_\r\n`a" + c.code + "b");
        if (c.format) EXPECT_EQ(ClipboardBytes(c.format), c.clipboard);
        EXPECT_EQ(ClipboardUnicode(), c.unicode);
        SendCommand(CMD_PASTE);
        EXPECT_EQ(EditorBytes(), "a^_\r\n`a" + c.code + c.code + "b");
        Undo(3);   // the paste, then each button's insertion
        EXPECT_EQ(EditorBytes(), "ab");
    }
}
