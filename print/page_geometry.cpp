#include "print/page_geometry.h"

#include <algorithm>
#include <climits>

int32_t MulDivRound(int64_t a, int64_t b, int64_t c)
{
    if (c == 0) return -1;
    int64_t product = a * b;
    bool negative = (product < 0) != (c < 0);
    int64_t magnitude = ((product < 0 ? -product : product) + (c < 0 ? -c : c) / 2) / (c < 0 ? -c : c);
    int64_t result = negative ? -magnitude : magnitude;
    return result < INT32_MIN || result > INT32_MAX ? -1 : static_cast<int32_t>(result);
}

long MarginTwips(long margin)
{
    return MulDivRound(margin, TwipsPerInch, MarginUnitsPerInch);
}

PageLayout ComputePageLayout(long pageWidth, long pageHeight, const Margins& margins)
{
    PageLayout layout;
    layout.page = {0, 0, pageWidth, pageHeight};
    layout.text = layout.page;
    // A margin below zero would put text off the sheet: it counts as none.
    auto twips = [](long margin) { return std::max(MarginTwips(margin), 0L); };
    long left = twips(margins.left), right = twips(margins.right);
    if (int64_t{left} + right + TwipsPerInch < pageWidth) {
        layout.text.left = left;
        layout.text.right = pageWidth - right;
    }
    long top = twips(margins.top), bottom = twips(margins.bottom);
    if (int64_t{top} + bottom + TwipsPerInch < pageHeight) {
        layout.text.top = top;
        layout.text.bottom = pageHeight - bottom;
        layout.numbersAllowed = true;
    }
    return layout;
}

Box PageNumberBox(const PageLayout& layout, long numberWidth, long numberHeight)
{
    return {(layout.page.right - numberWidth) / 2, (layout.text.top - numberHeight) / 2, layout.text.right,
            layout.text.top};
}

std::string PageNumberText(unsigned page)
{
    return "-" + std::to_string(page) + "-";
}

std::string PageCountCaption(unsigned count)
{
    if (count == 0 || count >= PageCountLimit) return "EnumPage() failed";
    return "Total " + std::to_string(count) + " Page(s)";
}

PrintPlan PlanPrint(const PrintRequest& request)
{
    PrintPlan plan;
    unsigned copies = std::max(1u, request.copies);   // no copy at all would print nothing silently
    (request.collate ? plan.passes : plan.repeats) = copies;
    if (request.pageRange) {
        // A range typed backwards means the same pages.
        plan.firstSent = std::min(request.fromPage, request.toPage);
        plan.lastPage = std::max(request.fromPage, request.toPage);
    }
    return plan;
}

PreviewPlace FitPreviewPage(int clientWidth, int clientHeight, int buttonRow, const Box& page)
{
    long pageWidth = page.right - page.left, pageHeight = page.bottom - page.top;
    PreviewPlace place;
    place.y = buttonRow;
    if (pageHeight >= pageWidth) {
        place.height = clientHeight - buttonRow - 2;
        place.width = MulDivRound(place.height, pageWidth, pageHeight);
    } else {
        place.width = clientWidth - buttonRow;
        place.height = MulDivRound(place.width, pageHeight, pageWidth);
    }
    place.width = std::max(place.width, 0);   // a sheet of no size shows nothing
    place.height = std::max(place.height, 0);
    place.x = (clientWidth - place.width) / 2;
    return place;
}

PreviewMapping MapPreview(int sheetWidth, int sheetHeight, int zoom, int zoomX, int zoomY)
{
    // An extent of 0 is refused by the system: keep at least one unit.
    return {std::max(sheetWidth / zoom, 1), std::max(sheetHeight / zoom, 1), -(zoom - 1) * zoomX, -(zoom - 1) * zoomY};
}

std::string NextPageCaption(unsigned page, bool more)
{
    return std::to_string(page) + (more ? "&.>>" : " ||");
}
