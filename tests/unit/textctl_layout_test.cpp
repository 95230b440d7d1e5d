// Wrap points, x <-> position arithmetic and colour runs of the text control.
#include <gtest/gtest.h>

#include <string>

#include "textctl/colour_runs.h"
#include "textctl/text_buffer.h"
#include "textctl/wrap_layout.h"

namespace {

// Every byte 10 pixels wide, 'W' 20, tabs every 40.
LayoutMetrics TestMetrics()
{
    LayoutMetrics metrics;
    for (int& width : metrics.widths) width = 10;
    metrics.widths['W'] = 20;
    metrics.tabWidth = 40;
    return metrics;
}

void Fill(TextBuffer& text, const std::string& bytes)
{
    text.Clear();
    text.Insert(0, reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

std::vector<size_t> RowStarts(const TextBuffer& text, const LayoutMetrics& metrics, int width)
{
    LineRows rows;
    size_t end = text.LineLength(0);
    size_t count = rows.Count(text, metrics, 0, end, width);
    std::vector<size_t> starts;
    for (size_t i = 0; i < count; ++i) starts.push_back(rows.RowStart(text, metrics, 0, end, width, i));
    return starts;
}

}   // namespace

TEST(TextLayout, TabsAdvanceToTheNextStop)
{
    TextBuffer text;
    Fill(text, "a\tW\t\tb");
    LayoutMetrics metrics = TestMetrics();
    EXPECT_EQ(XOfPosition(text, metrics, 0, 1), 10);
    EXPECT_EQ(XOfPosition(text, metrics, 0, 2), 40);
    EXPECT_EQ(XOfPosition(text, metrics, 0, 3), 60);
    EXPECT_EQ(XOfPosition(text, metrics, 0, 4), 80);
    EXPECT_EQ(XOfPosition(text, metrics, 0, 5), 120);
    EXPECT_EQ(XOfPosition(text, metrics, 2, 4), 40);   // stops count from the row start
}

TEST(TextLayout, XMapsToTheNearestBoundary)
{
    TextBuffer text;
    Fill(text, "ab\tW");
    LayoutMetrics metrics = TestMetrics();
    EXPECT_EQ(PositionFromX(text, metrics, 0, 4, -5), 0u);
    EXPECT_EQ(PositionFromX(text, metrics, 0, 4, 4), 0u);
    EXPECT_EQ(PositionFromX(text, metrics, 0, 4, 6), 1u);
    EXPECT_EQ(PositionFromX(text, metrics, 0, 4, 25), 2u);   // tab spans 20..40
    EXPECT_EQ(PositionFromX(text, metrics, 0, 4, 31), 3u);
    EXPECT_EQ(PositionFromX(text, metrics, 0, 4, 51), 4u);
    EXPECT_EQ(PositionFromX(text, metrics, 0, 4, 500), 4u);
    int startX = -1;
    EXPECT_EQ(FirstPositionAtX(text, metrics, 0, 4, 25, &startX), 2u);
    EXPECT_EQ(startX, 20);
    EXPECT_EQ(FirstPositionAtX(text, metrics, 0, 4, 900, &startX), 4u);
    EXPECT_EQ(startX, 60);
}

TEST(TextLayout, RowsBreakAfterBlanksOrInsideLongWords)
{
    TextBuffer text;
    LayoutMetrics metrics = TestMetrics();
    Fill(text, "aaa bbb ccc");
    EXPECT_EQ(RowStarts(text, metrics, 75), (std::vector<size_t>{0, 8}));
    EXPECT_EQ(RowStarts(text, metrics, 35), (std::vector<size_t>{0, 4, 8}));
    EXPECT_EQ(RowStarts(text, metrics, 1000), (std::vector<size_t>{0}));
    Fill(text, "abcdefgh");
    EXPECT_EQ(RowStarts(text, metrics, 30), (std::vector<size_t>{0, 3, 6}));
    EXPECT_EQ(RowStarts(text, metrics, 5), (std::vector<size_t>{0, 1, 2, 3, 4, 5, 6, 7}));
    Fill(text, "ab      cd");   // blanks hang past the edge instead of starting a row
    EXPECT_EQ(RowStarts(text, metrics, 40), (std::vector<size_t>{0, 8}));
    Fill(text, "");
    EXPECT_EQ(RowStarts(text, metrics, 40), (std::vector<size_t>{0}));
}

TEST(TextLayout, RowOfAPositionAndWrapPoints)
{
    TextBuffer text;
    LayoutMetrics metrics = TestMetrics();
    Fill(text, "aaa bbb ccc\r\nnext");
    LineRows rows;
    size_t end = text.LineLength(0);
    EXPECT_EQ(rows.RowOf(text, metrics, 0, end, 35, 3), 0u);
    EXPECT_EQ(rows.RowOf(text, metrics, 0, end, 35, 4), 1u);   // a wrap point opens the next row
    EXPECT_EQ(rows.RowOf(text, metrics, 0, end, 35, 11), 2u);
    EXPECT_EQ(rows.RowEnd(text, metrics, 0, end, 35, 1), 8u);
    EXPECT_EQ(rows.RowEnd(text, metrics, 0, end, 35, 2), 11u);
    // Rows of a long line are only computed as far as asked.
    std::string longLine(100000, 'w');
    Fill(text, longLine);
    EXPECT_EQ(rows.RowStart(text, metrics, 0, 100000, 100, 3), 30u);
    EXPECT_EQ(rows.Count(text, metrics, 0, 100000, 100), 10000u);
    EXPECT_EQ(rows.RowOf(text, metrics, 0, 100000, 100, 99999), 9999u);
}

TEST(ColourRuns, RunsFollowEdits)
{
    ColourRuns runs;
    runs.Set(10, 20, 1);
    runs.Set(15, 30, 2);
    ASSERT_EQ(runs.runs().size(), 2u);
    EXPECT_EQ(runs.runs()[0].end, 15u);
    EXPECT_EQ(runs.runs()[1].start, 15u);
    runs.Inserted(12, 5);   // inside the first run: it grows, the second moves
    EXPECT_EQ(runs.runs()[0].end, 20u);
    EXPECT_EQ(runs.runs()[1].start, 20u);
    EXPECT_EQ(runs.runs()[1].end, 35u);
    runs.Inserted(20, 1);   // at a run's start: the run moves
    EXPECT_EQ(runs.runs()[1].start, 21u);
    runs.Erased(5, 10);   // cuts into the first run
    EXPECT_EQ(runs.runs()[0].start, 5u);
    EXPECT_EQ(runs.runs()[0].end, 10u);
    runs.Erased(4, 20);   // swallows everything but the tail of the second
    ASSERT_EQ(runs.runs().size(), 1u);
    EXPECT_EQ(runs.runs()[0].start, 4u);
    EXPECT_EQ(runs.runs()[0].end, 6u);
    EXPECT_EQ(runs.FirstEndingAfter(5), 0u);
    EXPECT_EQ(runs.FirstEndingAfter(6), 1u);
    runs.Set(0, 100, 3);
    ASSERT_EQ(runs.runs().size(), 1u);
    EXPECT_EQ(runs.runs()[0].colour, 3u);
}

TEST(ColourRuns, RandomEditsMatchAColourPerByte)
{
    std::vector<uint32_t> model(200, 0);   // 0: no run
    ColourRuns runs;
    uint32_t seed = 99;
    auto next = [&seed](uint32_t limit) { return ((seed = seed * 1103515245u + 12345u) >> 8 & 0xFFFF) % limit; };
    size_t ran[3] = {};   // each operation, so the mix cannot silently collapse to one
    for (int step = 0; step < 3000; ++step) {
        size_t pos = next(static_cast<uint32_t>(model.size() + 1));
        size_t count = next(20);
        uint32_t operation = next(3);
        ++ran[operation];
        switch (operation) {
        case 0: {
            size_t end = std::min(model.size(), pos + count);
            uint32_t colour = 1 + next(5);
            runs.Set(pos, end, colour);
            for (size_t i = pos; i < end; ++i) model[i] = colour;
            break;
        }
        case 1: {
            runs.Inserted(pos, count);
            // Inside a colour the new bytes take it; between two, none.
            bool inside = pos > 0 && pos < model.size() && model[pos - 1] == model[pos];
            uint32_t colour = inside ? model[pos] : 0;
            model.insert(model.begin() + static_cast<ptrdiff_t>(pos), count, colour);
            break;
        }
        default: {
            size_t end = std::min(model.size(), pos + count);
            runs.Erased(pos, end - pos);
            model.erase(model.begin() + static_cast<ptrdiff_t>(pos), model.begin() + static_cast<ptrdiff_t>(end));
        }
        }
        std::vector<uint32_t> drawn(model.size(), 0);
        size_t previousEnd = 0;
        for (const auto& run : runs.runs()) {
            ASSERT_LT(run.start, run.end);
            ASSERT_LE(previousEnd, run.start);
            ASSERT_LE(run.end, model.size());
            previousEnd = run.end;
            for (size_t i = run.start; i < run.end; ++i) drawn[i] = run.colour;
        }
        ASSERT_EQ(drawn, model) << "step " << step;
    }
    for (size_t count : ran) EXPECT_GT(count, 800u);
}

TEST(TextLayout, Utf8ViewMeasuresAndBreaksWholeCharacters)
{
    // a (10), Ж (12), an emoji (20), an invalid byte (16), b (10); a byte-order mark takes no room.
    const std::string bytes = "a\xD0\x96\xF0\x9F\x98\x80\x80" "b";
    TextBuffer text;
    Fill(text, bytes);
    LayoutMetrics metrics = TestMetrics();
    metrics.unitWidths.assign(0x10000, 10);
    metrics.unitWidths[0x416] = 12;
    metrics.astralWidth = 20;
    metrics.invalidWidth = 16;
    const struct {
        size_t pos;
        int x;
    } xs[] = {{0, 0}, {1, 10}, {2, 10}, {3, 22}, {5, 22}, {7, 42}, {8, 58}, {9, 68}};
    for (const auto& c : xs) EXPECT_EQ(XOfPosition(text, metrics, 0, c.pos), c.x) << c.pos;
    const struct {
        int x;
        size_t pos;
    } nearest[] = {{15, 1}, {17, 3}, {23, 3}, {31, 3}, {33, 7}, {49, 7}, {51, 8}, {100, 9}};
    for (const auto& c : nearest) EXPECT_EQ(PositionFromX(text, metrics, 0, 9, c.x), c.pos) << c.x;
    int startX = -1;
    EXPECT_EQ(FirstPositionAtX(text, metrics, 0, 9, 30, &startX), 3u);
    EXPECT_EQ(startX, 22);
    EXPECT_EQ(WrapRowEnd(text, metrics, 0, 9, 30), 3u);
    EXPECT_EQ(WrapRowEnd(text, metrics, 1, 9, 5), 3u);   // at least one whole character
    EXPECT_EQ(RowStarts(text, metrics, 30), (std::vector<size_t>{0, 3, 7}));
    metrics.unitWidths[0xFEFF] = 0;
    Fill(text, "\xEF\xBB\xBF" "ab");
    EXPECT_EQ(XOfPosition(text, metrics, 0, 4), 10);
}
