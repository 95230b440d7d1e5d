// The page number "-N-" of printed and previewed pages, formatted and drawn
// by a hidden text control of the program's own class: printing makes one as
// a child of the main window, the preview has one in its dialog.
#pragma once
#include <windows.h>

#include "print/page_geometry.h"

// A hidden field for the numbers of one print job; null when it cannot be made.
HWND CreatePageNumberField(HWND parent);
// The editor's face, character set, colour, size and effects at its
// selection (the size is the field's own) and the document's background.
void StylePageNumberField(HWND field);
// Puts the number in the field and lays it out (render: drawing it on dc as
// well) above the text rectangle, measured on the printer; returns where it
// goes, in twips, for EM_DISPLAYBAND.
RECT FormatPageNumber(HWND field, HDC dc, HDC printer, const PageLayout& layout, unsigned page, bool render);
