// The font made from the character format, the glyph and width tables of
// the coding shown, and painting of the rows on screen.
#include <algorithm>

#include "coding/unicode_tables.h"
#include "textctl/textctl_internal.h"

namespace {

// Control bytes are drawn as the pictures the DOS character set gives them,
// the zero byte as an empty-set sign and 0x7F as a house, so none is invisible.
constexpr wchar_t ControlPictures[32] = {
    0x2205, 0x263A, 0x263B, 0x2665, 0x2666, 0x2663, 0x2660, 0x2022, 0x25D8, 0x25CB, 0x25D9,
    0x2642, 0x2640, 0x266A, 0x266B, 0x263C, 0x25BA, 0x25C4, 0x2195, 0x203C, 0x00B6, 0x00A7,
    0x25AC, 0x21A8, 0x2191, 0x2193, 0x2192, 0x2190, 0x221F, 0x2194, 0x25B2, 0x25BC,
};
constexpr wchar_t DeletePicture = 0x2302;
// An invalid byte's two hex digits sit in a box this much wider than they are.
constexpr int MarkPadding = 5;
constexpr int MarkInset = 2;

wchar_t GlyphOf(Coding coding, uint8_t byte)
{
    if (byte < 0x20) return ControlPictures[byte];
    if (byte == 0x7F) return DeletePicture;
    return static_cast<wchar_t>(ByteToUnicode(coding, byte));
}

int GlyphWidth(HDC dc, const wchar_t* glyphs, int count = 1)
{
    SIZE size = {};
    GetTextExtentPoint32W(dc, glyphs, count, &size);
    return size.cx;
}

// The UTF-8 view's widths: every character up to U+FFFF, one for those past
// it (all drawn from surrogate pairs), and the box of an invalid byte.
void MeasureCharacters(HDC dc, LayoutMetrics* metrics)
{
    std::vector<INT> widths(0x10000, metrics->widths['x']);
    GetCharWidth32W(dc, 0, 0xFFFF, widths.data());
    metrics->unitWidths.assign(widths.begin(), widths.end());
    metrics->unitWidths[0xFEFF] = 0;   // the byte-order mark is not drawn
    const wchar_t emoji[2] = {0xD83D, 0xDE00};
    metrics->astralWidth = GlyphWidth(dc, emoji, 2);
    metrics->invalidWidth = 2 * metrics->widths['0'] + MarkPadding;
}

struct RowPainter {
    TextControl& c;
    HDC dc;
    int y;
    int right;
    bool showSelection;

    bool Selected(size_t pos) const { return showSelection && pos >= SelectionStart(c) && pos < SelectionEnd(c); }

    // Colour and end of the run of equal look that starts at pos.
    COLORREF LookAt(size_t pos, size_t rowEnd, size_t* lookEnd) const
    {
        size_t end = rowEnd;
        COLORREF colour = ColourRunAt(c, pos, rowEnd, &end);
        if (showSelection) {
            size_t selStart = SelectionStart(c), selEnd = SelectionEnd(c);
            if (pos < selStart)
                end = std::min(end, selStart);
            else if (pos < selEnd)
                end = std::min(end, selEnd);
        }
        *lookEnd = end;
        return colour;
    }

    // The glyphs gathered in paintText; the opaque box reaches boxRight, so the
    // last run of a row also clears the rest of the row in the same call.
    void DrawGlyphs(int x, int boxRight, COLORREF colour, bool selected, size_t count)
    {
        RECT box = {std::max(x, TextLeft(c)), y, boxRight, y + c.lineHeight};
        SetTextColor(dc, selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : colour);
        SetBkColor(dc, selected ? GetSysColor(COLOR_HIGHLIGHT) : BackgroundColour(c));
        ExtTextOutW(dc, x, y, ETO_OPAQUE | ETO_CLIPPED, &box, c.paintText.data(), static_cast<UINT>(count),
                    c.paintAdvances.data());
    }

    // Draws the characters from pos up to end of the row from screen x on;
    // pos and the x returned are where drawing stopped.
    int DrawRun(size_t& pos, size_t end, int x, COLORREF colour, bool selected, bool lastOnRow)
    {
        int rowX = x - TextLeft(c) + c.xOffset;
        int startX = x;
        size_t count = 0;
        c.paintMarks.clear();
        CharReader reader(c.text, c.metrics);
        while (pos < end && x < right) {
            if (count + MaxGlyphsPerChar > c.paintText.size()) {
                c.paintText.resize(count * 2 + 256);
                c.paintAdvances.resize(count * 2 + 256);
            }
            LayoutChar ch = reader.At(pos);
            int next = AdvanceX(c.metrics, ch, rowX);
            if (!ch.utf8.valid) c.paintMarks.push_back(x);
            count += GlyphsOf(c, c.metrics, ch, next - rowX, &c.paintText[count], &c.paintAdvances[count]);
            x += next - rowX;
            rowX = next;
            pos = ch.next;
        }
        DrawGlyphs(startX, lastOnRow ? right : x, colour, selected, count);
        for (int markX : c.paintMarks)
            if (markX >= TextLeft(c)) FrameMark(markX, selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : colour);
        return x;
    }

