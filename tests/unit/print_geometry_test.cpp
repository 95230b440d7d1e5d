// Page arithmetic of printing and preview: margins, the text rectangle, the
// page number's place, copies and ranges, and the preview's fit and zoom.
#include <gtest/gtest.h>

#include <tuple>

#include "print/page_geometry.h"

namespace {

std::string Text(const Box& box)
{
    return std::to_string(box.left) + "," + std::to_string(box.top) + "," + std::to_string(box.right) + ","
        + std::to_string(box.bottom);
}

}   // namespace

TEST(PageGeometry, MarginsLeaveAnInchOrAreIgnored)
{
    EXPECT_EQ(MarginTwips(2500), 1440);   // the divisor is 2500: the default margin is an inch
    EXPECT_EQ(MarginTwips(1), 1);         // 0.576 rounds up
    EXPECT_EQ(MarginTwips(-1250), -720);
    EXPECT_EQ(MulDivRound(INT32_MAX, 2, 1), -1);
    EXPECT_EQ(MulDivRound(5, 5, 0), -1);
    struct Case {
        long width, height;
        Margins margins;
        const char* text;
        bool numbers;
    } cases[] = {
        {12240, 15840, {2500, 2500, 2500, 2500}, "1440,1440,10800,14400", true},
        {4320, 15840, {2500, 2500, 2500, 2500}, "0,1440,4320,14400", true},   // no inch left between
        {4321, 4320, {2500, 2500, 2500, 2500}, "1440,0,2881,4320", false},
        {12240, 15840, {0, 14000, 0, 14000}, "0,0,12240,15840", false},
    };
    for (const Case& c : cases) {
        PageLayout layout = ComputePageLayout(c.width, c.height, c.margins);
        EXPECT_EQ(Text(layout.page), "0,0," + std::to_string(c.width) + "," + std::to_string(c.height));
        EXPECT_EQ(Text(layout.text), c.text) << c.width << "x" << c.height;
        EXPECT_EQ(layout.numbersAllowed, c.numbers) << c.width << "x" << c.height;
    }
    PageLayout letter = ComputePageLayout(12240, 15840, {2500, 2500, 2500, 2500});
    EXPECT_EQ(Text(PageNumberBox(letter, 301, 201)), "5969,619,10800,1440");   // halves truncated
    EXPECT_EQ(PageNumberText(3), "-3-");
}

TEST(PageGeometry, CountCaptionsAndPrintPlans)
{
    EXPECT_EQ(PageCountCaption(0), "EnumPage() failed");
    EXPECT_EQ(PageCountCaption(1), "Total 1 Page(s)");
    EXPECT_EQ(PageCountCaption(511), "Total 511 Page(s)");
    EXPECT_EQ(PageCountCaption(512), "EnumPage() failed");
    struct Case {
        PrintRequest request;
        unsigned passes, repeats, first, last;
    } cases[] = {
        {{3, true, false, 0, 0}, 3, 1, 1, 65535},   // collated: the document once per copy
        {{3, false, false, 0, 0}, 1, 3, 1, 65535}, {{0, false, false, 0, 0}, 1, 1, 1, 65535},
        {{1, false, true, 2, 3}, 1, 1, 2, 3},      {{2, true, true, 3, 2}, 2, 1, 2, 3},
    };
    for (const Case& c : cases) {
        PrintPlan plan = PlanPrint(c.request);
        EXPECT_EQ(std::make_tuple(plan.passes, plan.repeats, plan.firstSent, plan.lastPage),
                  std::make_tuple(c.passes, c.repeats, c.first, c.last));
    }
}

TEST(PageGeometry, PreviewFitsAndZooms)
{
    struct Case {
        Box page;
        int x, y, width, height;
    } cases[] = {
        {{0, 0, 12240, 15840}, 203, 30, 593, 768},   // portrait: the window's height
        {{0, 0, 15840, 12240}, 15, 30, 970, 750},    // landscape: the width less the button row
        {{0, 0, 0, 0}, 500, 30, 0, 768},             // a sheet of no size: nothing wide
    };
    for (const Case& c : cases) {
        PreviewPlace place = FitPreviewPage(1000, 800, 30, c.page);
        EXPECT_EQ(std::make_tuple(place.x, place.y, place.width, place.height),
                  std::make_tuple(c.x, c.y, c.width, c.height));
    }
    PreviewMapping whole = MapPreview(816, 1056, 1, 50, 70), zoomed = MapPreview(816, 1056, 3, 50, 70);
    EXPECT_EQ(std::make_tuple(whole.windowWidth, whole.windowHeight, whole.originX, whole.originY),
              std::make_tuple(816, 1056, 0, 0));
    EXPECT_EQ(std::make_tuple(zoomed.windowWidth, zoomed.windowHeight, zoomed.originX, zoomed.originY),
              std::make_tuple(272, 352, -100, -140));   // the clicked point stays under the mouse
    EXPECT_EQ(NextPageCaption(1, true), "1&.>>");
    EXPECT_EQ(NextPageCaption(4, false), "4 ||");
}
