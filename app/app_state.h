// The program's global state: one instance for the whole run.
#pragma once
#include <windows.h>
#include <commdlg.h>
#include <richedit.h>
#include <cstdint>

constexpr char ProgramName[] = "VERKO";
constexpr char UntitledName[] = "NoName";
constexpr UINT CaretMovedMessage = WM_USER + 1;
constexpr DWORD NoWrapStyle = WS_HSCROLL | ES_AUTOHSCROLL;   // 0x00100080
constexpr int PathCapacity = 260;

struct UndoRecord;

struct AppState {
    HINSTANCE Instance;
    HWND MainWindow;
    HWND EditorWindow;
    HWND ToolbarWindow;
    HWND StatusBarWindow;

    // Start-up and shell.
    bool TextControlRegistered;   // the document control's class is registered
    HBITMAP ShellBitmaps[15];
    HFONT MenuFont;
    bool MenuFontOwned;
    bool RestoreSize;
    bool PlacementTracked;
    uint32_t TextLimit;
    HACCEL AcceleratorTable;
    bool BigButtons;

    // Editor.
    WNDPROC RichEditDefaultProc;
    uint32_t WordWrapStyle;
    uint8_t OverwriteMode;
    uint8_t ViewCoding;   // Coding 0..2
    CHARRANGE LastCaretRange;

    // Undo.
    UndoRecord* UndoHead;
    bool SingleLevelUndo;
    bool SingleLevelUsed;

    // Documents.
    char CurrentFileName[PathCapacity];
    OPENFILENAMEA FileDialogRecord;
    DWORD LastFilterIndex;

    // Printing.
    RECT PageMargins;
};

extern AppState App;
