// Pre&View: the document one printed page at a time, fitted to a maximised
// modal window, zoomed threefold by a click, stepped forward page by page.
#pragma once

// Does nothing when there is no printer.
void ShowPreview();
