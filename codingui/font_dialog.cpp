#include "codingui/font_dialog.h"

#include <windows.h>
#include <richedit.h>
#include <cstdio>

#include "codingui/font_choices.h"
#include "codingui/font_preview_text.h"
#include "editor/modal_dialog.h"
#include "editor/view_coding.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "textctl/textctl.h"
#include "textctl/textctl_calls.h"

namespace {

// What the dialog works on: loaded from the coding's settings, read back at OK.
struct FontDialogState {
    Coding coding;
    uint32_t size;   // twips
    uint32_t effects;
    uint32_t characterSet;
    char face[LF_FACESIZE];
};

FontDialogState State;   // the dialog is modal: one at a time

FontDialogState LoadState(Coding coding)
{
    CHARFORMATA format = ViewCodingFormat(coding);
    FontDialogState state = {coding, static_cast<uint32_t>(format.yHeight), format.dwEffects, format.bCharSet, {}};
    lstrcpynA(state.face, format.szFaceName, LF_FACESIZE);
    return state;
}

LRESULT SendItem(HWND dialog, int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return SendDlgItemMessageA(dialog, id, message, wParam, lParam);
}

void AddEntry(HWND dialog, int list, const char* text)
{
    SendItem(dialog, list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
}

int CALLBACK AddFace(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM faces)
{
    HWND list = reinterpret_cast<HWND>(faces);
    LRESULT entry = SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(font->lfFaceName));
    if (entry >= 0 && lstrcmpiA(font->lfFaceName, State.face) == 0) SendMessageA(list, CB_SETCURSEL, entry, 0);
    return 1;
}

// The screen's font families after an empty entry, which stands for "any fixed-pitch font".
void FillFaces(HWND dialog)
{
    AddEntry(dialog, IDC_FONT_FACE, "");
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesA(screen, nullptr, AddFace, reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_FONT_FACE)));
    ReleaseDC(nullptr, screen);
}

void FillChoices(HWND dialog)
{
    FillFaces(dialog);
    for (const CharsetChoice& choice : CharsetChoices) AddEntry(dialog, IDC_FONT_CHARSET, choice.name);
    SendItem(dialog, IDC_FONT_CHARSET, CB_SETCURSEL, CharsetChoiceIndex(State.characterSet));
    for (int i = 0; i < SizeChoiceCount; ++i) {
        char points[8];
        std::snprintf(points, sizeof points, "%u", static_cast<unsigned>(i + 1));
        AddEntry(dialog, IDC_FONT_SIZE, points);
    }
    SendItem(dialog, IDC_FONT_SIZE, CB_SETCURSEL, SizeChoiceIndex(State.size));
    CheckDlgButton(dialog, IDC_FONT_BOLD, (State.effects & CFE_BOLD) ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, IDC_FONT_ITALIC, (State.effects & CFE_ITALIC) ? BST_CHECKED : BST_UNCHECKED);
}

// The state as the controls show it: the face is the face list's text, empty
// when a stored face is not among the screen's. A size or character-set list
// without a selection keeps the value it was opened with, so OK never stores a
// size of 0 or a stray set.
FontDialogState ChosenState(HWND dialog)
{
    FontDialogState chosen = State;
    GetDlgItemTextA(dialog, IDC_FONT_FACE, chosen.face, LF_FACESIZE);
    LRESULT set = SendItem(dialog, IDC_FONT_CHARSET, CB_GETCURSEL);
    if (set >= 0 && set < CharsetChoiceCount) chosen.characterSet = CharsetChoices[set].value;
    LRESULT size = SendItem(dialog, IDC_FONT_SIZE, CB_GETCURSEL);
    if (size >= 0 && size < SizeChoiceCount) chosen.size = SizeOfChoice(static_cast<int>(size));
    chosen.effects = (IsDlgButtonChecked(dialog, IDC_FONT_BOLD) == BST_CHECKED ? CFE_BOLD : 0)
        | (IsDlgButtonChecked(dialog, IDC_FONT_ITALIC) == BST_CHECKED ? CFE_ITALIC : 0);
    return chosen;
}

// The preview follows every change of the controls; its colour stays.
void UpdatePreview(HWND dialog)
{
    FontDialogState chosen = ChosenState(dialog);
    CHARFORMATA format = {};
    format.cbSize = sizeof format;
    format.dwMask = CFM_SIZE | CFM_FACE | CFM_CHARSET | CFM_BOLD | CFM_ITALIC;
    format.yHeight = static_cast<LONG>(chosen.size);
    format.dwEffects = chosen.effects;
    format.bCharSet = static_cast<BYTE>(chosen.characterSet);
    lstrcpynA(format.szFaceName, chosen.face, LF_FACESIZE);
    format.bPitchAndFamily = chosen.face[0] ? 0 : FF_MODERN;
    SetControlCharFormat(GetDlgItem(dialog, IDC_FONT_PREVIEW), SCF_ALL, format);
}

// The picture in the coding being edited, in that coding's font and the editor's colours.
void ShowPreview(HWND dialog)
{
    HWND preview = GetDlgItem(dialog, IDC_FONT_PREVIEW);
    SetControlViewCoding(preview, State.coding);
    SetControlCharFormat(preview, SCF_ALL, ViewCodingFormat(State.coding));
    SetControlBackground(preview, ReadSettingNumber(SettingName::Background));
    SetControlText(preview, FontPreviewFor(State.coding).c_str());
}

INT_PTR CALLBACK FontDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_INITDIALOG) {
        FillChoices(dialog);
        ShowPreview(dialog);
        return TRUE;
    }
    if (message != WM_COMMAND) return FALSE;
    WORD id = LOWORD(wParam);
    if (id >= IDC_FONT_FACE && id <= IDC_FONT_ITALIC) {
        UpdatePreview(dialog);
    } else if (id == IDOK) {
        State = ChosenState(dialog);
        EndDialog(dialog, IDOK);
    } else if (id == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
    }
    return TRUE;
}

void WriteState(const FontDialogState& state)
{
    const int row = ViewRow(state.coding);
    WriteSettingText(SettingName::FontFace[row], state.face);
    WriteSettingNumber(SettingName::FontCharacterSet[row], state.characterSet);
    WriteSettingNumber(SettingName::FontEffects[row], state.effects);
    WriteSettingNumber(SettingName::FontSize[row], state.size);
}

}   // namespace

void EditCodingFont(Coding coding)
{
    State = LoadState(coding);
    if (RunModalDialog(IDD_CODING_FONT, FontDialogProc) != IDOK) return;
    WriteState(State);
    RefreshViewCoding();
}
