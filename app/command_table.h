// The one table of the program's commands. A row gives a command's id, the
// procedure that carries it out (with what it works on: a view coding, a
// transformation), the image of its toolbar button and when its menu item and
// its button are enabled; dispatch, both enabling passes and the toolbar's
// list of buttons are read from it, so a new command is one row.
#pragma once
#include <windows.h>

#include "app/toolbar_buttons.h"

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
    ToolbarImage image = NoImage;     // its button's; NoImage: it has none
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
