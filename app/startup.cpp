#include "app/startup.h"
#include "app/app_state.h"
#include "app/command_line.h"
#include "app/main_window.h"
#include "app/message_loop.h"
#include "app/startup_rules.h"
#include "app/status_bar.h"
#include "app/toolbar.h"
#include "app/window_placement.h"
#include "document/document_commands.h"
#include "document/document_files.h"
#include "editor/editor_control.h"
#include "editor/message_box.h"
#include "print/printer.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "textctl/textctl.h"
#include <commctrl.h>
#include <string>

AppState App;

namespace {

constexpr int ShellBitmapCount = 16;
constexpr int Utf8MarkSlot = 15;   // of App.ShellBitmaps

// A Unicode window, so that its title shows a file name in any language.
bool RegisterMainWindowClass(HINSTANCE instance)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_PROGRAM));
    windowClass.lpszMenuName = MAKEINTRESOURCEW(IDR_MAINMENU);
    windowClass.lpszClassName = ProgramNameW;
    windowClass.hIconSm =
        static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_PROGRAM_SMALL), IMAGE_ICON, 16, 16, 0));
    if (RegisterClassExW(&windowClass)) return true;
    // Systems without the extended record take the plain one, without the small icon.
    WNDCLASSW plain{};
    plain.lpfnWndProc = windowClass.lpfnWndProc;
    plain.hInstance = instance;
    plain.hIcon = windowClass.hIcon;
    plain.lpszMenuName = windowClass.lpszMenuName;
    plain.lpszClassName = ProgramNameW;
    return RegisterClassW(&plain) != 0;
}

void GiveRadioMark(HMENU menu, int command, int slot)
{
    App.ShellBitmaps[slot] = LoadBitmapA(App.Instance, MAKEINTRESOURCEA(command));
    SetMenuItemBitmaps(menu, command, MF_BYCOMMAND, nullptr, App.ShellBitmaps[slot]);
}

void GiveMenuItemsBitmaps(HMENU menu)
{
    App.ShellBitmaps[14] = nullptr;
    // The view-coding items show their picture as the radio mark.
    GiveRadioMark(menu, CMD_VIEW_UTF8, Utf8MarkSlot);
    for (int n = CMD_VIEW_KOI8; n >= CMD_VIEW_ANSI; --n) GiveRadioMark(menu, n, n - 1);
    for (int n = CMD_PREVIEW; n >= CMD_CUT; --n) {
        App.ShellBitmaps[n - 1] = LoadBitmapA(App.Instance, MAKEINTRESOURCEA(n));
        SetMenuItemBitmaps(menu, n, MF_BYCOMMAND, App.ShellBitmaps[n - 1], nullptr);
    }
}

void MakeRecentItemsOwnerDrawn(HMENU menu)
{
    for (UINT command = CMD_RECENT_LAST; command >= CMD_RECENT_FIRST; --command)
        ModifyMenuA(menu, command, MF_BYCOMMAND | MF_OWNERDRAW, command, nullptr);
}

void InitializeCommonControls()
{
    using InitFunction = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    auto initEx = reinterpret_cast<InitFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("comctl32.dll"), "InitCommonControlsEx")));
    if (!initEx) {
        InitCommonControls();
        return;
    }
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
    initEx(&controls);
    controls.dwICC = ICC_UPDOWN_CLASS;
    initEx(&controls);
}

