#include "app/command_table.h"
#include "app/about.h"
#include "app/app_state.h"
#include "app/help_window.h"
#include "app/options_dialog.h"
#include "app/recent_files.h"
#include "app/toolbar.h"
#include "codingui/char_map_dialog.h"
#include "codingui/coding_dialog.h"
#include "codingui/font_dialog.h"
#include "codingui/font_size_commands.h"
#include "codingui/transform_selection.h"
#include "editor/clipboard_commands.h"
#include "editor/date_time.h"
#include "editor/document_files.h"
#include "editor/editor_control.h"
#include "editor/file_dialogs.h"
#include "editor/undo.h"
#include "editor/view_coding.h"
#include "print/page_count.h"
#include "print/page_setup.h"
#include "print/preview.h"
#include "print/print_document.h"
#include "res/resource.h"
#include "search/search_commands.h"
#include "tools/byte_editor.h"
#include "tools/colour_commands.h"
#include "tools/html_colours.h"
#include <iterator>

namespace {

void CloseProgram()
{
    SendMessageA(App.MainWindow, WM_CLOSE, 0, 0);   // the close path asks about unsaved changes
}

// Keys taken away from the editor so they do nothing there.
void RefuseKey()
{
    MessageBeep(0);
}

constexpr Command CommandTable[] = {
    {CMD_VIEW_ANSI, [] { ViewCodingCommand(CodingAnsi); }},
    {CMD_VIEW_OEM, [] { ViewCodingCommand(CodingOem); }},
    {CMD_VIEW_KOI8, [] { ViewCodingCommand(CodingKoi8); }},
    {CMD_CUT, CutCommand, Enable::Selection, Enable::Selection},
    {CMD_COPY, CopyCommand, Enable::Selection, Enable::Selection},
    {CMD_FIND, FindTextCommand},
    {CMD_HELP, ShowHelp},
    {CMD_NEW, NewDocument},
    {CMD_OPEN, OpenDocument},
    {CMD_UNDO, UndoCommand, Enable::Undo, Enable::Undo},
    {CMD_PASTE, PasteCommand, Enable::ClipboardText, Enable::ClipboardText},
    {CMD_SAVE, [] { SaveCommand(); }, Enable::Modified, Enable::Dirty},
    {CMD_PRINT, PrintDocument},
    {CMD_PREVIEW, ShowPreview},
    {CMD_PAGE_NUMBERS, CountPages},
    {CMD_PAGE_SETUP, PageSetup},
    {CMD_DELETE, DeleteCommand, Enable::Selection, Enable::Selection},
    {CMD_WORD_WRAP, ToggleWordWrap},
    {CMD_CHAR_MAP, CharMapCommand},
    {CMD_SAVE_AS, [] { SaveDocumentAs(); }},
    {CMD_SEARCH_AGAIN, SearchAgainCommand},
    {CMD_REPLACE, ReplaceCommand},
    {CMD_TO_ANSI, TransformCommand<CMD_TO_ANSI>},
    {CMD_TO_OEM, TransformCommand<CMD_TO_OEM>},
    {CMD_TO_KOI8, TransformCommand<CMD_TO_KOI8>},
    {CMD_TO_FIDO, TransformCommand<CMD_TO_FIDO>},
    {CMD_TRANSLIT, TransformCommand<CMD_TRANSLIT>},
    {CMD_RTF_TO_ANSI, TransformCommand<CMD_RTF_TO_ANSI>},
    {CMD_QP_DECODE, TransformCommand<CMD_QP_DECODE>},
    {CMD_LINE_BREAK, TransformCommand<CMD_LINE_BREAK>},
    {CMD_JUSTIFY, TransformCommand<CMD_JUSTIFY>},
    {CMD_CENTER, TransformCommand<CMD_CENTER>},
    {CMD_LEFT, TransformCommand<CMD_LEFT>},
    {CMD_RIGHT, TransformCommand<CMD_RIGHT>},
    {CMD_CODING_DIALOG, CodingDialogCommand},
    {CMD_OPTIONS, ShowOptionsDialog},
    {CMD_INSERT_FILE, InsertFile},
    {CMD_DATE_TIME, InsertDateTime},
    {CMD_FONT_ANSI, [] { EditCodingFont(CodingAnsi); }},
    {CMD_FONT_OEM, [] { EditCodingFont(CodingOem); }},
    {CMD_FONT_KOI8, [] { EditCodingFont(CodingKoi8); }},
    {CMD_BYTE_EDITOR, OpenByteEditor},
    {CMD_EXIT, CloseProgram},
    {CMD_HTML_REFRESH, RefreshHtmlColors},
    {CMD_TOOLBAR, CustomizeToolbar},
    {CMD_COLOR_TEXT, ChooseTextColor},
    {CMD_COLOR_BACKGROUND, ChooseBackgroundColor},
    {CMD_COLOR_HTML, ChooseTagColor},
    {CMD_SELECT_ALL, SelectAllCommand},
    {CMD_SIZE_DOWN, FontSizeDownCommand},
    {CMD_SIZE_UP, FontSizeUpCommand},
    {CMD_ABOUT, ShowAboutBox},
    {CMD_BEEP_DOWN, RefuseKey},
    {CMD_BEEP_UP, RefuseKey},
    {CMD_BEEP_LEFT, RefuseKey},
    {CMD_BEEP_RIGHT, RefuseKey},
    {CMD_BEEP_SHIFT_DOWN, RefuseKey},
    {CMD_BEEP_SHIFT_UP, RefuseKey},
    {CMD_BEEP_SHIFT_LEFT, RefuseKey},
    {CMD_BEEP_SHIFT_RIGHT, RefuseKey},
    {CMD_RECENT_0, [] { OpenRecentFile(0); }},
    {CMD_RECENT_1, [] { OpenRecentFile(1); }},
    {CMD_RECENT_2, [] { OpenRecentFile(2); }},
    {CMD_RECENT_3, [] { OpenRecentFile(3); }},
    {CMD_RECENT_4, [] { OpenRecentFile(4); }},
    {CMD_RECENT_5, [] { OpenRecentFile(5); }},
    {CMD_RECENT_6, [] { OpenRecentFile(6); }},
    {CMD_RECENT_7, [] { OpenRecentFile(7); }},
    {CMD_RECENT_8, [] { OpenRecentFile(8); }},
    {CMD_RECENT_9, [] { OpenRecentFile(9); }},
};

}   // namespace

CommandList Commands()
{
    return {std::begin(CommandTable), std::end(CommandTable)};
}

const Command* FindCommand(WORD id)
{
    for (const Command& command : CommandTable)
        if (command.id == id) return &command;
    return nullptr;
}

bool ExecuteCommand(WORD id)
{
    const Command* command = FindCommand(id);
    if (!command) return false;
    command->run();
    return true;
}
