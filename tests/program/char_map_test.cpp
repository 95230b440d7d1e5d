// The character map: every code in the editor's font and colours, picked
// codes inserted as one undo step each, Copy as the editor's Copy.
#include "codingui/char_map_text.h"
#include "coding/unicode_tables.h"
#include "pictures.h"
#include "settings/settings.h"
#include "tests/program/editor_test_support.h"

namespace {

// Where a code stands in the grid: rows of 32 codes and a CR LF.
LONG GridPosition(int code)
{
    return (code - 0x20) / CharMapRowLength * (CharMapRowLength + 2) + (code - 0x20) % CharMapRowLength;
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
    for (Coding coding : {CodingAnsi, CodingOem, CodingKoi8}) {
        WriteRegistryValue(SettingName::FontSize[coding], REG_DWORD, &size, sizeof size);
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
            std::vector<TextRun> rows;
            for (int code = 0x20; code <= 0xFF; ++code) {
                if (code % CharMapRowLength == 0) rows.push_back({GridPosition(code), L""});
                rows.back().letters += code == 0x7F ? 0x2302 : ByteToUnicode(coding, uint8_t(code));   // DEL's picture
            }
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
            PressButton(dialog, IDCANCEL);
        });
    }
}

TEST_F(CharMap, PickedCodesGoIntoTheDocumentAndOntoTheClipboard)
{
    const struct {
        Coding view;
        int code;
        UINT format;
        const char* clipboard;
    } cases[] = {
        {CodingAnsi, 0xC0, CF_TEXT, "\xC0"},
        {CodingOem, 0xC4, CF_OEMTEXT, "\xC4"},
        {CodingKoi8, 0xC1, CF_OEMTEXT, "\xA0"},   // KOI8 travels as OEM text
    };
    for (const auto& c : cases) {
        View(c.view);
        SetDocument("ab");
        Select(1, 1);
        std::string code(1, static_cast<char>(c.code));
        InDialog(CMD_CHAR_MAP, " Char Map", [&](HWND dialog) {
            HWND grid = GetDlgItem(dialog, IDC_CHARMAP_GRID);
            EXPECT_FALSE(SendMessageA(grid, WM_GETDLGCODE, 0, 0)
                         & DLGC_WANTALLKEYS);      // Enter and Escape: the buttons'
            SendMessageA(grid, EM_SETSEL, 5, 5);   // nothing picked: nothing happens
            SendMessageA(dialog, WM_COMMAND, IDOK, 0);
            SendMessageA(dialog, WM_COMMAND, IDC_CHARMAP_COPY, 0);
            EXPECT_TRUE(IsWindowVisible(dialog));
            EXPECT_EQ(EditorBytes(), "ab");
            SendMessageA(grid, EM_SETSEL, GridPosition(0x5E), GridPosition(0x62));   // across two rows
            SendMessageA(dialog, WM_COMMAND, IDOK, 0);
            EXPECT_EQ(EditorBytes(), "a^_\r\n`ab");
            SendMessageA(grid, EM_SETSEL, GridPosition(c.code), GridPosition(c.code) + 1);
            PressKey('C', Ctrl);   // the grid's own Ctrl+C copies as the editor does
            EXPECT_EQ(ClipboardBytes(c.format), c.clipboard);
            PutOnClipboard(CF_TEXT, "", 1);
            SendMessageA(dialog, WM_COMMAND, IDC_CHARMAP_COPY, 0);
        });
        EXPECT_EQ(EditorBytes(), "a^_\r\n`a" + code + "b");
        EXPECT_EQ(ClipboardBytes(c.format), c.clipboard);
        EXPECT_EQ(ClipboardUnicode(), std::u16string(1, ByteToUnicode(c.view, static_cast<uint8_t>(c.code))));
        SendCommand(CMD_PASTE);
        EXPECT_EQ(EditorBytes(), "a^_\r\n`a" + code + code + "b");
        Undo(3);   // the paste, then each button's insertion
        EXPECT_EQ(EditorBytes(), "ab");
    }
}