void InitializeApplication(const wchar_t* commandLine)
{
    constexpr int NoDocumentControl = 255;
    App.TextControlRegistered = RegisterTextControl(App.Instance);
    if (!App.TextControlRegistered) {
        // The remaining steps still run; the loop ends as soon as it takes the quit message.
        ShowSystemError();
        PostQuitMessage(NoDocumentControl);
    }
    HMENU menu = GetMenu(App.MainWindow);
    Editor.WordWrapStyle = ReadSettingNumber(SettingName::WordWrap);
    if (Editor.WordWrapStyle == 0) CheckMenuItem(menu, CMD_WORD_WRAP, MF_BYCOMMAND | MF_CHECKED);
    Editor.SingleLevelUndo = ReadSettingNumber(SettingName::SingleLevelUndo) != 0;
    Editor.SingleLevelUsed = Editor.SingleLevelUndo;
    StartDocument();
    InitializePrinting();
    MEMORYSTATUS memory{};
    memory.dwLength = sizeof memory;
    GlobalMemoryStatus(&memory);
    Editor.TextLimit = ComputeTextLimit(memory.dwTotalPhys);
    MEMORYSTATUSEX computer{};
    computer.dwLength = sizeof computer;
    if (!GlobalMemoryStatusEx(&computer)) computer.ullTotalPhys = memory.dwTotalPhys;
    SetTextLimitBasis(TextLimitBasis(memory.dwTotalPhys, computer.ullTotalPhys));
    GiveMenuItemsBitmaps(menu);
    MakeRecentItemsOwnerDrawn(menu);
    InitializeCommonControls();
    if (ReadSettingNumber(SettingName::StatusBar) != 0) CreateStatusBar();
    CreateEditor();
    App.BigButtons = ReadSettingNumber(SettingName::BigButtons) != 0;
    if (ReadSettingNumber(SettingName::Toolbar) != 0) CreateToolbar();
    std::wstring fileName = ProcessCommandLine(commandLine);
    if (!fileName.empty()) LoadDocument(fileName.c_str());
}

void CreateMenuFont()
{
    NONCLIENTMETRICSA metrics{};
    static_assert(sizeof metrics == 340, "the record of the systems the program was made for");
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
        App.MenuFont = CreateFontIndirectA(&metrics.lfMenuFont);
        App.MenuFontOwned = App.MenuFont != nullptr;
    }
    if (!App.MenuFont) App.MenuFont = static_cast<HFONT>(GetStockObject(ANSI_VAR_FONT));
}

int StartupShowCommand()
{
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    return (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : SW_SHOWDEFAULT;
}

}

std::wstring ProcessCommandLine(const wchar_t* commandLine)
{
    CommandLineRequest request = ParseCommandLine(commandLine);
    if (request.print) PostMessageA(App.MainWindow, WM_COMMAND, CMD_PRINT, 0);
    if (request.fileName.empty()) return std::wstring();
    // Made absolute at any length: loading refuses a name too long, and says so.
    DWORD length = GetFullPathNameW(request.fileName.c_str(), 0, nullptr, nullptr);
    std::wstring absolute(length, L'\0');
    if (length) length = GetFullPathNameW(request.fileName.c_str(), length, &absolute[0], nullptr);
    absolute.resize(length < absolute.size() ? length : 0);
    return absolute;
}

HWND StartApplication(HINSTANCE instance, const wchar_t* commandLine, int showCommand)
{
    App = AppState{};
    Editor = EditorState{};
    App.Instance = instance;
    if (!RegisterMainWindowClass(instance)) return nullptr;
    // The document writes the title.
    App.MainWindow =
        CreateWindowExW(0, ProgramNameW, ProgramNameW, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
    if (!App.MainWindow) return nullptr;
    InitializeApplication(commandLine);
    App.RestoreSize = ReadSettingNumber(SettingName::RestoreSize) != 0;
    App.PlacementTracked = IsPlacementTracked(App.RestoreSize, showCommand);
    if (App.PlacementTracked) showCommand = RestoreWindowPlacement(App.MainWindow, showCommand);
    CreateMenuFont();
    ShowWindow(App.MainWindow, showCommand);
    App.AcceleratorTable = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_ACCELERATORS));
    return App.MainWindow;
}

void ReleaseShellResources()
{
    for (int slot = ShellBitmapCount - 1; slot >= 0; --slot) {
        if (App.ShellBitmaps[slot]) DeleteObject(App.ShellBitmaps[slot]);
        App.ShellBitmaps[slot] = nullptr;
    }
    if (App.MenuFontOwned) DeleteObject(App.MenuFont);
    App.MenuFont = nullptr;
    App.MenuFontOwned = false;
}

int ApplicationMain()
{
    constexpr int StartFailed = 255;
    if (!StartApplication(GetModuleHandleA(nullptr), GetCommandLineW(), StartupShowCommand())) return StartFailed;
    int exitCode = RunMessageLoop();
    ReleaseShellResources();
    return exitCode;
}
