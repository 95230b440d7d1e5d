// What the text control draws: the same bytes as the word they stand for in
// each coding, colours and the format; and line and find messages.
#include <string>
#include <vector>

#include "textctl/textctl.h"
#include "pictures.h"
#include "textctl_support.h"

namespace {

Capture GrabControl(HWND control, int width, int height)
{
    UpdateWindow(control);
    HDC dc = GetDC(control);
    Capture capture = Grab(dc, width, height);
    ReleaseDC(control, dc);
    return capture;
}

// The word drawn as Unicode text in the control's own font, where the control starts its text.
Capture DrawExpected(HWND control, const wchar_t* word, int width, int height)
{
    return DrawTextRuns(control, {{0, word}}, GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_WINDOW), width, height);
}

bool FontHasGlyphs(HWND control, const wchar_t* word)
{
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
    WORD glyphs[32] = {};
    size_t length = wcslen(word);
    GetGlyphIndicesW(dc, word, static_cast<int>(length), glyphs, GGI_MARK_NONEXISTING_GLYPHS);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    for (size_t i = 0; i < length; ++i)
        if (glyphs[i] == 0xFFFF) return false;
    return true;
}

CHARFORMATA Format()
{
    CHARFORMATA format = {};
    format.cbSize = sizeof(format);
    return format;
}

void SetFont(HWND control, const char* face, LONG twips, BYTE charset, DWORD effects = 0)
{
    CHARFORMATA format = Format();
    format.dwMask = CFM_FACE | CFM_SIZE | CFM_CHARSET | CFM_BOLD | CFM_ITALIC;
    format.dwEffects = effects;
    format.yHeight = twips;
    format.bCharSet = charset;
    format.bPitchAndFamily = FIXED_PITCH | FF_MODERN;
    lstrcpynA(format.szFaceName, face, LF_FACESIZE);
    SendMessageA(control, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
}

struct CodingCase {
    int coding;
    BYTE charset;
    const char* bytes;   // "Привет" in that coding
    const char* label;
};

const CodingCase Cases[] = {
    {0, RUSSIAN_CHARSET, "\xCF\xF0\xE8\xE2\xE5\xF2", "ANSI"},
    {1, OEM_CHARSET, "\x8F\xE0\xA8\xA2\xA5\xE2", "OEM"},
    {2, DEFAULT_CHARSET, "\xF0\xD2\xC9\xD7\xC5\xD4", "KOI8"},
    // With a byte-order mark, which is not drawn.
    {5, DEFAULT_CHARSET, "\xEF\xBB\xBF\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82", "UTF-8"},
};
constexpr int CaseCount = sizeof Cases / sizeof Cases[0];
const wchar_t Word[] = L"\x041F\x0440\x0438\x0432\x0435\x0442";

}   // namespace

TEST_F(TextControlTest, SameBytesAreDrawnAsTheWordOfEachCoding)
{
    const int width = 200;
    Capture sheet;
    sheet.width = width * CaseCount;
    for (int i = 0; i < CaseCount; ++i) {
        const CodingCase& c = Cases[i];
        SendMessageA(control_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(c.bytes));
        SetFont(control_, "DejaVu Sans Mono", 360, c.charset);
        Send(TCM_SETVIEWCODING, static_cast<WPARAM>(c.coding));
        EXPECT_EQ(Send(TCM_GETVIEWCODING), c.coding);
        SetFocus(host_);   // no caret in the picture
        ASSERT_TRUE(FontHasGlyphs(control_, Word)) << c.label;
        CHARFORMATA format = Format();
        Send(EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
        int height = MulDiv(format.yHeight, 96, 1440) + 12;
        Capture drawn = GrabControl(control_, width, height);
        Capture expected = DrawExpected(control_, Word, width, height);
        int differing = 0, inked = 0;
        for (int y = 0; y < height; ++y)
            for (int x = 12; x < width; ++x) {
                differing += drawn.At(x, y) != expected.At(x, y);
                inked += expected.At(x, y) != GetSysColor(COLOR_WINDOW);
            }
        EXPECT_EQ(differing, 0) << c.label;
        EXPECT_GT(inked, 100) << c.label;
        sheet.height = height;
        sheet.pixels.resize(static_cast<size_t>(sheet.width * height));
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                sheet.pixels[static_cast<size_t>(y * sheet.width + i * width + x)] = drawn.At(x, y);
    }
    SaveBitmap(BesideTheProgram("textctl_views.bmp"), sheet);

    // The check can fail: OEM bytes shown in the ANSI view are another word.
    SendMessageA(control_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Cases[1].bytes));
    Send(TCM_SETVIEWCODING, 0);
    Capture wrong = GrabControl(control_, width, 40);
    Capture expected = DrawExpected(control_, Word, width, 40);
    EXPECT_NE(wrong.pixels, expected.pixels);
    EXPECT_EQ(Send(TCM_SETVIEWCODING, 7), 0);   // not a view coding: ignored
    EXPECT_EQ(Send(TCM_SETVIEWCODING, 3), 0);
}

