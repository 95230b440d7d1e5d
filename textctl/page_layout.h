// Pages of the text control's page formatter: the rows of a range wrapped at
// the page's width as the word-wrapped editor wraps them, as many as the
// page's height holds. No Windows header.
#pragma once
#include <cstddef>
#include <vector>

#include "textctl/wrap_layout.h"

class TextBuffer;

// Size of the text area and of one row, in the target device's units.
struct PageFrame {
    int width = 0;
    int height = 0;
    int lineHeight = 1;   // > 0
};

// Bytes drawn on one row, without its line break.
struct PageRow {
    size_t start = 0;
    size_t end = 0;
};

// Lays out the page of the range [start, end) (end <= text length) that
// begins at start, into *rows (cleared first). Returns the first position
// of the next page, or end when the rest fits. A page holds at least one
// row, so a page too low for a row still moves on; a line break that ends a
// page's last row belongs to that page.
size_t LayOutPage(const TextBuffer& text, const LayoutMetrics& metrics, size_t start, size_t end,
                  const PageFrame& frame, std::vector<PageRow>* rows);

// The range a message asks for, within a text of `length` bytes: a negative
// start is 0, a negative end or one past the text is the text's end.
struct PageRange {
    size_t start = 0;
    size_t end = 0;
};
PageRange ClampPageRange(long start, long end, size_t length);
