// Page arithmetic of printing and preview.
#include <gtest/gtest.h>

#include <tuple>

#include "print/page_geometry.h"

namespace {

auto Tuple(const Box& b)
{
    return std::make_tuple(b.left, b.top, b.right, b.bottom);
}

}   // namespace

TEST(PageGeometry, MarginsLeaveAnInchOrGo)
{
    EXPECT_EQ(MarginTwips(-1250), -720);   // divided by 2500, rounded
    EXPECT_EQ(MulDivRound(INT32_MAX, 2, 1), -1);
    const Margins inch = {2500, 2500, 2500, 2500};
    std::tuple<long, long, Box, bool> cases[] = {
        {12240, 15840, {1440, 1440, 10800, 14400}, true},
        {4320, 15840, {0, 1440, 4320, 14400}, true},   // no inch left between: edge to edge
        {4321, 4320, {1440, 0, 2881, 4320}, false},    // and no page number
    };
    for (auto& [width, height, text, numbers] : cases) {
        PageLayout layout = ComputePageLayout(width, height, inch);
        EXPECT_EQ(Tuple(layout.text), Tuple(text)) << width << "x" << height;
        EXPECT_EQ(layout.numbersAllowed, numbers) << width << "x" << height;
    }
    EXPECT_EQ(Tuple(ComputePageLayout(12240, 15840, {-2500, 2500, 2500, -9}).text),
              std::make_tuple(0L, 1440L, 10800L, 15840L));   // below zero is none
    EXPECT_EQ(Tuple(PageNumberBox(ComputePageLayout(12240, 15840, inch), 301, 201)),
              std::make_tuple(5969L, 619L, 10800L, 1440L));   // halves truncated
}

TEST(PageGeometry, CopiesRangesAndThePreview)
{
    std::tuple<PrintRequest, PrintPlan> plans[] = {
        {{0, false, false, 0, 0}, {1, 1, 1, 65535}},   // no copy at all is one
        {{2, true, true, 3, 2}, {2, 1, 2, 3}},         // a range typed backwards
    };
    for (auto& [request, want] : plans) {
        PrintPlan plan = PlanPrint(request);
        EXPECT_EQ(std::make_tuple(plan.passes, plan.repeats, plan.firstSent, plan.lastPage),
                  std::make_tuple(want.passes, want.repeats, want.firstSent, want.lastPage));
    }
    // A landscape sheet fits the width less the button row; a sheet of no size is not wide.
    std::tuple<Box, PreviewPlace> fits[] = {{{0, 0, 15840, 12240}, {15, 30, 970, 750}},
                                            {{0, 0, 0, 0}, {500, 30, 0, 768}}};
    for (auto& [page, want] : fits) {
        PreviewPlace place = FitPreviewPage(1000, 800, 30, page);
        EXPECT_EQ(std::make_tuple(place.x, place.y, place.width, place.height),
                  std::make_tuple(want.x, want.y, want.width, want.height));
    }
    PreviewMapping zoomed = MapPreview(816, 1056, 3, 50, 70);   // the clicked point stays under the mouse
    EXPECT_EQ(std::make_tuple(zoomed.windowWidth, zoomed.windowHeight, zoomed.originX, zoomed.originY),
              std::make_tuple(272, 352, -100, -140));
}
