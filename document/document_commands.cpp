#include "document/document_commands.h"
#include "document/confirm_discard.h"
#include "document/document_files.h"
#include "document/document_state.h"
#include "document/file_dialogs.h"
#include "document/window_title.h"
#include "editor/editor_calls.h"
#include "editor/undo.h"

void StartDocument()
{
    Document = DocumentState{};
    lstrcpynW(Document.FileName, UntitledName, PathCapacity);
    Document.FilterIndex = 1;
    InitializeFileDialogRecord();
    UpdateWindowTitle();
}

void NewDocument()
{
    if (!ConfirmDiscard()) return;
    SetEditorText("");
    FreeUndoHistory();
    SetEditorModified(false);
    lstrcpynW(Document.FileName, UntitledName, PathCapacity);
    UpdateWindowTitle();
}

void OpenDocument()
{
    if (!ConfirmDiscard()) return;
    wchar_t name[PathCapacity + 1] = L"";
    if (AskOpenName(name)) LoadDocument(name);
}

void OpenNamedDocument(const wchar_t* name)
{
    if (ConfirmDiscard()) LoadDocument(name);
}

void InsertFile()
{
    wchar_t name[PathCapacity + 1] = L"";
    if (AskOpenName(name)) InsertFileContents(name);
}
