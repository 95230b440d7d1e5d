// Saving writes the text to a temporary file beside the document and then puts
// it in the document's place, so a failed write never harms the file on disk.
#include "editor/save_document.h"
#include "editor/editor_calls.h"
#include "editor/editor_state.h"
#include "editor/file_streams.h"
#include "editor/message_box.h"
#include <string>

namespace {

bool AllowOverwriteReadOnly(const char* name)
{
    std::string question = std::string(name) + ": READ ONLY!\rOverwrite?";
    return AskYesNo(question.c_str());
}

// Creates an empty temporary file in the folder of `name`; 0 or the system error.
DWORD CreateTemporaryBeside(const char* name, char* temporary)
{
    char folder[MAX_PATH];
    char* filePart = nullptr;
    DWORD length = GetFullPathNameA(name, MAX_PATH, folder, &filePart);
    if (length == 0 || length >= MAX_PATH || !filePart) return length ? ERROR_FILENAME_EXCED_RANGE : GetLastError();
    *filePart = '\0';
    return GetTempFileNameA(folder, "vrk", 0, temporary) ? 0 : GetLastError();
}

// Streams the whole text into the (existing, empty) temporary file; 0 or the system error.
DWORD WriteTextTo(const char* temporary)
{
    HANDLE file = CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) return GetLastError();
    DWORD error = StreamFileOut(file);
    // On disk before it replaces the original, so a crash cannot leave an empty file behind.
    if (!error && !FlushFileBuffers(file)) error = GetLastError();
    if (!CloseHandle(file) && !error) error = GetLastError();
    return error;
}

// Puts the temporary file in place of `name`; a read-only original is made
// writable only for the moment of the replacement.
DWORD ReplaceWith(const char* temporary, const char* name, DWORD attributes)
{
    bool readOnly = (attributes & FILE_ATTRIBUTE_READONLY) != 0;
    if (readOnly && !SetFileAttributesA(name, FILE_ATTRIBUTE_ARCHIVE)) return GetLastError();
    if (MoveFileExA(temporary, name, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return 0;
    DWORD error = GetLastError();
    if (readOnly) SetFileAttributesA(name, attributes);
    return error;
}

}   // namespace

bool SaveDocument()
{
    const char* name = Editor.CurrentFileName;
    DWORD attributes = FILE_ATTRIBUTE_ARCHIVE;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(name, &found);
    if (search != INVALID_HANDLE_VALUE) {
        FindClose(search);
        attributes = found.dwFileAttributes;
    }
    if ((attributes & FILE_ATTRIBUTE_READONLY) && !AllowOverwriteReadOnly(name)) return false;

    char temporary[MAX_PATH];
    DWORD error = CreateTemporaryBeside(name, temporary);
    if (error) {
        ShowSystemErrorCode(error);
        return false;
    }
    error = WriteTextTo(temporary);
    if (!error) error = ReplaceWith(temporary, name, attributes);
    if (error) {
        DeleteFileA(temporary);
        ShowSystemErrorCode(error);
        return false;
    }
    SetFileAttributesA(name, attributes);
    SetEditorModified(false);
    return true;
}