    void FrameMark(int x, COLORREF colour)
    {
        RECT box = {x, y + 1, x + c.metrics.invalidWidth - 1, y + c.lineHeight - 1};
        HBRUSH brush = CreateSolidBrush(colour);
        FrameRect(dc, &box, brush);
        DeleteObject(brush);
    }

    // A line break of any kind ends its line unseen, like in any editor for
    // Unix or old Mac files; a selected one shows as a selected blank.
    bool BreakShown(const Row& row) const
    {
        size_t breakLength = row.lastOfLine ? c.text.LineBreakLength(row.line) : 0;
        return breakLength > 0 && Selected(row.end);
    }

    void DrawBreak(const Row& row, int x)
    {
        c.paintText.assign(1, L' ');
        c.paintAdvances.assign(1, c.breakGlyphWidth);
        DrawGlyphs(x, x + c.breakGlyphWidth, TextColour(c), Selected(row.end), 1);
        Fill(x + c.breakGlyphWidth, y, right, y + c.lineHeight);
    }

    void Draw(const Row& row)
    {
        int startX = 0;
        const RowMark from = MarkBeforeX(c, row.start, row.end, c.xOffset);
        size_t pos = FirstPositionAtX(c.text, c.metrics, from, row.end, c.xOffset, &startX);
        int x = TextLeft(c) + startX - c.xOffset;
        bool breakShown = BreakShown(row);
        bool filled = false;
        while (pos < row.end && x < right) {
            size_t lookEnd = row.end;
            COLORREF colour = LookAt(pos, row.end, &lookEnd);
            filled = lookEnd >= row.end && !breakShown;
            x = DrawRun(pos, lookEnd, x, colour, Selected(pos), filled);
            pos = std::max(pos, lookEnd);
        }
        if (!WrapMode(c)) NoteWidth(row, pos, x);
        if (x >= right || filled) return;
        if (breakShown)
            DrawBreak(row, x);
        else
            Fill(std::max(x, TextLeft(c)), y, right, y + c.lineHeight);
    }

    // The widest row seen sets the horizontal scroll range; the part of a row
    // past the window is estimated, so that long lines are not measured per paint.
    void NoteWidth(const Row& row, size_t pos, int x)
    {
        size_t hidden = row.end > pos ? row.end - pos : 0;
        long long width = x - TextLeft(c) + c.xOffset + static_cast<long long>(hidden) * c.metrics.widths['x'];
        c.widestRow = static_cast<int>(std::min<long long>(std::max<long long>(c.widestRow, width), INT_MAX / 2));
    }

    void Fill(int left, int top, int fillRight, int bottom)
    {
        RECT box = {left, top, fillRight, bottom};
        SetBkColor(dc, BackgroundColour(c));
        ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &box, nullptr, 0, nullptr);
    }
};

}   // namespace

HFONT CreateFormatFont(const CHARFORMATA& format, int pixelsPerInch)
{
    LOGFONTA font = {};
    font.lfHeight = -MulDiv(format.yHeight, pixelsPerInch, 1440);
    font.lfWeight = (format.dwEffects & CFE_BOLD) ? FW_BOLD : FW_NORMAL;
    font.lfItalic = (format.dwEffects & CFE_ITALIC) ? TRUE : FALSE;
    font.lfCharSet = format.bCharSet;
    font.lfPitchAndFamily = format.bPitchAndFamily;
    // A modern family without a face asks for any fixed-pitch font.
    if (format.szFaceName[0] == '\0' && (format.bPitchAndFamily & 0xF0) == FF_MODERN)
        font.lfPitchAndFamily = (format.bPitchAndFamily & 0xF0) | FIXED_PITCH;
    lstrcpynA(font.lfFaceName, format.szFaceName, LF_FACESIZE);
    return CreateFontIndirectA(&font);
}

