// The layout kept across edits of a long line (wrapped rows, marks along a
// row) against the same layout made afresh.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "coding/utf8_chars.h"
#include "textctl/row_marks.h"
#include "textctl/text_buffer.h"
#include "textctl/wrap_layout.h"

namespace {

constexpr int Width = 300;

// Words of Russian UTF-8, Latin letters, tabs and stray bytes: read as bytes or as UTF-8.
std::string LongLine(size_t size)
{
    const char* pieces[] = {"\xD0\xB6\xD0\xB8\xD1\x82\xD1\x8C ",
                            "abc ",
                            "\t",
                            "\xF0\x9F\x98\x80",
                            "\xD0",
                            "wwwwwwwwwwww",
                            "\x96\x96 ",
                            "  "};
    std::string text;
    for (uint32_t seed = 7; text.size() < size; seed = seed * 1103515245u + 12345u) text += pieces[(seed >> 16) % 8];
    return text;
}

LayoutMetrics Metrics(bool utf8)
{
    LayoutMetrics metrics;
    for (int b = 0; b < 256; ++b) metrics.widths[b] = 6 + b % 5;
    metrics.tabWidth = 48;
    if (utf8) metrics.unitWidths.assign(0x10000, 9), metrics.astralWidth = 15, metrics.invalidWidth = 14;
    return metrics;
}

std::vector<size_t> RowStarts(LineRows& rows, const TextBuffer& text, const LayoutMetrics& metrics)
{
    const size_t end = text.LineLength(0), count = rows.Count(text, metrics, 0, end, Width);
    std::vector<size_t> starts;
    for (size_t i = 0; i < count; ++i) starts.push_back(rows.RowStart(text, metrics, 0, end, Width, i));
    return starts;
}

struct Edit {
    long pos;   // from the end when negative
    size_t removed;
    const char* inserted;
};

}   // namespace

TEST(KeptLayout, MatchesAFreshLayoutAfterEdits)
{
    // First: a fourth byte after three stray ones just before the first mark makes them one character.
    const Edit edits[] = {
        {RowMarks::Stride, 0, "\x80"},
        {-1, 0, "\xD0\xB6"},
        {-2, 2, ""},
        {-1, 1, "x"},
        {150000, 0, "\x96"},
        {150000, 1, ""},
        {70000, 0, " "},
        {70000, 3, "\t\t"},
        {1, 0, "wwwwwwww"},
        {0, 4, ""},
        {-1, 0, "  "},
        {200000, 5000, ""},
    };
    for (bool utf8 : {false, true}) {
        const LayoutMetrics metrics = Metrics(utf8);
        std::string model = LongLine(300000);
        model.replace(RowMarks::Stride - 8, 9, "aaaaa\xF0\x9F\x98z");
        TextBuffer text;
        text.Insert(0, reinterpret_cast<const uint8_t*>(model.data()), model.size());
        LineRows rows;
        RowMarks marks;
        RowStarts(rows, text, metrics);
        marks.Before(text, metrics, 0, model.size());
        for (const Edit& edit : edits) {
            const size_t pos = edit.pos < 0 ? model.size() + 1 + edit.pos : size_t(edit.pos);
            const std::string inserted = edit.inserted;
            text.Replace(pos, edit.removed, reinterpret_cast<const uint8_t*>(inserted.data()), inserted.size());
            model.replace(pos, edit.removed, inserted);
            rows.Changed(pos, edit.removed, inserted.size());
            marks.Changed(pos);
            SCOPED_TRACE(testing::Message() << (utf8 ? "UTF-8" : "bytes") << ", edit at " << pos);
            LineRows fresh;
            ASSERT_EQ(RowStarts(rows, text, metrics), RowStarts(fresh, text, metrics));
            for (size_t at : {size_t(0), pos - pos % 3, pos + 70001, model.size() - 1, model.size()}) {
                at = std::min(at, model.size());
                const int x = XOfPosition(text, metrics, size_t(0), at);
                EXPECT_EQ(XOfPosition(text, metrics, marks.Before(text, metrics, 0, at), at), x) << at;
                const size_t chars = utf8 ? Utf8CharCount(reinterpret_cast<const uint8_t*>(model.data()), at) : at;
                EXPECT_EQ(CharsBefore(marks, text, metrics, 0, at), chars) << at;
                int fromStart = 0, fromMark = 0;
                const RowMark near = marks.BeforeX(text, metrics, 0, model.size(), x + 5);
                EXPECT_EQ(PositionFromX(text, metrics, near, model.size(), x + 5),
                          PositionFromX(text, metrics, size_t(0), model.size(), x + 5));
                EXPECT_EQ(FirstPositionAtX(text, metrics, near, model.size(), x + 5, &fromMark),
                          FirstPositionAtX(text, metrics, size_t(0), model.size(), x + 5, &fromStart));
                EXPECT_EQ(fromMark, fromStart);
            }
        }
    }
}
