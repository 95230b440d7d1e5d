#include "tools/colour_commands.h"

#include <windows.h>
#include <commdlg.h>

#include "editor/editor_calls.h"
#include "editor/editor_host.h"
#include "settings/settings.h"
#include "tools/html_colours.h"

namespace {

constexpr int CustomColourCount = 16;

// The colour dialog, opened full, starting at the value's colour and offering the
// first 16 system colours as custom colours (what the user puts there is not kept).
// On OK the colour is stored in the value; false when cancelled.
bool ChooseStoredColour(const char* name, COLORREF* chosen)
{
    COLORREF custom[CustomColourCount];
    for (int i = 0; i < CustomColourCount; ++i) custom[i] = GetSysColor(i);
    CHOOSECOLORA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = HostWindow();
    dialog.rgbResult = ReadSettingNumber(name);
    dialog.lpCustColors = custom;
    dialog.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!ChooseColorA(&dialog)) return false;
    WriteSettingNumber(name, dialog.rgbResult);
    *chosen = dialog.rgbResult;
    return true;
}

}   // namespace

void ChooseTextColor()
{
    COLORREF colour;
    if (ChooseStoredColour(SettingName::TextColour, &colour)) SetEditorTextColour(colour);
}

void ChooseBackgroundColor()
{
    COLORREF colour;
    if (ChooseStoredColour(SettingName::Background, &colour)) SetEditorBackground(colour);
}

void ChooseTagColor()
{
    COLORREF colour;
    if (ChooseStoredColour(SettingName::HtmlColour, &colour)) RefreshHtmlColors();
}
