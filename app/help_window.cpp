#include "app/help_window.h"
#include "app/app_state.h"
#include "app/program_folder.h"
#include "res/resource.h"
#include "textctl/textctl.h"
#include "textctl/textctl_calls.h"
#include <string>

namespace {

constexpr wchar_t HelpFileName[] = L"VERKO.HLP";
constexpr char HelpClassName[] = "VerkoHelp";
constexpr char HelpTitle[] = "Verko Help";
constexpr DWORD HelpTextStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY;
constexpr int HelpWidth = 640;
constexpr int HelpHeight = 520;

bool HelpFileExists(const std::wstring& path)
{
    if (path.empty()) return false;
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string HelpText()
{
    HRSRC found = FindResourceA(App.Instance, MAKEINTRESOURCEA(IDR_HELP_TEXT), RT_RCDATA);
    HGLOBAL loaded = found ? LoadResource(App.Instance, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) return {};
    return std::string(static_cast<const char*>(bytes), SizeofResource(App.Instance, found));
}

// The text control's own procedure, under the help text's Esc handling.
LRESULT CallTextControl(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    WNDCLASSA textClass{};
    GetClassInfoA(App.Instance, TextControlClassName, &textClass);
    return CallWindowProcA(textClass.lpfnWndProc, window, message, wParam, lParam);
}

LRESULT CALLBACK HelpTextProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_KEYDOWN && wParam == VK_ESCAPE) {
        DestroyWindow(GetParent(window));
        return 0;
    }
    return CallTextControl(window, message, wParam, lParam);
}

bool CreateHelpText(HWND helpWindow)
{
    HWND text = CreateWindowExA(0, TextControlClassName, "", HelpTextStyle, 0, 0, 0, 0, helpWindow, nullptr,
                                App.Instance, nullptr);
    if (!text) return false;
    SetControlTextLimit(text, 0);
    SetControlText(text, HelpText().c_str());
    SetWindowLongPtrA(text, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(HelpTextProc));
    return true;
}

LRESULT CALLBACK HelpWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND text = GetWindow(window, GW_CHILD);
    switch (message) {
    case WM_CREATE:
        return CreateHelpText(window) ? 0 : -1;
    case WM_SIZE:
        MoveWindow(text, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    case WM_SETFOCUS:
        SetFocus(text);
        return 0;
    case WM_DESTROY:
        App.HelpWindow = nullptr;
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

bool RegisterHelpClass()
{
    WNDCLASSA helpClass{};
    if (GetClassInfoA(App.Instance, HelpClassName, &helpClass)) return true;
    helpClass.lpfnWndProc = HelpWindowProc;
    helpClass.hInstance = App.Instance;
    helpClass.hIcon = LoadIconA(App.Instance, MAKEINTRESOURCEA(IDI_PROGRAM));
    helpClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    helpClass.lpszClassName = HelpClassName;
    return RegisterClassA(&helpClass) != 0;
}

void ShowHelpWindow()
{
    if (!App.HelpWindow && RegisterHelpClass())
        App.HelpWindow = CreateWindowExA(0, HelpClassName, HelpTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                         HelpWidth, HelpHeight, App.MainWindow, nullptr, App.Instance, nullptr);
    if (!App.HelpWindow) return;
    ShowWindow(App.HelpWindow, SW_SHOWNORMAL);
    SetForegroundWindow(App.HelpWindow);
    SetFocus(App.HelpWindow);
}

}   // namespace

void ShowHelp()
{
    std::wstring path = PathBesideProgram(HelpFileName);
    if (HelpFileExists(path))
        WinHelpW(App.MainWindow, path.c_str(), HELP_CONTENTS, 0);
    else
        ShowHelpWindow();
}
