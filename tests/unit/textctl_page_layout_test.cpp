// Pages of the page formatter: rows per page, where pages break, and that
// the pages' rows are the word-wrapped editor's rows.
#include <gtest/gtest.h>

#include <string>

#include "textctl/page_layout.h"
#include "textctl/text_buffer.h"

namespace {

// Pages of [start, end) as "start-end start-end | ...".
std::string Pages(const TextBuffer& text, const LayoutMetrics& metrics, size_t start, size_t end, PageFrame frame)
{
    std::string out;
    std::vector<PageRow> rows;
    do {
        start = LayOutPage(text, metrics, start, end, frame, &rows);
        if (!out.empty()) out += " | ";
        for (const PageRow& row : rows)
            out += std::to_string(row.start) + "-" + std::to_string(row.end) + (&row == &rows.back() ? "" : " ");
    } while (start < end && out.size() < 100000);   // a page that does not move on fails, not hangs
    return out;
}

}   // namespace

TEST(PageLayout, RowsFillPagesAndEveryPageMovesOn)
{
    LayoutMetrics metrics;
    for (int& width : metrics.widths) width = 10;
    struct Case {
        std::string bytes;
        size_t start, end;
        int width, height;   // line height 10
        const char* pages;
    } cases[] = {
        {"aaa bbb ccc\r\nd", 0, 14, 75, 20, "0-8 8-11 | 13-14"},
        {"a\rb\nc\r\nd", 0, 8, 100, 10, "0-1 | 2-3 | 4-5 | 7-8"},   // every kind of line break
        {"ab\r\n\r\ncd\r\n", 0, 10, 100, 25, "0-2 4-4 | 6-8"},      // the break after the last row ends it
        {"abcdef", 0, 6, 25, 3, "0-2 | 2-4 | 4-6"},                 // lower than a row: one row a page
        {"abcdef", 1, 4, 100, 30, "1-4"},                           // a range ending inside a line
        {"ab\r\ncd", 3, 6, 100, 30, "3-3 4-6"},                     // a start between CR and LF
        {"", 0, 0, 100, 30, ""},
    };
    for (const Case& c : cases) {
        TextBuffer text;
        text.Insert(0, reinterpret_cast<const uint8_t*>(c.bytes.data()), c.bytes.size());
        EXPECT_EQ(Pages(text, metrics, c.start, c.end, {c.width, c.height, 10}), c.pages) << c.bytes;
    }
}

TEST(PageLayout, PagesHoldTheEditorsRowsInOrder)
{
    LayoutMetrics metrics;
    for (int b = 0; b < 256; ++b) metrics.widths[b] = 5 + b % 7;
    std::string bytes;
    const char* pieces[] = {"word ", "longerword ", "\r\n", "\r", "\n", "\t", " ", "x"};
    for (uint32_t seed = 7; bytes.size() < 20000;) bytes += pieces[(seed = seed * 1103515245u + 12345u) >> 16 & 7];
    TextBuffer text;
    text.Insert(0, reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    std::string editor;
    LineRows lineRows;
    for (size_t line = 0; line < text.LineCount(); ++line) {
        size_t start = text.LineStart(line), end = start + text.LineLength(line);
        size_t count = lineRows.Count(text, metrics, start, end, 60);
        if (line + 1 == text.LineCount() && start == end) break;   // nothing after the last break
        for (size_t row = 0; row < count; ++row)
            editor += (editor.empty() ? "" : " ")
                + std::to_string(lineRows.RowStart(text, metrics, start, end, 60, row)) + "-"
                + std::to_string(lineRows.RowEnd(text, metrics, start, end, 60, row));
    }
    std::string paged = Pages(text, metrics, 0, text.Length(), {60, 70, 10});
    EXPECT_NE(paged.find(" | "), std::string::npos);
    for (size_t at; (at = paged.find(" | ")) != std::string::npos;) paged.replace(at, 3, " ");
    EXPECT_EQ(paged, editor);
}
