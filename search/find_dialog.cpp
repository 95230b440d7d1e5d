#include "search/find_dialog.h"

#include <cstring>

#include "editor/modal_dialog.h"
#include "editor/editor_calls.h"
#include "editor/text_fields.h"
#include "res/resource.h"
#include "search/search_history.h"
#include "search/search_state.h"

namespace {

constexpr int ReplaceOnlyControls[] = {IDC_FIND_TO_LABEL, IDC_FIND_PROMPT, IDC_FIND_HEX_REPLACEMENT,
                                       IDC_FIND_REPLACEMENT, IDC_FIND_ALL};

HWND Item(HWND dialog, int id)
{
    return GetDlgItem(dialog, id);
}

bool Checked(HWND dialog, int id)
{
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

void Check(HWND dialog, int id, bool on)
{
    CheckDlgButton(dialog, id, on ? BST_CHECKED : BST_UNCHECKED);
}

// The word at the caret, as the search field shows it; empty when there is none.
std::u16string WordAtCaret()
{
    const bool utf8 = Editor.ViewCoding == CodingUtf8;
    const auto limit = static_cast<LONG>(utf8 ? SearchTextBytes : SearchTextLength);
    LONG end = EditorWordBreak(WB_MOVEWORDRIGHT, EditorSelection().cpMin);
    LONG start = EditorWordBreak(WB_MOVEWORDLEFT, end);
    if (end - start > limit) end = start + limit;
    if (end <= start) return {};
    char bytes[SearchTextBytes + 1];
    const auto count = static_cast<size_t>(ReadEditorRange(start, end, bytes));
    if (utf8) return PickedUtf8Word(bytes, count);
    return AnsiCharacters(PickedWord(bytes, count, Editor.ViewCoding));
}

void ShowMode(HWND dialog)
{
    if (SearchState.ReplaceMode) {
        Check(dialog, IDC_FIND_PROMPT, SearchOptions.Prompt);
        SetWindowTextW(dialog, L"Replace...");
        return;
    }
    for (int id : ReplaceOnlyControls) ShowWindow(Item(dialog, id), SW_HIDE);
    SetWindowTextW(dialog, L"Find...");
}

void OpenDialog(HWND dialog)
{
    Check(dialog, IDC_FIND_WHOLE_WORD, SearchOptions.WholeWord);
    Check(dialog, IDC_FIND_MATCH_CASE, SearchOptions.MatchCase);
    Check(dialog, IDC_FIND_ENTIRE_SCOPE, SearchOptions.EntireScope);
    Check(dialog, IDC_FIND_BACKWARD, SearchOptions.Backward);
    ShowMode(dialog);
    HWND combo = Item(dialog, IDC_FIND_TEXT);
    FillSearchList(combo);
    std::u16string word = WordAtCaret();
    if (word.empty()) return;
    InsertComboCharacters(combo, 0, word);
    SendMessageW(combo, CB_SETCURSEL, 0, 0);
}

// Text or hexadecimal input: the fields of the other kind go grey.
void ToggleHex(HWND dialog)
{
    bool hex = Checked(dialog, IDC_FIND_HEX);
    bool replace = SearchState.ReplaceMode;
    EnableWindow(Item(dialog, IDC_FIND_TEXT), !hex);
    EnableWindow(Item(dialog, IDC_FIND_REPLACEMENT), !hex && replace);
    EnableWindow(Item(dialog, IDC_FIND_HEX_TEXT), hex);
    EnableWindow(Item(dialog, IDC_FIND_HEX_REPLACEMENT), hex && replace);
    SetFocus(Item(dialog, hex ? IDC_FIND_HEX_TEXT : IDC_FIND_TEXT));
}

void Store(char (&target)[SearchTextBytes + 1], const std::string& bytes)
{
    std::strncpy(target, bytes.c_str(), SearchTextBytes);
    target[SearchTextBytes] = '\0';
}

void ReadOptions(HWND dialog)
{
    SearchOptions.WholeWord = Checked(dialog, IDC_FIND_WHOLE_WORD);
    SearchOptions.MatchCase = Checked(dialog, IDC_FIND_MATCH_CASE);
    SearchOptions.EntireScope = Checked(dialog, IDC_FIND_ENTIRE_SCOPE);
    SearchOptions.Backward = Checked(dialog, IDC_FIND_BACKWARD);
    if (SearchState.ReplaceMode) SearchOptions.Prompt = Checked(dialog, IDC_FIND_PROMPT);
}

// A typed text's first 32 characters in the view coding's bytes.
std::string TypedInView(HWND field)
{
    if (Editor.ViewCoding == CodingUtf8) return TypedAsUtf8(ReadFieldCharacters(field));
    std::string text = ReadFieldText(field).substr(0, SearchTextLength);
    TypedToView(text, Editor.ViewCoding);
    return text;
}

// The history keeps what was typed, in Windows-1251 as it is stored.
void ReadTypedTexts(HWND dialog, const std::string& typed)
{
    RememberSearchText(typed.substr(0, SearchTextLength));
    Store(SearchState.SearchText, TypedInView(Item(dialog, IDC_FIND_TEXT)));
    if (SearchState.ReplaceMode) Store(SearchState.ReplacementText, TypedInView(Item(dialog, IDC_FIND_REPLACEMENT)));
}

void ReadHexTexts(HWND dialog, const std::string& typed)
{
    Store(SearchState.SearchText, ParseHexBytes(typed));
    if (SearchState.ReplaceMode)
        Store(SearchState.ReplacementText, ParseHexBytes(ReadFieldText(Item(dialog, IDC_FIND_HEX_REPLACEMENT))));
}

// "Ok" or "All": an empty search field keeps the dialog open.
void Accept(HWND dialog, bool all)
{
    bool textMode = IsWindowEnabled(Item(dialog, IDC_FIND_TEXT)) != FALSE;
    std::string typed = ReadFieldText(Item(dialog, textMode ? IDC_FIND_TEXT : IDC_FIND_HEX_TEXT));
    if (typed.empty()) return;
    SearchState.ReplaceAll = all;
    ReadOptions(dialog);
    if (textMode)
        ReadTypedTexts(dialog, typed);
    else
        ReadHexTexts(dialog, typed);
    EndDialog(dialog, IDOK);
}

INT_PTR CALLBACK FindReplaceProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_INITDIALOG) {
        OpenDialog(dialog);
        return TRUE;   // the focus goes to the search field
    }
    if (message != WM_COMMAND) return FALSE;
    switch (LOWORD(wParam)) {
    case IDC_FIND_HEX:
        if (HIWORD(wParam) == BN_CLICKED) ToggleHex(dialog);
        return TRUE;
    case IDOK:
    case IDC_FIND_ALL:
        Accept(dialog, LOWORD(wParam) == IDC_FIND_ALL);
        return TRUE;
    case IDCANCEL:
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

}   // namespace

bool ShowFindReplaceDialog()
{
    // A Unicode dialog, so Russian typed in its fields reaches the program whatever the system's code page.
    return RunModalDialog(IDD_FIND_REPLACE, FindReplaceProc, DialogChars::Unicode) == IDOK;
}
