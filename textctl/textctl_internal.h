// State of one text control window and the operations its files share.
#pragma once
#include <windows.h>
#include <richedit.h>
#include <richole.h>
#include <string>
#include <vector>

#include "coding/coding_tables.h"
#include "textctl/colour_runs.h"
#include "textctl/row_marks.h"
#include "textctl/text_buffer.h"
#include "textctl/textctl.h"
#include "textctl/wrap_layout.h"

constexpr size_t StreamChunk = 1 << 20;
constexpr int SelectionBarWidth = 8;
constexpr int TextMargin = 2;

// The last edit, enough to take it back once.
struct LastEdit {
    bool available = false;
    size_t pos = 0;
    size_t insertedCount = 0;   // bytes the edit put at pos
    std::string removed;        // bytes the edit took away at pos
    bool typing = false;        // a run of typed characters that the next one may continue
};

// One row on screen: [start, end) of a line, without its line break.
struct Row {
    size_t line = 0;
    size_t index = 0;   // row within the line (always 0 without wrap)
    size_t start = 0;
    size_t end = 0;
    bool lastOfLine = true;
};

struct PageCache;

// Has the system bring in the pages of memory newly taken for the text.
void BringInPages(void* storage, size_t size);

struct TextControl {
    HWND window = nullptr;
    TextBuffer text{BringInPages};
    size_t anchor = 0;
    size_t caret = 0;
    bool modified = false;
    size_t limit = DefaultTextLimit;
    LastEdit undo;
    bool overwrite = false;
    bool hideSelection = false;
    bool showSelection = false;   // shown without the focus too, until the focus changes
    bool redraw = true;
    bool focused = false;
    // From the style at creation: the system drops WS_VSCROLL and WS_HSCROLL
    // from the style while it hides a bar, so the style cannot tell later.
    bool wrap = false;
    bool verticalBar = false;
    bool horizontalBar = false;
    IRichEditOleCallback* oleCallback = nullptr;

    // Look.
    Coding viewCoding = CodingAnsi;
    CHARFORMATA format = {};
    COLORREF background = 0;
    bool systemBackground = true;
    ColourRuns colours;
    HFONT font = nullptr;
    LayoutMetrics metrics;
    wchar_t glyphs[256] = {};
    int lineHeight = 16;
    int breakGlyphWidth = 8;

    // View.
    size_t topLine = 0;
    size_t topRow = 0;
    int xOffset = 0;
    int widestRow = 0;
    int preferredX = -1;
    bool scrollBarsStale = true;
    SCROLLINFO shownBars[2] = {};   // as last set: horizontal, vertical
    LineRows topRows;
    LineRows caretRows;
    LineRows scratchRows;
    RowMarks marks;   // of the longest row asked about lately

    char16_t pendingHalf = 0;   // the first half of a typed surrogate pair

    // Mouse.
    bool dragging = false;
    bool draggingLines = false;
    size_t lineAnchorStart = 0;   // the row first clicked in the selection bar
    size_t lineAnchorEnd = 0;

    PageCache* pageCache = nullptr;   // the page formatter's, until released

    // Paint scratch, kept to avoid allocating per paint.
    std::vector<wchar_t> paintText;
    std::vector<int> paintAdvances;
    std::vector<int> paintMarks;   // x of each invalid byte's box
};

TextControl* ControlOf(HWND window);

// Selection.
inline size_t SelectionStart(const TextControl& c)
{
    return c.anchor < c.caret ? c.anchor : c.caret;
}
inline size_t SelectionEnd(const TextControl& c)
{
    return c.anchor < c.caret ? c.caret : c.anchor;
}
// Sets the selection, then shows the caret and repaints what changed.
void SetSelection(TextControl& c, size_t anchor, size_t caret);
bool IsBreakMiddle(const TextControl& c, size_t pos);   // pos lies between CR and LF
bool IsReadOnly(const TextControl& c);

// Characters (textctl_chars.cpp). Keys and the mouse stop only where a
// character starts: not between CR and LF (CaretStop), nor inside a valid
// sequence of the UTF-8 view or before its byte-order mark (CharStop).
size_t CharStop(const TextControl& c, size_t pos);
size_t CaretStop(const TextControl& c, size_t pos);
size_t CharLeft(const TextControl& c, size_t pos);
size_t CharRight(const TextControl& c, size_t pos);
// The bytes of a typed character (WM_CHAR: a byte, or in the UTF-8 view a
// Windows-1251 character; unicode: a code point or one half of a pair) in
// the view coding; 0 when there are none yet.
size_t TypedBytes(TextControl& c, uint32_t code, bool unicode, uint8_t bytes[4]);

