// The one table of the program's commands. A row gives a command's id, the
// procedure that carries it out and when its menu item and its toolbar button are enabled; dispatch and both
// enabling passes are read from it, so a new command is one row.
#pragma once
#include <windows.h>

// When a command can act. Menu and toolbar may differ: the Save item follows
// the modify flag alone, the Save button only a change that counts.
enum class Enable {
    Always,          // never greyed
    Selection,       // the editor's selection is not empty
    ClipboardText,   // the clipboard holds text
    Undo,            // the undo in use has something to take back
    Modified,        // the editor's modify flag is set
    Dirty,           // modified by a change that counts (DocumentDirty)
};
constexpr int EnableRuleCount = 6;

using CommandHandler = void (*)();

struct Command {
    WORD id;
    CommandHandler run;
    Enable menu = Enable::Always;     // the item, in the File and Edit menus
    Enable button = Enable::Always;   // the toolbar button
};

struct CommandList {
    const Command* first;
    const Command* last;
    const Command* begin() const { return first; }
    const Command* end() const { return last; }
};
CommandList Commands();

// The row of the id; null for a number that is not a command of the program.
const Command* FindCommand(WORD id);
// False for a number that is not a command of the program.
bool ExecuteCommand(WORD id);
