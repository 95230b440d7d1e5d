#include "app/command_enabling.h"
#include "app/app_state.h"
#include "app/command_table.h"
#include "editor/editor_calls.h"
#include "editor/undo.h"
#include <commctrl.h>

namespace {

// Text in any of the formats the system converts into one another.
bool ClipboardHasText()
{
    return IsClipboardFormatAvailable(CF_TEXT) || IsClipboardFormatAvailable(CF_OEMTEXT)
        || IsClipboardFormatAvailable(CF_UNICODETEXT);
}

bool Evaluate(Enable rule)
{
    switch (rule) {
    case Enable::Always:
        return true;
    case Enable::Selection:
        return EditorHasSelection();
    case Enable::ClipboardText:
        return ClipboardHasText();
    case Enable::Undo:
        return UndoAvailable();
    case Enable::Modified:
        return EditorModified();
    case Enable::Dirty:
        return DocumentDirty();
    }
    return true;
}

// One pass asks each rule once, however many commands follow it.
class RuleStates {
public:
    bool Holds(Enable rule)
    {
        int& state = states_[static_cast<int>(rule)];
        if (state == Unknown) state = Evaluate(rule) ? 1 : 0;
        return state == 1;
    }

private:
    static constexpr int Unknown = -1;
    int states_[EnableRuleCount] = {Unknown, Unknown, Unknown, Unknown, Unknown, Unknown};
};

void MenuSetEnabled(HMENU menu, UINT command, bool enabled)
{
    EnableMenuItem(menu, command, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

// A greyed button shows indeterminate alone, so it takes no clicks either.
void ButtonSetEnabled(UINT command, bool enabled)
{
    WORD state = enabled ? TBSTATE_ENABLED : TBSTATE_INDETERMINATE;
    SendMessageA(App.ToolbarWindow, TB_SETSTATE, command, MAKELPARAM(state, 0));
}

}   // namespace

void EnableMenuItems(HMENU popup, LPARAM popupInfo)
{
    bool windowMenu = HIWORD(popupInfo) != 0;
    if (windowMenu || LOWORD(popupInfo) > 1) return;   // only the File and Edit menus
    RuleStates rules;
    for (const Command& command : Commands())
        if (command.menu != Enable::Always) MenuSetEnabled(popup, command.id, rules.Holds(command.menu));
}

void IdleToolbarUpdate()
{
    RuleStates rules;
    for (const Command& command : Commands())
        if (command.button != Enable::Always) ButtonSetEnabled(command.id, rules.Holds(command.button));
}
