// The save-changes question asked before the document is replaced or closed.
#include "editor/confirm_discard.h"
#include "editor/document_files.h"
#include "editor/editor_calls.h"
#include "editor/editor_state.h"
#include "editor/file_dialogs.h"
#include "editor/message_box.h"
#include "editor/undo.h"
#include "settings/settings.h"
#include <cstring>
#include <string>

namespace {

// The short form of a path, or the path itself when it has none (a vanished file).
void ShortPath(const char* path, char* shortPath)
{
    DWORD length = GetShortPathNameA(path, shortPath, PathCapacity);
    if (length == 0 || length >= PathCapacity) lstrcpynA(shortPath, path, PathCapacity);
}

// Stores the caret in the recent-files slot that holds the document's file.
void RememberCaretForRecentSlot()
{
    char document[PathCapacity];
    ShortPath(Editor.CurrentFileName, document);
    for (int slot = 0; slot < SettingSlotCount; ++slot) {
        char listed[PathCapacity], listedShort[PathCapacity];
        ReadSettingText(SettingSlotName(SettingName::RecentFile, slot).c_str(), listed, sizeof listed);
        if (listed[0] == '\0') continue;
        ShortPath(listed, listedShort);
        if (lstrcmpiA(listedShort, document) != 0) continue;
        WriteSettingNumber(SettingSlotName(SettingName::RecentCaret, slot).c_str(),
                           static_cast<uint32_t>(EditorSelection().cpMin));
        return;
    }
}

}   // namespace

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
