// The wait cursor while long work holds up the window: loading, saving, whole
// text changes and their undo, Replace All, HTML colours, the page count, printing.
#pragma once
#include <windows.h>

// Shows the wait cursor for its scope and puts back the cursor that was shown,
// however the scope ends. A message box shown meanwhile has the arrow (message_box.cpp).
class WaitCursor {
public:
    WaitCursor() : shown_(SetCursor(LoadCursor(nullptr, IDC_WAIT))) {}
    ~WaitCursor() { SetCursor(shown_); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    HCURSOR shown_;
};