TEST_F(TextControlTest, ZeroAndControlBytesAreDrawnVisibly)
{
    SendMessageA(control_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("ab"));
    SetFocus(host_);
    Capture plain = GrabControl(control_, 200, 20);
    StreamIn(std::string("a\0\x01\x7F\rb", 6));
    SetFocus(host_);
    POINTL b = {0, 0};
    Send(EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&b), 1);
    POINTL after = {0, 0};
    Send(EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&after), 4);
    EXPECT_GT(after.x - b.x, 3 * 4);   // three bytes, each with a width of its own
    Capture marked = GrabControl(control_, 200, 20);
    EXPECT_NE(plain.pixels, marked.pixels);

    // In the UTF-8 view each invalid byte shows its own hex digits in a box.
    Send(TCM_SETVIEWCODING, 5);
    std::vector<Capture> invalid;
    for (const char* bytes : {"a\x80", "a\x81", "a\xFF", "a"}) {
        StreamIn(bytes);
        SetFocus(host_);
        invalid.push_back(GrabControl(control_, 200, 20));
    }
    EXPECT_NE(invalid[0].pixels, invalid[1].pixels);
    EXPECT_NE(invalid[1].pixels, invalid[2].pixels);
    EXPECT_NE(invalid[2].pixels, invalid[3].pixels);
    StreamIn("\xD0\x96\x80\xFF\xF0\x9F\x98\x80\x01\xE2\x82\xAC!");
    SetFocus(host_);
    PictureOfWindow(control_, "textctl_utf8_marks.bmp");
}

TEST_F(TextControlTest, FormatOfTheWholeTextAndColoursOfRanges)
{
    SetFont(control_, "DejaVu Sans Mono", 240, RUSSIAN_CHARSET, CFE_BOLD);
    CHARFORMATA format = Format();
    EXPECT_NE(Send(EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format)), 0);
    EXPECT_EQ(format.yHeight, 240);
    EXPECT_EQ(format.bCharSet, RUSSIAN_CHARSET);
    EXPECT_STREQ(format.szFaceName, "DejaVu Sans Mono");
    EXPECT_TRUE(format.dwEffects & CFE_BOLD);
    LOGFONTA font = {};
    GetObjectA(reinterpret_cast<HFONT>(Send(WM_GETFONT)), sizeof(font), &font);
    EXPECT_EQ(font.lfWeight, FW_BOLD);
    EXPECT_EQ(font.lfCharSet, RUSSIAN_CHARSET);

    StreamIn("aaa bbb ccc");
    Select(4, 7);
    CHARFORMATA red = Format();
    red.dwMask = CFM_COLOR | CFM_SIZE;
    red.crTextColor = RGB(255, 0, 0);
    red.yHeight = 400;   // a part of the text takes only the colour
    Send(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&red));
    Select(0, 0);
    Type("xx");   // the colour moves with the text
    Select(7, 7);
    CHARFORMATA got = Format();
    Send(EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&got));
    EXPECT_EQ(got.crTextColor, RGB(255, 0, 0));
    EXPECT_EQ(got.yHeight, 240);
    Select(1, 1);
    Send(EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&got));
    EXPECT_TRUE(got.dwEffects & CFE_AUTOCOLOR);

    SetFocus(host_);
    POINTL from = {0, 0}, to = {0, 0};
    Send(EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&from), 6);
    Send(EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&to), 9);
    Capture row = GrabControl(control_, 300, 20);
    int redInside = 0, redOutside = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 300; ++x)
            if (row.At(x, y) == RGB(255, 0, 0)) (x >= from.x && x < to.x ? redInside : redOutside)++;
    EXPECT_GT(redInside, 10);
    EXPECT_EQ(redOutside, 0);

    Send(EM_SETSEL, 0, -1);   // a selection of everything sets the whole format
    CHARFORMATA bigger = Format();
    bigger.dwMask = CFM_SIZE;
    bigger.yHeight = 300;
    Send(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&bigger));
    Send(EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&got));
    EXPECT_EQ(got.yHeight, 300);

    EXPECT_EQ(static_cast<COLORREF>(Send(EM_SETBKGNDCOLOR, 0, RGB(0, 0, 128))), GetSysColor(COLOR_WINDOW));
    Capture background = GrabControl(control_, 300, 300);
    EXPECT_EQ(background.At(250, 250), RGB(0, 0, 128));
    EXPECT_EQ(static_cast<COLORREF>(Send(EM_SETBKGNDCOLOR, 1, 0)), RGB(0, 0, 128));
}

