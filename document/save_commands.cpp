#include "document/save_commands.h"
#include "document/document_host.h"
#include "document/document_state.h"
#include "document/file_dialogs.h"
#include "document/save_document.h"
#include "document/window_title.h"
#include "editor/undo.h"

bool SaveCommand()
{
    return DocumentUntitled() ? SaveDocumentAs() : SaveDocument();
}

bool SaveDocumentAs()
{
    // The dialog works on a copy: a failing dialog may scribble over its buffer.
    wchar_t name[PathCapacity + 1];
    lstrcpynW(name, Document.FileName, PathCapacity);
    if (!AskSaveName(name)) return false;
    lstrcpynW(Document.FileName, name, PathCapacity);
    bool saved = SaveDocument();
    if (saved) {
        HostRecordRecentFile(Document.FileName);
        FreeUndoHistory();
    }
    UpdateWindowTitle();
    return saved;
}
