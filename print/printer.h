// The printer the program prints on and the page settings of this run,
// shared by page setup, the page count, printing and the preview. Nothing
// here is stored in the settings.
#pragma once
#include <windows.h>

#include "print/page_geometry.h"

struct PrintState {
    // The device-mode and device-names blocks of the printer last chosen in
    // a print dialog or last opened as the default; handed to every dialog.
    HGLOBAL DevMode;
    HGLOBAL DevNames;
    Margins PageMargins;   // the page-setup dialog's units
    bool PageNumbering;    // printed and previewed pages carry their number
};
extern PrintState Printing;

// Start values: no printer chosen yet, an inch of margin all round, no numbers.
void InitializePrinting();
// Frees the printer blocks (at the main window's end).
void ReleasePrinterSetup();
// Takes the blocks a print dialog returned; the dialog kept or freed those it was given.
void KeepPrinterSetup(HGLOBAL devMode, HGLOBAL devNames);
// A device context of the chosen printer, else of the default one; null when
// there is no printer. The caller deletes it.
HDC GetPrinterDC();
// The sheet of the printer in twips and the text rectangle the margins leave.
PageLayout PrinterPageLayout(HDC printer);
// A Box as the system's rectangle.
RECT ToRect(const Box& box);
