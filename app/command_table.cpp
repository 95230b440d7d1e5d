#include "app/command_table.h"
#include "app/about.h"
#include "app/app_state.h"
#include "app/clipboard_commands.h"
#include "coding/view_coding.h"
#include "editor/document_files.h"
#include "editor/editor_control.h"
#include "editor/undo.h"
#include "res/resource.h"

namespace {

// Commands whose owners are still to be built: known to the program, nothing happens yet.
bool IsPendingCommand(WORD command)
{
    switch (command) {
    case CMD_FIND:
    case CMD_REPLACE:
    case CMD_SEARCH_AGAIN:
    case CMD_PRINT:
    case CMD_PREVIEW:
    case CMD_PAGE_NUMBERS:
    case CMD_PAGE_SETUP:
    case CMD_CHAR_MAP:
    case CMD_TO_ANSI:
    case CMD_TO_OEM:
    case CMD_TO_KOI8:
    case CMD_TO_FIDO:
    case CMD_TRANSLIT:
    case CMD_RTF_TO_ANSI:
    case CMD_QP_DECODE:
    case CMD_LINE_BREAK:
    case CMD_JUSTIFY:
    case CMD_CENTER:
    case CMD_LEFT:
    case CMD_RIGHT:
    case CMD_CODING_DIALOG:
    case CMD_OPTIONS:
    case CMD_TOOLBAR:
    case CMD_FONT_ANSI:
    case CMD_FONT_OEM:
    case CMD_FONT_KOI8:
    case CMD_SIZE_DOWN:
    case CMD_SIZE_UP:
    case CMD_BYTE_EDITOR:
    case CMD_HTML_REFRESH:
    case CMD_COLOR_TEXT:
    case CMD_COLOR_BACKGROUND:
    case CMD_COLOR_HTML:
        return true;
    default:
        return command >= CMD_RECENT_FIRST && command <= CMD_RECENT_LAST;
    }
}

}

bool ExecuteCommand(HWND window, WORD command)
{
    if (command >= CMD_BEEP_FIRST && command <= CMD_BEEP_LAST) {
        // Keys taken away from the editor so they do nothing there.
        MessageBeep(0);
        return true;
    }
    switch (command) {
    case CMD_EXIT:
        SendMessageA(window, WM_CLOSE, 0, 0);   // the close path asks about unsaved changes
        return true;
    case CMD_HELP:
        WinHelpA(window, ProgramName, HELP_CONTENTS, 0);
        return true;
    case CMD_ABOUT:
        ShowAboutBox();
        return true;
    case CMD_NEW:
        NewDocument();
        return true;
    case CMD_OPEN:
        if (ConfirmDiscard()) OpenDocument();
        return true;
    case CMD_SAVE:
        SaveCommand();
        return true;
    case CMD_SAVE_AS:
        SaveDocumentAs();
        return true;
    case CMD_INSERT_FILE:
        InsertFile();
        return true;
    case CMD_VIEW_ANSI:
    case CMD_VIEW_OEM:
    case CMD_VIEW_KOI8:
        ViewCodingCommand(command);
        return true;
    case CMD_CUT:
        CutCommand();
        return true;
    case CMD_COPY:
        CopyCommand();
        return true;
    case CMD_PASTE:
        PasteCommand();
        return true;
    case CMD_DELETE:
        DeleteCommand();
        return true;
    case CMD_SELECT_ALL:
        SelectAllCommand();
        return true;
    case CMD_UNDO:
        UndoCommand();
        return true;
    case CMD_DATE_TIME:
        InsertDateTime();
        return true;
    case CMD_WORD_WRAP:
        ToggleWordWrap();
        return true;
    default:
        return IsPendingCommand(command);
    }
}
