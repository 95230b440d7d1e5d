// The page formatter: pages of a Russian text laid out on a memory device,
// and one page drawn in each view coding, as printing draws it and scaled
// down as the preview draws it.
#include <algorithm>
#include <string>
#include <vector>

#include "coding/unicode_tables.h"
#include "textctl/textctl.h"
#include "pictures.h"
#include "textctl_support.h"

namespace {

constexpr int Dpi = 96;                                                 // of memory devices
constexpr RECT TextRect = {720, 720, 720 + 6 * 1440, 720 + 3 * 1440};   // twips

// Lines of 3 to 5 Russian words in Windows-1251 ending in CR LF, CR and LF by
// turns, after a Tab and a zero byte.
std::string RussianLines(int count)
{
    const std::u16string words[] = {u"Мороз", u"и", u"солнце", u"день", u"чудесный", u"Ещё", u"ты", u"дремлешь"};
    const char* breaks[] = {"\r\n", "\r", "\n"};
    std::string text("\t\0", 2);
    for (int line = 0; line < count; text += breaks[line++ % 3])
        for (int word = 0; word < 3 + line % 3; ++word)
            for (char16_t ch : words[(line + word) % 8] + u" ") text += char(UnicodeToByte(CodingAnsi, ch));
    return text;
}

size_t LineBreaks(const std::string& text, size_t from, size_t to)
{
    size_t count = 0;
    for (size_t i = from; i < to; ++i) count += text[i] == '\n' || (text[i] == '\r' && text[i + 1] != '\n');
    return count;
}

LRESULT Format(HWND control, HDC dc, HDC target, LONG start, bool render, RECT rc = TextRect)
{
    FORMATRANGE range = {dc, target, rc, {0, 0, 12240, 15840}, {start, -1}};
    return SendMessageA(control, EM_FORMATRANGE, render, reinterpret_cast<LPARAM>(&range));
}

// The first page drawn on a white sheet: formatted, then its band drawn as
// printing does, or drawn while formatting on a device shrunk as in the preview.
Capture DrawFirstPage(HWND control, HDC target, int shrink)
{
    HDC screen = GetDC(nullptr), sheet = CreateCompatibleDC(screen);
    int width = MulDiv(TextRect.right + 720, Dpi, 1440), height = MulDiv(TextRect.bottom + 720, Dpi, 1440);
    HGDIOBJ old = SelectObject(sheet, CreateCompatibleBitmap(screen, width, height));
    PatBlt(sheet, 0, 0, width, height, WHITENESS);
    SetMapMode(sheet, MM_ANISOTROPIC);
    SetWindowExtEx(sheet, shrink, shrink, nullptr);
    SetViewportExtEx(sheet, 1, 1, nullptr);
    Format(control, sheet, target, 0, shrink > 1);
    if (shrink == 1) {
        EXPECT_TRUE(SendMessageA(control, EM_DISPLAYBAND, 0, reinterpret_cast<LPARAM>(&TextRect)));
    }
    SetMapMode(sheet, MM_TEXT);
    Capture page = Grab(sheet, width, height);
    DeleteObject(SelectObject(sheet, old));
    DeleteDC(sheet);
    ReleaseDC(nullptr, screen);
    return page;
}

// The right and bottom edges of the ink.
POINT InkEnd(const Capture& page)
{
    POINT end = {0, 0};
    for (int y = 0; y < page.height; ++y)
        for (int x = 0; x < page.width; ++x)
            if (page.At(x, y) != RGB(255, 255, 255)) end = {std::max<LONG>(end.x, x), y};
    return end;
}

}   // namespace

TEST_F(TextControlTest, PagesCoverTheTextOnceAndShowTheLettersOfEachCoding)
{
    CHARFORMATA format = {sizeof(format), CFM_FACE | CFM_SIZE | CFM_COLOR, 0, 240, 0, 0, 0, 0, "DejaVu Sans Mono"};
    Send(EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
    const std::string ansi = RussianLines(60);
    StreamIn(ansi);
    const LONG length = static_cast<LONG>(ansi.size());
    HDC target = CreateCompatibleDC(nullptr);
    HGDIOBJ oldFont = SelectObject(target, CreateFontA(-16, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, format.szFaceName));
    TEXTMETRICA metrics = {};
    GetTextMetricsA(target, &metrics);
    DeleteObject(SelectObject(target, oldFont));

    std::vector<LONG> starts{0};
    while (starts.back() < length && starts.size() < 50)
        starts.push_back(Format(control_, target, target, starts.back(), false));
    ASSERT_GE(starts.size(), 5u);
    EXPECT_EQ(starts.back(), length);
    for (size_t page = 1; page < starts.size(); ++page) {
        EXPECT_GT(starts[page], starts[page - 1]);
        if (page + 1 < starts.size()) {   // a full page holds as many rows as 3 inches do
            EXPECT_EQ(LineBreaks(ansi, starts[page - 1], starts[page]), size_t(3 * Dpi / metrics.tmHeight));
        }
    }
    // A range past the end; a page lower than one row still takes a row.
    EXPECT_EQ(Format(control_, target, target, length + 10, false), length);
    EXPECT_EQ(Format(control_, target, target, 0, false, {0, 0, 9000, 10}), LONG(ansi.find('\r') + 2));

    std::vector<Capture> pages;
    const char* labels[] = {"ansi", "oem", "koi8"};
    for (Coding coding : {CodingAnsi, CodingOem, CodingKoi8}) {
        std::string bytes = ansi;
        ConvertCoding(reinterpret_cast<uint8_t*>(&bytes[0]), bytes.size(), CodingAnsi, coding);
        StreamIn(bytes);
        Send(TCM_SETVIEWCODING, coding);
        pages.push_back(DrawFirstPage(control_, target, 1));
        SaveBitmap(BesideTheProgram((std::string("printed_page_") + labels[coding] + ".bmp").c_str()), pages.back());
        EXPECT_EQ(pages.back().pixels, pages[0].pixels) << "the same letters in the " << labels[coding] << " view";
    }
    POINT whole = InkEnd(pages[0]), half = InkEnd(DrawFirstPage(control_, target, 2));
    EXPECT_GT(whole.y, MulDiv(TextRect.bottom, Dpi, 1440) - 2 * metrics.tmHeight) << "a full page of rows";
    EXPECT_NEAR(half.x, whole.x / 2, 3) << "shrunk, the page keeps its rows";
    EXPECT_NEAR(half.y, whole.y / 2, 3);
    Send(TCM_SETVIEWCODING, CodingOem);   // the KOI8 bytes in the OEM view are other letters
    EXPECT_NE(DrawFirstPage(control_, target, 1).pixels, pages[0].pixels);

    // A null record releases the page: nothing is left to draw. An empty text is one page.
    EXPECT_EQ(Send(EM_FORMATRANGE), 0);
    EXPECT_EQ(Send(EM_DISPLAYBAND, 0, reinterpret_cast<LPARAM>(&TextRect)), 0);
    StreamIn("");
    EXPECT_EQ(Format(control_, target, target, 0, false), 0);
    DeleteDC(target);
}
