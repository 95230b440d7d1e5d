#include "app/toolbar.h"
#include "app/app_state.h"
#include "app/main_window.h"
#include "app/program_folder.h"
#include "app/toolbar_buttons.h"
#include "app/toolbar_commands.h"
#include "settings/settings.h"
#include <commctrl.h>

namespace {

constexpr int ExtraImageSlot = 14;   // of App.ShellBitmaps
constexpr DWORD ToolbarStyle = WS_CHILD | WS_VISIBLE | CCS_TOP | CCS_ADJUSTABLE | TBSTYLE_TOOLTIPS | TBSTYLE_FLAT;

LRESULT SendToolbar(UINT message, WPARAM wParam, LPARAM lParam)
{
    return App.ToolbarWindow ? SendMessageA(App.ToolbarWindow, message, wParam, lParam) : 0;
}

void AddImages(HINSTANCE module, UINT_PTR id, int count)
{
    TBADDBITMAP images{module, id};
    SendToolbar(TB_ADDBITMAP, count, reinterpret_cast<LPARAM>(&images));
}

// A missing or unreadable file leaves the five images blank, without a message.
void AddExtraImages()
{
    HBITMAP& strip = App.ShellBitmaps[ExtraImageSlot];
    if (strip) DeleteObject(strip);
    strip = nullptr;
    std::wstring path = PathBesideProgram(App.BigButtons ? L"largebar.bmp" : L"toolbar2.bmp");
    if (path.empty()) return;
    // Its greys become the system's 3D colours, so the button face shows through.
    strip = static_cast<HBITMAP>(
        LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_DEFAULTSIZE | LR_LOADMAP3DCOLORS));
    if (strip) AddImages(nullptr, reinterpret_cast<UINT_PTR>(strip), ExtraImageCount);
}

void AddDefaultLayout()
{
    for (int command : DefaultToolbarLayout()) {
        TBBUTTON button = ToolbarButton(command);
        SendToolbar(TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button));
    }
}

bool HasAnyButton()
{
    int count = static_cast<int>(SendToolbar(TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        TBBUTTON button{};
        SendToolbar(TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
        if (ToolbarCommandImage(button.idCommand) >= 0) return true;
    }
    return false;
}

void SaveOrRestoreLayout(bool save)
{
    TBSAVEPARAMSA place{HKEY_CURRENT_USER, SettingsKey, SettingName::ToolbarState};
    SendToolbar(TB_SAVERESTOREA, save, reinterpret_cast<LPARAM>(&place));
}

}   // namespace

TBBUTTON ToolbarButton(int command)
{
    TBBUTTON button{};
    button.idCommand = command;
    button.iString = -1;
    if (command) {
        button.iBitmap = ToolbarCommandImage(command);
        button.fsState = TBSTATE_ENABLED;
        button.fsStyle = TBSTYLE_BUTTON;
    } else {
        button.fsStyle = TBSTYLE_SEP;
    }
    return button;
}

void CreateToolbar()
{
    App.ToolbarWindow = CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr, ToolbarStyle, 0, 0, 0, 0, App.MainWindow,
                                        nullptr, App.Instance, nullptr);
    if (!App.ToolbarWindow) return;
    SendToolbar(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    AddImages(HINST_COMMCTRL, App.BigButtons ? IDB_STD_LARGE_COLOR : IDB_STD_SMALL_COLOR, StandardImageCount);
    AddExtraImages();
    RestoreToolbarLayout();
    if (HasAnyButton()) return;
    // Emptied by the user, or separators alone as unreadable stored data restores: nothing restored.
    while (SendToolbar(TB_BUTTONCOUNT, 0, 0) > 0) SendToolbar(TB_DELETEBUTTON, 0, 0);
    AddDefaultLayout();
}

void DestroyToolbar()
{
    if (App.ToolbarWindow) DestroyWindow(App.ToolbarWindow);
    App.ToolbarWindow = nullptr;
}

void SaveToolbarLayout()
{
    SaveOrRestoreLayout(true);
}

void RestoreToolbarLayout()
{
    SaveOrRestoreLayout(false);
}

void CustomizeToolbar()
{
    // The setting "TL" stays as it is, so the next start follows it again.
    if (!App.ToolbarWindow) CreateToolbar();
    if (!App.ToolbarWindow) return;
    PostMainWindowLayout();
    SendToolbar(TB_CUSTOMIZE, 0, 0);
}
