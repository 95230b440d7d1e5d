// Saving writes the text into the document's own file, so the file keeps its
// identity: permissions, owner, links and the target of a symbolic link. A copy
// of the old bytes is kept until the new ones are on the disk and is put back
// when anything fails, so a failed save never harms the file.
#include "document/save_document.h"
#include "document/document_state.h"
#include "editor/editor_calls.h"
#include "editor/editor_state.h"
#include "editor/file_access.h"
#include "editor/file_backup.h"
#include "editor/file_streams.h"
#include "editor/message_box.h"
#include "editor/wait_cursor.h"
#include <string>

namespace {

bool AllowOverwriteReadOnly(const wchar_t* name)
{
    return AskYesNo(std::wstring(name) + L": READ ONLY!\rOverwrite?");
}

// Streams the whole text into the open file, then flushes and closes it.
DWORD WriteTextAndClose(HANDLE file)
{
    DWORD error = StreamFileOut(file);
    DWORD finished = FinishWriting(file);
    return error ? error : finished;
}

// A file that did not exist: a half-written one is not left under the new name.
DWORD WriteNewFile(const wchar_t* name)
{
    HANDLE file = OpenFileForWriting(name, CREATE_NEW);
    if (file == INVALID_HANDLE_VALUE) return GetLastError();
    DWORD error = WriteTextAndClose(file);
    if (error) DeleteFileW(name);
    return error;
}

// Writes the text over the existing file; `touched` tells that its old bytes may be gone.
DWORD WriteInPlace(const wchar_t* name, bool& touched)
{
    HANDLE file = OpenFileForWriting(name, TRUNCATE_EXISTING);
    touched = file != INVALID_HANDLE_VALUE;
    return touched ? WriteTextAndClose(file) : GetLastError();
}

// An existing file is written over in place with its old bytes kept aside;
// false, after its box, when it still holds them (or, said in the box, when
// they could only be kept in the backup).
bool RewriteFile(const wchar_t* name, DWORD attributes)
{
    std::wstring failed = std::wstring(L"VERKO could not save ") + name;
    std::wstring backup;
    DWORD error = MakeBackup(name, backup);
    if (error) {
        ShowSystemErrorCode(error, std::wstring(L"VERKO could not keep a copy of ") + name + L" while saving it");
        return false;
    }
    // A read-only file the user allowed to be overwritten is writable only meanwhile.
    bool readOnly = (attributes & FILE_ATTRIBUTE_READONLY) != 0;
    bool touched = false;
    if (readOnly && !SetFileAttributesW(name, FILE_ATTRIBUTE_ARCHIVE))
        error = GetLastError();
    else
        error = WriteInPlace(name, touched);
    DWORD restoreError = error && touched ? RestoreBackup(backup, name) : 0;
    if (readOnly) SetFileAttributesW(name, attributes);
    if (restoreError) {
        ShowNotice(SystemErrorText(error, failed)
                   + L"\n\nIts earlier contents could not be put back; they are kept in\n" + backup);
        return false;
    }
    DeleteFileW(backup.c_str());
    if (error) ShowSystemErrorCode(error, failed);
    return !error;
}

}   // namespace

bool SaveDocument()
{
    const wchar_t* name = Document.FileName;
    DWORD attributes = GetFileAttributesW(name);
    bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & FILE_ATTRIBUTE_READONLY) && !AllowOverwriteReadOnly(name)) return false;
    WaitCursor wait;
    if (exists) {
        if (!RewriteFile(name, attributes)) return false;
    } else if (DWORD error = WriteNewFile(name)) {
        ShowSystemErrorCode(error, std::wstring(L"VERKO could not save ") + name);
        return false;
    }
    SetEditorModified(false);
    return true;
}
