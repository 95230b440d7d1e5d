// The view coding: the same bytes drawn with the font chosen for ANSI, OEM or KOI8.
#include "editor/view_coding.h"

#include <windows.h>
#include <richedit.h>

#include "coding/coding_tables.h"
#include "editor/editor_calls.h"
#include "editor/editor_host.h"
#include "editor/editor_state.h"
#include "settings/settings.h"

namespace {

constexpr BYTE DefaultCharacterSet[ViewCodingCount] = {RUSSIAN_CHARSET, OEM_CHARSET, DEFAULT_CHARSET};

constexpr DWORD FormatMask = CFM_SIZE | CFM_COLOR | CFM_FACE | CFM_CHARSET | CFM_BOLD | CFM_ITALIC;
constexpr COLORREF DefaultTextColor = 8;
constexpr LONG DefaultHeight = 200;   // twips: 10 points

// Overwrites value only when the setting exists as a number it may hold.
template <typename T> void QueryNumber(HKEY key, const char* name, T& value)
{
    DWORD number = 0, type = 0, size = sizeof number;
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&number), &size) == ERROR_SUCCESS
        && type == REG_DWORD && size == sizeof number && SettingAllows(name, number))
        value = static_cast<T>(number);
}

void QueryFace(HKEY key, const char* name, char (&face)[LF_FACESIZE])
{
    char text[LF_FACESIZE + 1] = {};   // a face of 31 characters fills LF_FACESIZE with its zero
    DWORD type = 0, size = LF_FACESIZE;
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(text), &size) == ERROR_SUCCESS
        && type == REG_SZ)
        lstrcpynA(face, text, LF_FACESIZE);
}

}   // namespace

// All read with one opening of the settings key.
CHARFORMATA ViewCodingFormat(Coding coding)
{
    CHARFORMATA format = {};
    format.cbSize = sizeof format;
    format.dwMask = FormatMask;
    format.yHeight = DefaultHeight;
    format.crTextColor = DefaultTextColor;
    format.bCharSet = DefaultCharacterSet[coding];
    if (HKEY key = OpenSettingsKey()) {
        QueryNumber(key, SettingName::TextColour, format.crTextColor);
        QueryNumber(key, SettingName::FontSize[coding], format.yHeight);
        QueryNumber(key, SettingName::FontCharacterSet[coding], format.bCharSet);
        QueryNumber(key, SettingName::FontEffects[coding], format.dwEffects);
        QueryFace(key, SettingName::FontFace[coding], format.szFaceName);
        RegCloseKey(key);
    }
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
