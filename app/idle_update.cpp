// The toolbar's enabled states, refreshed each time the message queue drains.
#include "app/message_loop.h"
#include "app/app_state.h"
#include "app/command_state.h"
#include "editor/undo.h"
#include "res/resource.h"
#include <commctrl.h>

namespace {

void SetButtonAvailable(int command, bool available)
{
    WORD state = available ? TBSTATE_ENABLED : TBSTATE_INDETERMINATE;
    SendMessageA(App.ToolbarWindow, TB_SETSTATE, command, MAKELPARAM(state, 0));
}

}

void IdleToolbarUpdate()
{
    SetButtonAvailable(CMD_PASTE, ClipboardHasText());
    bool selection = EditorHasSelection();
    SetButtonAvailable(CMD_DELETE, selection);
    SetButtonAvailable(CMD_CUT, selection);
    SetButtonAvailable(CMD_COPY, selection);
    SetButtonAvailable(CMD_SAVE, DocumentDirty());
    SetButtonAvailable(CMD_UNDO, UndoPossible());
}
