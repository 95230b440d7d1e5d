#include "print/print_document.h"

#include <windows.h>
#include <commdlg.h>

#include "editor/editor_calls.h"
#include "editor/editor_host.h"
#include "editor/editor_state.h"
#include "editor/wait_cursor.h"
#include "print/page_number_field.h"
#include "print/printer.h"
#include "textctl/textctl_calls.h"

namespace {

struct PrintJob {
    HDC printer;
    PageLayout layout;
    PrintPlan plan;
    CHARRANGE range;    // what is printed
    HWND numberField;   // null without page numbers
};

// The dialog's answer; false when it was cancelled.
bool AskPrintDialog(PRINTDLGA& dialog)
{
    CHARRANGE selection = EditorSelection();
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = HostWindow();
    dialog.hDevMode = Printing.DevMode;
    dialog.hDevNames = Printing.DevNames;
    dialog.Flags = PD_RETURNDC | (selection.cpMax - selection.cpMin < 2 ? PD_NOSELECTION : 0);
    dialog.nFromPage = dialog.nToPage = LastPossiblePage;
    dialog.nMinPage = 1;
    dialog.nMaxPage = LastPossiblePage;
    dialog.nCopies = 1;
    if (!PrintDlgA(&dialog)) return false;
    KeepPrinterSetup(dialog.hDevMode, dialog.hDevNames);
    return dialog.hDC != nullptr;
}

// The file a job printed to file goes to; false when the user cancels. The
// program asks itself: a system that took "FILE:" for a name would write a
// file of that name wherever the program happens to stand.
bool AskOutputFile(wchar_t (&name)[PathCapacity])
{
    OPENFILENAMEW record = {};
    record.lStructSize = OPENFILENAME_SIZE_VERSION_400W;
    record.hwndOwner = HostWindow();
    record.lpstrFilter = L"All Files (*.*)\0*.*\0";
    record.lpstrFile = name;
    record.nMaxFile = PathCapacity;
    record.lpstrTitle = L"Print to File";
    record.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_NOCHANGEDIR;
    return GetSaveFileNameW(&record);
}

// Wide, so a Cyrillic file name reaches the spooler and the output file whole.
bool StartJob(HDC printer, bool toFile)
{
    wchar_t output[PathCapacity] = L"";
    if (toFile && !AskOutputFile(output)) return false;
    wchar_t name[PathCapacity];
    GetWindowTextW(HostWindow(), name, PathCapacity);
    DOCINFOW document = {sizeof document, name, toFile ? output : nullptr, nullptr, 0};
    return StartDocW(printer, &document) > 0;
}

// Sends one laid-out page `copies` times; false when the printer refuses it.
bool SendPage(const PrintJob& job, const RECT& numberPlace, unsigned copies)
{
    for (unsigned copy = 0; copy < copies; ++copy) {
        if (StartPage(job.printer) <= 0) return false;
        if (job.numberField) DrawControlBand(job.numberField, numberPlace);
        DrawEditorBand(ToRect(job.layout.text));
        if (EndPage(job.printer) <= 0) return false;
    }
    return true;
}

// One pass over the range: every page laid out from the first, the chosen ones sent.
bool PrintPass(const PrintJob& job)
{
    FORMATRANGE range = {job.printer, job.printer, ToRect(job.layout.text), ToRect(job.layout.page), job.range};
    RECT numberPlace = {};
    ReleaseEditorPages();
    unsigned page = 1;
    do {
        if (job.numberField)
            numberPlace = FormatPageNumber(job.numberField, job.printer, job.printer, job.layout, page, false);
        LONG next = FormatEditorPage(range, false);
        if (page >= job.plan.firstSent && !SendPage(job, numberPlace, job.plan.repeats)) return false;
        ++page;
        range.chrg.cpMin = next;
    } while (range.chrg.cpMin < job.range.cpMax && page <= job.plan.lastPage);
    return true;
}

void RunJob(PrintJob& job)
{
    if (Printing.PageNumbering && job.layout.numbersAllowed) job.numberField = CreatePageNumberField(HostWindow());
    if (job.numberField) StylePageNumberField(job.numberField);
    bool sent = true;
    for (unsigned pass = 0; sent && pass < job.plan.passes; ++pass) sent = PrintPass(job);
    if (sent)
        EndDoc(job.printer);
    else
        AbortDoc(job.printer);
    if (job.numberField) DestroyWindow(job.numberField);
}

}   // namespace

void PrintDocument()
{
    PRINTDLGA dialog = {};
    if (!AskPrintDialog(dialog)) return;
    if (!StartJob(dialog.hDC, dialog.Flags & PD_PRINTTOFILE)) {
        DeleteDC(dialog.hDC);
        return;
    }
    WaitCursor wait;
    HWND main = HostWindow();
    EnableWindow(main, FALSE);
    PrintRequest request = {dialog.nCopies, (dialog.Flags & PD_COLLATE) != 0, (dialog.Flags & PD_PAGENUMS) != 0,
                            dialog.nFromPage, dialog.nToPage};
    PrintJob job = {dialog.hDC, PrinterPageLayout(dialog.hDC), PlanPrint(request), {0, EditorTextLength()}, nullptr};
    if (dialog.Flags & PD_SELECTION) job.range = EditorSelection();
    RunJob(job);
    DeleteDC(dialog.hDC);
    ReleaseEditorPages();
    EnableWindow(main, TRUE);
}
