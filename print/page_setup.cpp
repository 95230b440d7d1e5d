#include "print/page_setup.h"

#include <windows.h>
#include <commdlg.h>

#include "editor/editor_host.h"
#include "print/printer.h"

void PageSetup()
{
    PAGESETUPDLGA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = HostWindow();
    dialog.hDevMode = Printing.DevMode;
    dialog.hDevNames = Printing.DevNames;
    // No unit flag: the dialog shows the user's own unit, read back as it comes.
    dialog.Flags = PSD_MARGINS;
    const Margins& margins = Printing.PageMargins;
    dialog.rtMargin = {margins.left, margins.top, margins.right, margins.bottom};
    if (!PageSetupDlgA(&dialog)) return;
    KeepPrinterSetup(dialog.hDevMode, dialog.hDevNames);
    Printing.PageMargins = {dialog.rtMargin.left, dialog.rtMargin.top, dialog.rtMargin.right, dialog.rtMargin.bottom};
}
