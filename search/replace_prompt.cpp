#include "search/replace_prompt.h"

#include "editor/modal_dialog.h"
#include "editor/editor_calls.h"

namespace {

INT_PTR CALLBACK ReplacePromptProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    // The editor has lost the focus to the prompt but keeps showing the occurrence.
    ShowEditorSelection();
    if (message == WM_INITDIALOG) return TRUE;
    if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return FALSE;
    switch (LOWORD(wParam)) {
    case ReplaceYes:
    case ReplaceNo:
    case ReplaceRest:
    case ReplaceStop:
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

}   // namespace

ReplaceAnswer AskReplace()
{
    INT_PTR answer = RunModalDialog(IDD_REPLACE_PROMPT, ReplacePromptProc, DialogChars::Unicode);
    return answer == -1 ? ReplaceStop : static_cast<ReplaceAnswer>(answer);
}
