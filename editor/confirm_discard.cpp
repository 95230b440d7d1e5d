// The save-changes question asked before the document is replaced or closed.
#include "editor/document_files.h"
#include "editor/editor_calls.h"
#include "editor/editor_state.h"
#include "editor/message_box.h"
#include "editor/undo.h"
#include "settings/settings.h"
#include <cstring>
#include <string>

// The short form of a path, or the path itself when it has none (a vanished file).
static void ShortPath(const char* path, char* shortPath)
{
    DWORD length = GetShortPathNameA(path, shortPath, PathCapacity);
    if (length == 0 || length >= PathCapacity) lstrcpynA(shortPath, path, PathCapacity);
}

// Stores the caret in the recent-files slot that holds the document's file.
static void RememberCaretForRecentSlot()
{
    char document[PathCapacity];
    ShortPath(Editor.CurrentFileName, document);
    for (char slot = '0'; slot <= '9'; ++slot) {
        char valueName[4] = {slot, 'F', '\0', '\0'};
        char listed[PathCapacity], listedShort[PathCapacity];
        ReadSettingText(valueName, listed, sizeof listed);
        if (listed[0] == '\0') continue;
        ShortPath(listed, listedShort);
        if (lstrcmpiA(listedShort, document) != 0) continue;
        valueName[2] = 'C';
        WriteSettingNumber(valueName, static_cast<uint32_t>(EditorSelection().cpMin));
        return;
    }
}

bool ConfirmDiscard()
{
    bool untitled = std::strcmp(Editor.CurrentFileName, UntitledName) == 0;
    if (!untitled) RememberCaretForRecentSlot();
    if (!DocumentDirty()) return true;
    std::string question = std::string("Save changes to ") + Editor.CurrentFileName + "?";
    int answer = AskYesNoCancel(question.c_str());
    if (answer == IDCANCEL) return false;
    // A cancelled Save As lets the action go ahead; a save that failed keeps the
    // document, so the error box is not followed by the loss of the changes.
    return answer == IDNO || SaveCommand();
}
