#include "app/command_state.h"
#include "app/app_state.h"
#include "editor/undo.h"

bool ClipboardHasText()
{
    return IsClipboardFormatAvailable(CF_TEXT) || IsClipboardFormatAvailable(CF_OEMTEXT)
        || IsClipboardFormatAvailable(CF_UNICODETEXT);
}

bool EditorHasSelection()
{
    return App.EditorWindow && SendMessageA(App.EditorWindow, EM_SELECTIONTYPE, 0, 0) != SEL_EMPTY;
}

bool UndoPossible()
{
    if (App.SingleLevelUndo) return App.EditorWindow && SendMessageA(App.EditorWindow, EM_CANUNDO, 0, 0) != 0;
    return UndoAvailable();
}
