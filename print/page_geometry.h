// Page arithmetic of printing and preview: margins in the page-setup
// dialog's units turned into twips, the text rectangle on a sheet, where the
// page number stands, which pages a print job sends how often, and how the
// preview fits and zooms a sheet. No Windows header.
#pragma once
#include <cstdint>
#include <string>

constexpr long TwipsPerInch = 1440;
// One inch in the page-setup dialog's margins as the program reads them (not 2540).
constexpr long MarginUnitsPerInch = 2500;
// The page count gives up at this many pages.
constexpr unsigned PageCountLimit = 512;
// A print job without a page range ends at this page.
constexpr unsigned LastPossiblePage = 65535;

// Rounds a * b / c to the nearest integer, halves away from zero, as the
// system's MulDiv does; -1 when c is 0 or the result leaves 32 bits.
int32_t MulDivRound(int64_t a, int64_t b, int64_t c);

struct Box {
    long left = 0;
    long top = 0;
    long right = 0;
    long bottom = 0;
};

// Four margins in the page-setup dialog's units, each the width of its side.
using Margins = Box;
constexpr long DefaultMargin = 2500;

struct PageLayout {
    Box page;                      // the whole sheet, in twips
    Box text;                      // where the document goes
    bool numbersAllowed = false;   // the top and bottom margins were applied
};

long MarginTwips(long margin);
// Each pair of margins is applied only when at least an inch of text is left between them.
PageLayout ComputePageLayout(long pageWidth, long pageHeight, const Margins& margins);
// Centred across the sheet, halfway down the top margin, above the text;
// the number's measured size in twips.
Box PageNumberBox(const PageLayout& layout, long numberWidth, long numberHeight);
std::string PageNumberText(unsigned page);
// The caption of the page count's question: "Total N Page(s)", or the
// failure text for no pages (no printer) and for the limit.
std::string PageCountCaption(unsigned count);

// What the print dialog asked for.
struct PrintRequest {
    unsigned copies = 1;
    bool collate = false;
    bool pageRange = false;
    unsigned fromPage = 0;
    unsigned toPage = 0;
};
// Collated, the whole document goes out once per copy; otherwise each page
// is sent copies times in a row. Pages before firstSent are laid out, not sent.
struct PrintPlan {
    unsigned passes = 1;
    unsigned repeats = 1;
    unsigned firstSent = 1;
    unsigned lastPage = LastPossiblePage;
};
PrintPlan PlanPrint(const PrintRequest& request);

// The preview's page control: its place and size in the dialog's client
// area, the button row taking the top.
struct PreviewPlace {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};
PreviewPlace FitPreviewPage(int clientWidth, int clientHeight, int buttonRow, const Box& page);

// The mapping of the preview's drawing: logical units are screen pixels of
// the sheet; zoom 3 shows a third of it with the clicked point kept in place.
struct PreviewMapping {
    int windowWidth = 1;
    int windowHeight = 1;
    int originX = 0;
    int originY = 0;
};
// sheetWidth and sheetHeight: the sheet in screen pixels.
PreviewMapping MapPreview(int sheetWidth, int sheetHeight, int zoom, int zoomX, int zoomY);
// The next-page button: "N&.>>" while there is a next page, "N ||" on the last.
std::string NextPageCaption(unsigned page, bool more);
