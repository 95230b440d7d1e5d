// Print: the system's print dialog, then the document page by page onto the
// chosen printer with copies, collation, a page range or the selection, and
// the page numbers when they are switched on.
#pragma once

void PrintDocument();
