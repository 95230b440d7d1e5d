// The page formatter: EM_FORMATRANGE lays out one page of a range for a
// target device and draws it when asked, EM_DISPLAYBAND draws the page last
// laid out. Glyph widths measured on a target are kept until a null
// EM_FORMATRANGE, so counting hundreds of pages measures the font once.
#include <algorithm>
#include <climits>
#include <cstring>
#include <new>

#include "textctl/page_layout.h"
#include "textctl/textctl_internal.h"

namespace {

constexpr int TwipsPerInch = 1440;

struct Dpi {
    int x = 0;
    int y = 0;
    bool operator==(const Dpi& other) const { return x == other.x && y == other.y; }
};

// Twips to device units, rounded as MulDiv rounds and kept within an int.
int FromTwips(long long twips, int dpi)
{
    long long units = twips * dpi;
    units = (units < 0 ? units - TwipsPerInch / 2 : units + TwipsPerInch / 2) / TwipsPerInch;
    return static_cast<int>(std::clamp<long long>(units, INT_MIN, INT_MAX));
}

Dpi DpiOf(HDC dc)
{
    return {GetDeviceCaps(dc, LOGPIXELSX), GetDeviceCaps(dc, LOGPIXELSY)};
}

}   // namespace

struct PageCache {
    // What the widths were measured for.
    HDC target = nullptr;
    Dpi targetDpi;
    CHARFORMATA format = {};
    Coding coding = CodingAnsi;
    LayoutMetrics metrics;
    int lineHeight = 1;
    // The page last laid out, drawn on dc by EM_DISPLAYBAND.
    HDC dc = nullptr;
    std::vector<PageRow> rows;
};

namespace {

bool MeasuredFor(const PageCache& cache, const TextControl& c, HDC target, Dpi dpi)
{
    return cache.target == target && cache.targetDpi == dpi && cache.coding == c.viewCoding
        && std::memcmp(&cache.format, &c.format, sizeof c.format) == 0;
}

void Measure(PageCache& cache, const TextControl& c, HDC target, Dpi dpi)
{
    HFONT font = CreateFormatFont(c.format, dpi.y);
    HGDIOBJ old = SelectObject(target, font ? font : GetStockObject(SYSTEM_FIXED_FONT));
    cache.lineHeight = MeasureGlyphs(target, c.glyphs, c.viewCoding == CodingUtf8, &cache.metrics);
    SelectObject(target, old);
    if (font) DeleteObject(font);
    cache.target = target;
    cache.targetDpi = dpi;
    cache.coding = c.viewCoding;
    std::memcpy(&cache.format, &c.format, sizeof c.format);
}

// The cache with widths for the target, measured when they are not known
// yet; null when the target is no device or memory runs out.
PageCache* CacheFor(TextControl& c, HDC target)
{
    Dpi dpi = target ? DpiOf(target) : Dpi{};
    if (dpi.x <= 0 || dpi.y <= 0) return nullptr;
    if (!c.pageCache) c.pageCache = new (std::nothrow) PageCache;
    if (c.pageCache && !MeasuredFor(*c.pageCache, c, target, dpi)) Measure(*c.pageCache, c, target, dpi);
    return c.pageCache;
}

// Draws the rows laid out on the target at the same places on dc: every x
// and y goes from target units to dc units through inches, so a row that
// fitted on the target fits on dc at any scale.
struct BandPainter {
    TextControl& c;
    const PageCache& cache;
    HDC dc;
    Dpi dpi;
    RECT box;

    int X(int targetX) const { return box.left + MulDiv(targetX, dpi.x, cache.targetDpi.x); }
    int Y(size_t row) const
    {
        return box.top + MulDiv(static_cast<int>(row) * cache.lineHeight, dpi.y, cache.targetDpi.y);
    }

