#include "print/printer.h"

#include <commdlg.h>

#include "editor/editor_host.h"

PrintState Printing;

namespace {

void FreeBlock(HGLOBAL& block)
{
    if (block) GlobalFree(block);
    block = nullptr;
}

// A context made from the kept blocks; null when there are none or they no longer describe a printer.
HDC DCFromSetup()
{
    if (!Printing.DevMode || !Printing.DevNames) return nullptr;
    auto* names = static_cast<const DEVNAMES*>(GlobalLock(Printing.DevNames));
    auto* mode = static_cast<const DEVMODEA*>(GlobalLock(Printing.DevMode));
    HDC dc = nullptr;
    if (names && mode) {
        auto* base = reinterpret_cast<const char*>(names);
        dc = CreateDCA(base + names->wDriverOffset, base + names->wDeviceOffset, nullptr, mode);
    }
    if (mode) GlobalUnlock(Printing.DevMode);
    if (names) GlobalUnlock(Printing.DevNames);
    return dc;
}

}   // namespace

void InitializePrinting()
{
    Printing.DevMode = nullptr;
    Printing.DevNames = nullptr;
    Printing.PageMargins = {DefaultMargin, DefaultMargin, DefaultMargin, DefaultMargin};
    Printing.PageNumbering = false;
}

void ReleasePrinterSetup()
{
    FreeBlock(Printing.DevMode);
    FreeBlock(Printing.DevNames);
}

void KeepPrinterSetup(HGLOBAL devMode, HGLOBAL devNames)
{
    Printing.DevMode = devMode;
    Printing.DevNames = devNames;
}

HDC GetPrinterDC()
{
    if (HDC dc = DCFromSetup()) return dc;
    ReleasePrinterSetup();
    PRINTDLGA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = HostWindow();
    dialog.Flags = PD_RETURNDEFAULT | PD_RETURNDC;
    if (!PrintDlgA(&dialog)) return nullptr;
    KeepPrinterSetup(dialog.hDevMode, dialog.hDevNames);
    return dialog.hDC;
}

PageLayout PrinterPageLayout(HDC printer)
{
    long width = MulDiv(GetDeviceCaps(printer, PHYSICALWIDTH), TwipsPerInch, GetDeviceCaps(printer, LOGPIXELSX));
    long height = MulDiv(GetDeviceCaps(printer, PHYSICALHEIGHT), TwipsPerInch, GetDeviceCaps(printer, LOGPIXELSY));
    return ComputePageLayout(width, height, Printing.PageMargins);
}

RECT ToRect(const Box& box)
{
    return {box.left, box.top, box.right, box.bottom};
}