TEST_F(TextControlTest, LinesEndAtCrLfLoneCrAndLoneLf)
{
    StreamIn("a\rbb\ncc\r\nd");
    EXPECT_EQ(Send(EM_GETLINECOUNT), 4);
    EXPECT_EQ(Send(EM_LINEINDEX, 1), 2);
    EXPECT_EQ(Send(EM_LINEINDEX, 2), 5);
    EXPECT_EQ(Send(EM_LINEINDEX, 3), 9);
    EXPECT_EQ(Send(EM_LINEINDEX, 4), -1);
    EXPECT_EQ(Send(EM_EXLINEFROMCHAR, 0, 7), 2);
    EXPECT_EQ(Send(EM_EXLINEFROMCHAR, 0, 8), 2);
    EXPECT_EQ(Send(EM_EXLINEFROMCHAR, 0, 999), 3);
    EXPECT_EQ(Send(EM_LINELENGTH, 5), 2);
    EXPECT_EQ(Send(EM_LINELENGTH, 1), 1);
    EXPECT_EQ(Send(EM_LINELENGTH, 999), 1);
    Select(3, 3);
    EXPECT_EQ(Send(EM_LINEINDEX, static_cast<WPARAM>(-1)), 2);
    StreamIn("");
    EXPECT_EQ(Send(EM_GETLINECOUNT), 1);
    EXPECT_EQ(Send(EM_LINELENGTH, 0), 0);
    EXPECT_EQ(Send(EM_LINEINDEX, 0), 0);
}

TEST_F(TextControlTest, FindFoldsLettersByTheCodingShown)
{
    // "ПРИВЕТ ёж привет" in Windows-1251, then the same words in CP866.
    const std::string ansi = "\xCF\xD0\xC8\xC2\xC5\xD2 \xB8\xE6 \xEF\xF0\xE8\xE2\xE5\xF2";
    const std::string oem = "\x8F\x90\x88\x82\x85\x92 \xF1\xA6 \xAF\xE0\xA8\xA2\xA5\xE2";
    auto find = [this](const std::string& what, LONG min, LONG max, WPARAM flags) {
        FINDTEXTA request = {{min, max}, what.c_str()};
        return Send(EM_FINDTEXT, flags | FR_DOWN, reinterpret_cast<LPARAM>(&request));
    };
    StreamIn(ansi);
    EXPECT_EQ(find("\xEF\xF0\xE8\xE2\xE5\xF2", 0, -1, 0), 0);
    EXPECT_EQ(find("\xEF\xF0\xE8\xE2\xE5\xF2", 0, -1, FR_MATCHCASE), 10);
    EXPECT_EQ(find("\xA8\xC6", 0, -1, 0), 7);                    // Ё folds to ё
    EXPECT_EQ(find("\xEF\xF0\xE8\xE2\xE5\xF2", 1, 15, 0), -1);   // must lie wholly inside
    EXPECT_EQ(find("\xEF\xF0\xE8\xE2\xE5\xF2", 1, 16, 0), 10);
    EXPECT_EQ(find("\xF0\xE8\xE2", 0, -1, FR_WHOLEWORD), -1);
    EXPECT_EQ(find("", 0, -1, 0), -1);
    EXPECT_EQ(find("x", 50, -1, 0), -1);
    StreamIn(oem);
    Send(TCM_SETVIEWCODING, 1);
    EXPECT_EQ(find("\xAF\xE0\xA8\xA2\xA5\xE2", 0, -1, 0), 0);
    EXPECT_EQ(find("\xF0\xA6", 0, -1, 0), 7);
    Send(TCM_SETVIEWCODING, 0);   // in the ANSI view these bytes are no pair of letters
    EXPECT_EQ(find("\xAF\xE0\xA8\xA2\xA5\xE2", 0, -1, 0), 10);
}

TEST_F(TextControlTest, SelectionShowsOnlyWithFocusAndRedrawCanBeHeld)
{
    StreamIn("hello world");
    Send(EM_SETSEL, 0, -1);
    auto highlighted = [this] {
        Capture row = GrabControl(control_, 200, 16);
        int count = 0;
        for (COLORREF pixel : row.pixels) count += pixel == GetSysColor(COLOR_HIGHLIGHT);
        return count;
    };
    SetFocus(control_);
    EXPECT_GT(highlighted(), 50);
    SetFocus(host_);
    EXPECT_EQ(highlighted(), 0);
    SetFocus(control_);
    Send(EM_HIDESELECTION, TRUE);
    EXPECT_EQ(highlighted(), 0);
    Send(EM_HIDESELECTION, FALSE);
    EXPECT_GT(highlighted(), 50);
    SetFocus(host_);
    Send(EM_HIDESELECTION, FALSE);   // shown without the focus until it comes back
    EXPECT_GT(highlighted(), 50);

    SetFocus(host_);
    Capture before = GrabControl(control_, 200, 16);
    Send(WM_SETREDRAW, FALSE);
    SendMessageA(control_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("other text"));
    EXPECT_EQ(GrabControl(control_, 200, 16).pixels, before.pixels);
    Send(WM_SETREDRAW, TRUE);
    EXPECT_NE(GrabControl(control_, 200, 16).pixels, before.pixels);
}
