// The shell's global state: one instance for the whole run. The editor keeps
// its own (editor/editor_state.h).
#pragma once
#include <windows.h>
#include <richedit.h>

#include "editor/editor_state.h"

constexpr UINT CaretMovedMessage = WM_USER + 1;

struct AppState {
    HINSTANCE Instance;
    HWND MainWindow;
    HWND ToolbarWindow;
    HWND StatusBarWindow;

    // Start-up and shell.
    bool TextControlRegistered;   // the document control's class is registered
    HBITMAP ShellBitmaps[16];   // commands 1 to 14, the toolbar's own pictures, the UTF-8 mark
    HFONT MenuFont;
    bool MenuFontOwned;
    bool RestoreSize;
    bool PlacementTracked;
    HACCEL AcceleratorTable;
    bool BigButtons;
    CHARRANGE LastCaretRange;   // the caret the status bar shows
    HWND HelpWindow;            // the program's own help, while it is open
};

extern AppState App;
