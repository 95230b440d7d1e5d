#include "print/preview.h"

#include <windows.h>
#include <windowsx.h>
#include <richedit.h>
#include <string>

#include "editor/modal_dialog.h"
#include "editor/editor_calls.h"
#include "editor/editor_host.h"
#include "editor/editor_state.h"
#include "print/page_number_field.h"
#include "print/printer.h"
#include "res/resource.h"
#include "settings/settings.h"

namespace {

constexpr int WholePage = 1;
constexpr int Zoomed = 3;
constexpr int ButtonRowGap = 4;

struct PreviewState {
    HDC printer;
    PageLayout layout;
    bool numbering;
    LONG pageStart;
    LONG nextPageStart;   // found when the page was drawn
    unsigned pageNumber;
    int zoom;
    POINT zoomPoint;   // in the page control's client coordinates, kept from one preview to the next
    HCURSOR zoomIn;
    HCURSOR zoomOut;
};
PreviewState Preview;

HWND PageControl(HWND dialog)
{
    return GetDlgItem(dialog, IDC_PREVIEW_PAGE);
}

bool OverPage(HWND dialog, POINT screenPoint)
{
    RECT page;
    return GetWindowRect(PageControl(dialog), &page) && PtInRect(&page, screenPoint);
}

void OpenPreview(HWND dialog)
{
    Preview.pageStart = Preview.nextPageStart = 0;
    Preview.pageNumber = 1;
    wchar_t title[PathCapacity];
    GetWindowTextW(HostWindow(), title, PathCapacity);
    SetWindowTextW(dialog, (std::wstring(L"PreView: ") + title).c_str());
    ShowWindow(dialog, SW_SHOWMAXIMIZED);
}

void FitPage(HWND dialog, int width, int height)
{
    RECT button = {};
    GetWindowRect(GetDlgItem(dialog, IDC_PREVIEW_NEXT), &button);
    PreviewPlace place = FitPreviewPage(width, height, button.bottom - button.top + ButtonRowGap, Preview.layout.page);
    MoveWindow(PageControl(dialog), place.x, place.y, place.width, place.height, FALSE);
    InvalidateRect(dialog, nullptr, TRUE);
}

void ZoomAt(HWND dialog, POINT point)
{
    ClientToScreen(dialog, &point);
    if (!OverPage(dialog, point)) return;
    ScreenToClient(PageControl(dialog), &point);
    Preview.zoom = WholePage + Zoomed - Preview.zoom;
    Preview.zoomPoint = point;
    InvalidateRect(PageControl(dialog), nullptr, TRUE);
}

void ShowPage(HWND dialog, LONG start, unsigned number)
{
    Preview.pageStart = start;
    Preview.pageNumber = number;
    InvalidateRect(PageControl(dialog), nullptr, TRUE);
}

// Logical units become screen pixels of the whole sheet, spread over the control.
void MapSheet(HDC dc, const RECT& control)
{
    HDC printer = Preview.printer;
    int width = MulDiv(GetDeviceCaps(printer, PHYSICALWIDTH), GetDeviceCaps(dc, LOGPIXELSX),
                       GetDeviceCaps(printer, LOGPIXELSX));
    int height = MulDiv(GetDeviceCaps(printer, PHYSICALHEIGHT), GetDeviceCaps(dc, LOGPIXELSY),
                        GetDeviceCaps(printer, LOGPIXELSY));
    PreviewMapping mapping = MapPreview(width, height, Preview.zoom, Preview.zoomPoint.x, Preview.zoomPoint.y);
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, mapping.windowWidth, mapping.windowHeight, nullptr);
    SetViewportExtEx(dc, control.right, control.bottom, nullptr);
    SetViewportOrgEx(dc, mapping.originX, mapping.originY, nullptr);
}

void ShowNextButton(HWND dialog, bool more)
{
    HWND next = GetDlgItem(dialog, IDC_PREVIEW_NEXT);
    EnableWindow(next, more);
    SetWindowTextA(next, NextPageCaption(Preview.pageNumber, more).c_str());
}

void DrawPage(HWND dialog, const DRAWITEMSTRUCT& item)
{
    HDC dc = item.hDC;
    int saved = SaveDC(dc);
    FillRect(dc, &item.rcItem, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetBkColor(dc, ReadSettingNumber(SettingName::Background));
    MapSheet(dc, item.rcItem);
    if (Preview.numbering) {
        HWND field = GetDlgItem(dialog, IDC_PREVIEW_NUMBER);
        StylePageNumberField(field);
        FormatPageNumber(field, dc, Preview.printer, Preview.layout, Preview.pageNumber, true);
    }
    LONG length = EditorTextLength();
    FORMATRANGE range = {
        dc, Preview.printer, ToRect(Preview.layout.text), ToRect(Preview.layout.page), {Preview.pageStart, length}};
    ReleaseEditorPages();
    Preview.nextPageStart = FormatEditorPage(range, true);
    ReleaseEditorPages();
    ShowNextButton(dialog, Preview.nextPageStart < length);
    RestoreDC(dc, saved);
}

bool Command(HWND dialog, WORD id)
{
    switch (id) {
    case IDOK:
    case IDCANCEL:
        EndDialog(dialog, id);
        return true;
    case IDC_PREVIEW_FIRST:
        ShowPage(dialog, 0, 1);
        return true;
    case IDC_PREVIEW_NEXT:
        ShowPage(dialog, Preview.nextPageStart, Preview.pageNumber + 1);
        return true;
    }
    return false;
}

bool SetPageCursor(HWND dialog)
{
    POINT cursor;
    if (!GetCursorPos(&cursor) || !OverPage(dialog, cursor)) return false;
    SetCursor(Preview.zoom == WholePage ? Preview.zoomIn : Preview.zoomOut);
    SetWindowLongPtrA(dialog, DWLP_MSGRESULT, TRUE);
    return true;
}

INT_PTR CALLBACK PreviewProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        OpenPreview(dialog);
        return TRUE;
    case WM_SIZE:
        FitPage(dialog, LOWORD(lParam), HIWORD(lParam));
        return FALSE;
    case WM_SETCURSOR:
        return SetPageCursor(dialog);
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        ZoomAt(dialog, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return TRUE;
    case WM_COMMAND:
        return Command(dialog, LOWORD(wParam));
    case WM_DRAWITEM:
        if (wParam != IDC_PREVIEW_PAGE) return FALSE;
        DrawPage(dialog, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    }
    return FALSE;
}

}   // namespace

void ShowPreview()
{
    HDC printer = GetPrinterDC();
    if (!printer) return;
    Preview.printer = printer;
    Preview.layout = PrinterPageLayout(printer);
    Preview.numbering = Printing.PageNumbering && Preview.layout.numbersAllowed;
    Preview.zoom = WholePage;
    Preview.zoomIn = LoadCursorA(HostInstance(), MAKEINTRESOURCEA(IDC_ZOOM_IN));
    Preview.zoomOut = LoadCursorA(HostInstance(), MAKEINTRESOURCEA(IDC_ZOOM_OUT));
    RunModalDialog(IDD_PREVIEW, PreviewProc, DialogChars::Unicode);   // a caption that keeps a Cyrillic name
    DeleteDC(printer);
    Preview.printer = nullptr;
}