size_t GlyphsOf(const TextControl& c, const LayoutMetrics& metrics, const LayoutChar& ch, int width, wchar_t* glyphs,
                int* advances)
{
    glyphs[0] = ch.lead == '\t' ? L' ' : c.glyphs[ch.lead];
    advances[0] = width;
    if (c.viewCoding != CodingUtf8 || ch.lead < 0x80) return 1;
    if (!ch.utf8.valid) {
        static const wchar_t hex[] = L"0123456789ABCDEF";
        const wchar_t mark[3] = {L' ', hex[ch.lead >> 4], hex[ch.lead & 15]};
        const int digit = metrics.widths['0'];
        const int markAdvances[3] = {MarkInset, digit, width - MarkInset - digit};
        std::copy(mark, mark + 3, glyphs);
        std::copy(markAdvances, markAdvances + 3, advances);
        return 3;
    }
    if (ch.utf8.code == 0xFEFF) return 0;
    char16_t units[2];
    size_t count = DrawnUnits(ch.utf8, units);
    glyphs[0] = units[0];
    glyphs[1] = units[1];
    advances[1] = 0;
    return count;
}

int MeasureGlyphs(HDC dc, const wchar_t* glyphs, bool utf8, LayoutMetrics* metrics)
{
    TEXTMETRICW textMetrics = {};
    GetTextMetricsW(dc, &textMetrics);
    for (int b = 0; b < 256; ++b) metrics->widths[b] = GlyphWidth(dc, &glyphs[b]);
    metrics->tabWidth = std::max(1, 8 * metrics->widths[' ']);
    metrics->unitWidths.clear();
    if (utf8) MeasureCharacters(dc, metrics);
    return std::max(1, static_cast<int>(textMetrics.tmHeight));
}

COLORREF TextColour(const TextControl& c)
{
    return (c.format.dwEffects & CFE_AUTOCOLOR) ? GetSysColor(COLOR_WINDOWTEXT) : c.format.crTextColor;
}

COLORREF ColourRunAt(const TextControl& c, size_t pos, size_t end, size_t* runEnd)
{
    COLORREF colour = TextColour(c);
    const auto& runs = c.colours.runs();
    size_t i = c.colours.FirstEndingAfter(pos);
    if (i < runs.size()) {
        if (runs[i].start <= pos) {
            colour = runs[i].colour;
            end = std::min(end, runs[i].end);
        } else {
            end = std::min(end, runs[i].start);
        }
    }
    *runEnd = end;
    return colour;
}

COLORREF BackgroundColour(const TextControl& c)
{
    return c.systemBackground ? GetSysColor(COLOR_WINDOW) : c.background;
}

void RebuildFont(TextControl& c)
{
    HDC dc = GetDC(c.window);
    HFONT font = CreateFormatFont(c.format, GetDeviceCaps(dc, LOGPIXELSY));
    if (font) {
        if (c.font) DeleteObject(c.font);
        c.font = font;
    }
    HGDIOBJ old = SelectObject(dc, c.font ? c.font : GetStockObject(SYSTEM_FIXED_FONT));
    for (int b = 0; b < 256; ++b) c.glyphs[b] = GlyphOf(c.viewCoding, static_cast<uint8_t>(b));
    c.lineHeight = MeasureGlyphs(dc, c.glyphs, c.viewCoding == CodingUtf8, &c.metrics);
    c.breakGlyphWidth = std::max(c.metrics.widths['\n'], c.metrics.widths[' ']);
    SelectObject(dc, old);
    ReleaseDC(c.window, dc);
    c.widestRow = 0;
    ResetLayout(c);
    if (c.focused) {
        DestroyCaret();
        CreateCaret(c.window, nullptr, 1, c.lineHeight);
        ShowCaret(c.window);
    }
    ShowCaretRow(c);
    UpdateScrollBars(c);
    PlaceCaret(c);
    Repaint(c);
}

void Paint(TextControl& c)
{
    SetScrollBarsNow(c);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(c.window, &paint);
    RECT client;
    GetClientRect(c.window, &client);
    HGDIOBJ old = SelectObject(dc, c.font ? c.font : GetStockObject(SYSTEM_FIXED_FONT));
    bool noHide = (GetWindowLongA(c.window, GWL_STYLE) & ES_NOHIDESEL) != 0;
    RowPainter painter{c, dc, 0, client.right, (c.focused || noHide || c.showSelection) && !c.hideSelection};
    Row row = TopRow(c);
    bool more = true;
    for (; more && painter.y < paint.rcPaint.bottom; painter.y += c.lineHeight) {
        if (painter.y + c.lineHeight > paint.rcPaint.top) painter.Draw(row);
        more = NextRow(c, row);
    }
    painter.Fill(0, painter.y, client.right, client.bottom);
    painter.Fill(0, paint.rcPaint.top, TextLeft(c), paint.rcPaint.bottom);
    SelectObject(dc, old);
    EndPaint(c.window, &paint);
}
