#include "print/page_count.h"

#include <windows.h>

#include "editor/editor_calls.h"
#include "editor/editor_host.h"
#include "editor/wait_cursor.h"
#include "print/printer.h"
#include "res/resource.h"

namespace {

// Pages of the whole text on the printer, PageCountLimit when there are too
// many or the formatter makes no progress.
unsigned CountPrinterPages(HDC printer)
{
    PageLayout layout = PrinterPageLayout(printer);
    FORMATRANGE range = {printer, printer, ToRect(layout.text), ToRect(layout.page), {0, EditorTextLength()}};
    const LONG end = range.chrg.cpMax;
    unsigned count = 0;
    ReleaseEditorPages();
    do {
        range.chrg.cpMin = FormatEditorPage(range, false);
        ++count;
    } while (range.chrg.cpMin < end && count < PageCountLimit);
    return count;
}

}   // namespace

void CountPages()
{
    HWND main = HostWindow();
    unsigned count = 0;   // no printer
    if (HDC printer = GetPrinterDC()) {
        WaitCursor wait;   // gone before the question
        EnableWindow(main, FALSE);
        count = CountPrinterPages(printer);
        DeleteDC(printer);
        ReleaseEditorPages();
        EnableWindow(main, TRUE);
    }
    int answer = MessageBoxA(main, "Include Number of Pages?", PageCountCaption(count).c_str(),
                             MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
    Printing.PageNumbering = answer == IDYES;
    CheckMenuItem(GetMenu(main), CMD_PAGE_NUMBERS, MF_BYCOMMAND | (Printing.PageNumbering ? MF_CHECKED : MF_UNCHECKED));
}
