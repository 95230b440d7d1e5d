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
    // A cancelled Save As lets the action go ahead; a save that failed keeps the
    // document, so the error box is not followed by the loss of the changes.
    return answer == IDNO || SaveCommand();
}
