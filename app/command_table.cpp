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
#include "document/document_commands.h"
#include "document/save_commands.h"
#include "editor/clipboard_commands.h"
#include "editor/date_time.h"
#include "editor/editor_control.h"
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
#include "app/toolbar_commands.h"
#include <array>
#include <iterator>
#include <utility>
#include <vector>

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

// One row per command, except the ranges that follow; the toolbar's list is the rows with an image, in this order.
constexpr Command SingleCommands[] = {
    {CMD_VIEW_ANSI, [] { ViewCodingCommand(CodingAnsi); }},
    {CMD_VIEW_OEM, [] { ViewCodingCommand(CodingOem); }},
    {CMD_VIEW_KOI8, [] { ViewCodingCommand(CodingKoi8); }},
    {CMD_VIEW_UTF8, [] { ViewCodingCommand(CodingUtf8); }},
    {CMD_CUT, CutCommand, ImageCut, Enable::Selection, Enable::Selection},
    {CMD_COPY, CopyCommand, ImageCopy, Enable::Selection, Enable::Selection},
    {CMD_FIND, FindTextCommand, ImageFind},
    {CMD_HELP, ShowHelp, ImageHelp},
    {CMD_NEW, NewDocument, ImageNew},
    {CMD_OPEN, OpenDocument, ImageOpen},
    {CMD_UNDO, UndoCommand, ImageUndo, Enable::Undo, Enable::Undo},
    {CMD_PASTE, PasteCommand, ImagePaste, Enable::ClipboardText, Enable::ClipboardText},
    {CMD_SAVE, [] { SaveCommand(); }, ImageSave, Enable::Modified, Enable::Dirty},
    {CMD_PRINT, PrintDocument, ImagePrint},
    {CMD_PREVIEW, ShowPreview, ImagePreview},
    {CMD_PAGE_NUMBERS, CountPages, ImageProperties},
    {CMD_PAGE_SETUP, PageSetup, ImageProperties},
    {CMD_DELETE, DeleteCommand, ImageDelete, Enable::Selection, Enable::Selection},
    {CMD_WORD_WRAP, ToggleWordWrap, ImageProperties},
    {CMD_CHAR_MAP, CharMapCommand, ImageProperties},
    {CMD_SAVE_AS, [] { SaveDocumentAs(); }, ImageSave},
    {CMD_SEARCH_AGAIN, SearchAgainCommand, ImageFind},
    {CMD_REPLACE, ReplaceCommand, ImageReplace},
    {CMD_TO_ANSI, TransformCommand<Transformation::ToAnsi>, ImageToAnsi},
    {CMD_TO_OEM, TransformCommand<Transformation::ToOem>, ImageToOem},
    {CMD_TO_KOI8, TransformCommand<Transformation::ToKoi8>, ImageToKoi8},
    {CMD_TO_UTF8, TransformCommand<Transformation::ToUtf8>},
    {CMD_TO_FIDO, TransformCommand<Transformation::ToFido>, ImageTransform},
    {CMD_TRANSLIT, TransformCommand<Transformation::Transliterate>, ImageTransform},
    {CMD_RTF_TO_ANSI, TransformCommand<Transformation::RtfToAnsi>, ImageTransform},
    {CMD_QP_DECODE, TransformCommand<Transformation::DecodeQuotedPrintable>, ImageTransform},
    {CMD_LINE_BREAK, TransformCommand<Transformation::CompleteLineBreaks>, ImageTransform},
    {CMD_JUSTIFY, TransformCommand<Transformation::Justify>, ImageJustify},
    {CMD_CENTER, TransformCommand<Transformation::Center>, ImageTransform},
    {CMD_LEFT, TransformCommand<Transformation::Left>, ImageTransform},
    {CMD_RIGHT, TransformCommand<Transformation::Right>, ImageTransform},
    {CMD_CODING_DIALOG, CodingDialogCommand, ImageTransform},
    {CMD_OPTIONS, ShowOptionsDialog},
    {CMD_INSERT_FILE, InsertFile},
    {CMD_DATE_TIME, InsertDateTime},
    {CMD_FONT_ANSI, [] { EditCodingFont(CodingAnsi); }},
    {CMD_FONT_OEM, [] { EditCodingFont(CodingOem); }},
    {CMD_FONT_KOI8, [] { EditCodingFont(CodingKoi8); }},
    {CMD_FONT_UTF8, [] { EditCodingFont(CodingUtf8); }},
    {CMD_BYTE_EDITOR, OpenByteEditor},
    {CMD_REPAIR_CODING, TransformCommand<Transformation::RepairCoding>},
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
};

constexpr int ButtonRows()
{
    int count = 0;
    for (const Command& command : SingleCommands) count += command.image != NoImage;
    return count;
}
static_assert(ButtonRows() == ToolbarButtonCount, "the Customize dialog offers every button");

constexpr int RecentRowCount = CMD_RECENT_LAST - CMD_RECENT_FIRST + 1;

// Each recent-file item opens the file at its position of the list.
template <size_t... Position>
constexpr std::array<CommandHandler, sizeof...(Position)> RecentHandlers(std::index_sequence<Position...>)
{
    return {[] { OpenRecentFile(Position); }...};
}

// The single rows, then the keys that only beep and the recent-file items, a row for each id of their range.
std::vector<Command> MakeCommandTable()
{
    std::vector<Command> table(std::begin(SingleCommands), std::end(SingleCommands));
    for (WORD id = CMD_BEEP_FIRST; id <= CMD_BEEP_LAST; ++id) table.push_back({id, RefuseKey});
    constexpr auto recent = RecentHandlers(std::make_index_sequence<RecentRowCount>());
    for (int position = 0; position < RecentRowCount; ++position)
        table.push_back({static_cast<WORD>(CMD_RECENT_FIRST + position), recent[position]});
    return table;
}

const std::vector<Command>& CommandTable()
{
    static const std::vector<Command> table = MakeCommandTable();
    return table;
}

}   // namespace

CommandList Commands()
{
    const std::vector<Command>& table = CommandTable();
    return {table.data(), table.data() + table.size()};
}

const Command* FindCommand(WORD id)
{
    for (const Command& command : Commands())
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
