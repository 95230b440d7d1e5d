// The view coding: the same bytes drawn with the font chosen for ANSI, OEM, KOI8 or UTF-8.
#include "editor/view_coding.h"

#include <windows.h>
#include <richedit.h>

#include "coding/coding_tables.h"
#include "editor/editor_calls.h"
#include "editor/editor_host.h"
#include "editor/editor_state.h"
#include "settings/settings.h"

namespace {

constexpr BYTE DefaultCharacterSet[ViewRowCount] = {RUSSIAN_CHARSET, OEM_CHARSET, DEFAULT_CHARSET, DEFAULT_CHARSET};

constexpr DWORD FormatMask = CFM_SIZE | CFM_COLOR | CFM_FACE | CFM_CHARSET | CFM_BOLD | CFM_ITALIC;
constexpr COLORREF DefaultTextColor = 8;
constexpr LONG DefaultHeight = 200;   // twips: 10 points

// Overwrites value only when the setting exists as a number it may hold.
template <typename T> void ReadNumber(const char* name, T& value)
{
    value = static_cast<T>(ReadSettingNumber(name, static_cast<uint32_t>(value)));
}

}   // namespace

CHARFORMATA ViewCodingFormat(Coding coding)
{
    CHARFORMATA format = {};
    format.cbSize = sizeof format;
    format.dwMask = FormatMask;
    format.yHeight = DefaultHeight;
    format.crTextColor = DefaultTextColor;
    const int row = ViewRow(coding);
    format.bCharSet = DefaultCharacterSet[row];
    ReadNumber(SettingName::TextColour, format.crTextColor);
    ReadNumber(SettingName::FontSize[row], format.yHeight);
    ReadNumber(SettingName::FontCharacterSet[row], format.bCharSet);
    ReadNumber(SettingName::FontEffects[row], format.dwEffects);
    ReadSettingText(SettingName::FontFace[row], format.szFaceName, LF_FACESIZE);
    // An empty face lets the system pick a fixed-pitch font of the character set.
    format.bPitchAndFamily = format.szFaceName[0] ? 0 : FF_MODERN;
    return format;
}

void ApplyViewCoding()
{
    bool modified = EditorModified();
    SelectAllEditorText();
    SetEditorViewCoding(Editor.ViewCoding);
    CHARFORMATA format = ViewCodingFormat(Editor.ViewCoding);
    // Applying a character set must not switch the user's keyboard layout.
    HKL layout = GetKeyboardLayout(0);
    SetEditorCharFormat(SCF_SELECTION | SCF_ALL, format);
    ActivateKeyboardLayout(layout, 0);
    EmptyEditorUndo();
    SetEditorModified(modified);
    HostShowViewCoding(Editor.ViewCoding);
}

void RefreshViewCoding()
{
    SetEditorRedraw(false);
    CHARRANGE selection = EditorSelection();
    ApplyViewCoding();
    SelectEditorRange(selection.cpMin, selection.cpMax);
    SetEditorRedraw(true);
    RepaintEditor();
}

void ViewCodingCommand(Coding coding)
{
    Editor.ViewCoding = coding;
    RefreshViewCoding();
}