// Editing (textctl_edit.cpp). Replaces [start, end) with bytes; false when the
// limit refuses it or memory runs out. The caret ends after the new bytes.
bool ReplaceRange(TextControl& c, size_t start, size_t end, const uint8_t* bytes, size_t count, bool typing = false);
// Replaces everything; the undo buffer is emptied. Caret at 0.
bool ReplaceAll(TextControl& c, const uint8_t* bytes, size_t count);
void ForgetUndo(TextControl& c);
bool UndoLastEdit(TextControl& c);
// After the text changed from pos on: layout caches, scroll bars, repaint.
void TextChanged(TextControl& c, size_t pos, bool linesChanged);
// After an edit that kept the lines: layout kept where it read no changed byte.
void LayoutEdited(TextControl& c, size_t pos, size_t removed, size_t inserted);

// View (textctl_view.cpp).
bool WrapMode(const TextControl& c);
int TextAreaWidth(const TextControl& c);
int TextLeft(const TextControl& c);
size_t VisibleRows(const TextControl& c);
Row RowAt(TextControl& c, size_t line, size_t index);
Row RowOfPosition(TextControl& c, size_t pos);
bool NextRow(TextControl& c, Row& row);
bool PreviousRow(TextControl& c, Row& row);
Row TopRow(TextControl& c);
void ScrollTo(TextControl& c, size_t line, size_t index);
void ScrollRows(TextControl& c, long delta);
void ScrollHorizontally(TextControl& c, int x);
void ShowCaretRow(TextControl& c);
void UpdateScrollBars(TextControl& c);
void SetScrollBarsNow(TextControl& c);
void PlaceCaret(TextControl& c);
void ResetLayout(TextControl& c);
// x of pos on the row starting at rowStart, and the mark to look for x from:
// a long row is measured from its nearest mark, not from its start.
int XInRow(TextControl& c, size_t rowStart, size_t pos);
RowMark MarkBeforeX(TextControl& c, size_t rowStart, size_t rowEnd, int x);
// Characters from the start of pos's line to pos (bytes but in the UTF-8 view).
size_t ColumnOf(TextControl& c, size_t pos);
// Client point of a position's top left; false when its row is not on screen.
bool PointOfPosition(TextControl& c, size_t pos, POINT* point);
size_t PositionFromPoint(TextControl& c, int x, int y);
// Row offset from the top of the window; -1 when above, VisibleRows()+1 when below.
long ScreenRowOf(TextControl& c, const Row& row);
// Repaints the rows on screen that hold positions from..to.
void InvalidateRange(TextControl& c, size_t from, size_t to);
void Repaint(TextControl& c);

// Look (textctl_paint.cpp).
// The font of a character format for a device of pixelsPerInch rows per inch.
HFONT CreateFormatFont(const CHARFORMATA& format, int pixelsPerInch);
// Widths of the 256 glyphs in the font selected into dc, and with utf8 of
// the UTF-8 view's characters; returns its row height.
int MeasureGlyphs(HDC dc, const wchar_t* glyphs, bool utf8, LayoutMetrics* metrics);
// The glyphs a character is drawn from, whose advances add up to its width:
// at most MaxGlyphsPerChar, none for a byte-order mark. An invalid byte of
// the UTF-8 view is its two hex digits; the painter draws their box.
constexpr size_t MaxGlyphsPerChar = 3;
size_t GlyphsOf(const TextControl& c, const LayoutMetrics& metrics, const LayoutChar& ch, int width, wchar_t* glyphs,
                int* advances);
void RebuildFont(TextControl& c);
void Paint(TextControl& c);
COLORREF TextColour(const TextControl& c);
// Colour of pos; *runEnd gets where that colour ends, at most end.
COLORREF ColourRunAt(const TextControl& c, size_t pos, size_t end, size_t* runEnd);
COLORREF BackgroundColour(const TextControl& c);

// Clipboard (textctl_clipboard.cpp).
void CopySelection(TextControl& c);
void CutSelection(TextControl& c);
void PasteClipboard(TextControl& c);

// Words (textctl_words.cpp): the next word boundary left or right of pos.
size_t WordLeft(const TextControl& c, size_t pos);
size_t WordRight(const TextControl& c, size_t pos);

// Message groups: each returns true when it handled the message.
bool TextMessage(TextControl& c, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
bool WordMessage(TextControl& c, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
bool LineMessage(TextControl& c, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
bool CharFormatMessage(TextControl& c, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
bool InputMessage(TextControl& c, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
bool ScrollMessage(TextControl& c, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
bool ClipboardMessage(TextControl& c, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
bool PageMessage(TextControl& c, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

// Pages (textctl_print.cpp): frees the formatter's measurements and last page.
void ReleasePageCache(TextControl& c);
