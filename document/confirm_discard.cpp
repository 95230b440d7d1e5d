// The save-changes question asked before the document is replaced or closed.
#include "editor/confirm_discard.h"
#include "editor/document_files.h"
#include "editor/editor_calls.h"
#include "editor/editor_host.h"
#include "editor/editor_state.h"
#include "editor/message_box.h"
#include "editor/undo.h"
#include <string>

bool ConfirmDiscard()
{
    // The caret is kept for the recent-files list whatever the answer below.
    if (!DocumentUntitled()) HostRememberCaret(Editor.CurrentFileName, EditorSelection().cpMin);
    if (!DocumentDirty()) return true;
    std::wstring question = std::wstring(L"Save changes to ") + Editor.CurrentFileName + L"?";
    int answer = AskYesNoCancel(question);
    if (answer == IDCANCEL) return false;
    // Yes and then a save that did not happen (its Save As cancelled, or a failure
    // after its error box) keeps the document: the user asked for the changes to be kept.
    return answer == IDNO || SaveCommand();
}