    // Draws the characters from pos up to end in one colour from target x on;
    // pos and the x returned are where drawing stopped.
    int DrawRun(size_t& pos, size_t end, int x, int y, COLORREF colour)
    {
        size_t count = 0;
        int left = X(x);
        CharReader reader(c.text, cache.metrics);
        while (pos < end) {
            if (count + MaxGlyphsPerChar > c.paintText.size()) {
                c.paintText.resize(count * 2 + 256);
                c.paintAdvances.resize(count * 2 + 256);
            }
            LayoutChar ch = reader.At(pos);
            int next = AdvanceX(cache.metrics, ch, x);
            count += GlyphsOf(c, cache.metrics, ch, X(next) - X(x), &c.paintText[count], &c.paintAdvances[count]);
            x = next;
            pos = ch.next;
        }
        SetTextColor(dc, colour);
        ExtTextOutW(dc, left, y, ETO_CLIPPED, &box, c.paintText.data(), static_cast<UINT>(count),
                    c.paintAdvances.data());
        return x;
    }

    void DrawRow(const PageRow& row, size_t index)
    {
        size_t end = std::min(row.end, c.text.Length());   // the text may have changed since
        int x = 0;
        for (size_t pos = row.start; pos < end;) {
            size_t runEnd = end;
            COLORREF colour = ColourRunAt(c, pos, end, &runEnd);
            x = DrawRun(pos, runEnd, x, Y(index), colour);
            pos = std::max(pos, runEnd);
        }
    }
};

// Draws the cached page into a rectangle in twips of its dc. Glyphs may
// reach below a page too low for its one row, never beside the rectangle.
bool DrawPage(TextControl& c, const PageCache& cache, const RECT& twips)
{
    Dpi dpi = cache.dc ? DpiOf(cache.dc) : Dpi{};
    if (dpi.x <= 0 || dpi.y <= 0) return false;
    RECT box = {FromTwips(twips.left, dpi.x), FromTwips(twips.top, dpi.y), FromTwips(twips.right, dpi.x),
                FromTwips(twips.bottom, dpi.y)};
    HFONT font = CreateFormatFont(c.format, dpi.y);
    int saved = SaveDC(cache.dc);
    SelectObject(cache.dc, font ? font : GetStockObject(SYSTEM_FIXED_FONT));
    SetBkMode(cache.dc, TRANSPARENT);
    SetTextAlign(cache.dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    BandPainter painter{c, cache, cache.dc, dpi, box};
    painter.box.bottom = std::max<LONG>(box.bottom, painter.Y(cache.rows.size()));
    for (size_t i = 0; i < cache.rows.size(); ++i) painter.DrawRow(cache.rows[i], i);
    RestoreDC(cache.dc, saved);
    if (font) DeleteObject(font);
    return true;
}

// Returns the first position of the next page. A range that cannot be laid
// out (no device to measure on) is reported as done, so that no caller
// paging through it loops forever.
LRESULT FormatRange(TextControl& c, bool render, const FORMATRANGE* range)
{
    if (!range) {
        ReleasePageCache(c);
        return 0;
    }
    PageRange span = ClampPageRange(range->chrg.cpMin, range->chrg.cpMax, c.text.Length());
    PageCache* cache = CacheFor(c, range->hdcTarget ? range->hdcTarget : range->hdc);
    if (!cache) {
        ReleasePageCache(c);
        return static_cast<LRESULT>(std::max(span.start, span.end));
    }
    const RECT& rc = range->rc;
    PageFrame frame{FromTwips(static_cast<long long>(rc.right) - rc.left, cache->targetDpi.x),
                    FromTwips(static_cast<long long>(rc.bottom) - rc.top, cache->targetDpi.y), cache->lineHeight};
    size_t next = LayOutPage(c.text, cache->metrics, span.start, span.end, frame, &cache->rows);
    cache->dc = range->hdc;
    if (render) DrawPage(c, *cache, rc);
    return static_cast<LRESULT>(next);
}

}   // namespace

void ReleasePageCache(TextControl& c)
{
    delete c.pageCache;
    c.pageCache = nullptr;
}

bool PageMessage(TextControl& c, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    switch (message) {
    case EM_FORMATRANGE:
        *result = FormatRange(c, wParam != 0, reinterpret_cast<const FORMATRANGE*>(lParam));
        return true;
    case EM_DISPLAYBAND:
        *result = lParam && c.pageCache && DrawPage(c, *c.pageCache, *reinterpret_cast<const RECT*>(lParam));
        return true;
    }
    return false;
}
