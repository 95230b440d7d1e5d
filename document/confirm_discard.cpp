// The save-changes question asked before the document is replaced or closed.
#include "document/confirm_discard.h"
#include "document/document_host.h"
#include "document/document_state.h"
#include "document/save_commands.h"
#include "editor/editor_calls.h"
#include "editor/message_box.h"
#include "editor/undo.h"
#include <string>

bool ConfirmDiscard()
{
    // The caret is kept for the recent-files list whatever the answer below.
    if (!DocumentUntitled()) HostRememberCaret(Document.FileName, EditorSelection().cpMin);
    if (!DocumentDirty()) return true;
    std::wstring question = std::wstring(L"Save changes to ") + Document.FileName + L"?";
    int answer = AskYesNoCancel(question);
    if (answer == IDCANCEL) return false;
    // Yes and then a save that did not happen (its Save As cancelled, or a failure
    // after its error box) keeps the document: the user asked for the changes to be kept.
    return answer == IDNO || SaveCommand();
}
