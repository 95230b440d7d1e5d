#include "app/status_bar.h"
#include "app/app_state.h"
#include "app/status_text.h"
#include "codingui/transform_rules.h"
#include "editor/editor_calls.h"
#include <commctrl.h>
#include <iterator>

namespace {

enum Pane { CaretPane, KeyboardPane, CodingPane, InsertModePane };
// Right edges in pixels; the last pane reaches the right edge.
constexpr int PaneRightEdges[] = {88, 166, 276, -1};
constexpr int NoteWidth = 260;   // the first pane while it holds a note
constexpr UINT StatusBarId = 1;

bool NoteShown = false;

void SetPaneEdges(int widening)
{
    int edges[std::size(PaneRightEdges)];
    for (size_t i = 0; i < std::size(edges); ++i) edges[i] = PaneRightEdges[i] < 0 ? -1 : PaneRightEdges[i] + widening;
    SendMessageA(App.StatusBarWindow, SB_SETPARTS, std::size(edges), reinterpret_cast<LPARAM>(edges));
}

void SetPaneText(Pane pane, const char* text, WPARAM drawing = 0)
{
    if (App.StatusBarWindow)
        SendMessageA(App.StatusBarWindow, SB_SETTEXTA, pane | drawing, reinterpret_cast<LPARAM>(text));
}

}   // namespace

void CreateStatusBar()
{
    App.StatusBarWindow = CreateStatusWindowA(WS_CHILD | WS_VISIBLE | WS_BORDER, nullptr, App.MainWindow, StatusBarId);
    if (!App.StatusBarWindow) return;
    NoteShown = false;
    SetPaneEdges(0);
    ShowCodingPane();
    ShowKeyboardPane();
}

void DestroyStatusBar()
{
    if (App.StatusBarWindow) DestroyWindow(App.StatusBarWindow);
    App.StatusBarWindow = nullptr;
}

void ShowCaretPosition()
{
    if (!App.StatusBarWindow || !Editor.Window) return;
    CHARRANGE selection = EditorSelection();
    if (selection.cpMin == App.LastCaretRange.cpMin && selection.cpMax == App.LastCaretRange.cpMax) return;
    App.LastCaretRange = selection;
    if (NoteShown) SetPaneEdges(0);
    NoteShown = false;
    // Columns count bytes, in the UTF-8 view characters.
    LONG column = EditorColumnOf(selection.cpMin) + 1;
    SetPaneText(CaretPane, CaretPaneText(column, EditorLineOf(selection.cpMin) + 1).c_str());
}

void ForgetCaretPosition()
{
    App.LastCaretRange.cpMin = -1;
}

void ShowStatusNote(const char* text)
{
    if (!App.StatusBarWindow || !Editor.Window) return;
    SetPaneEdges(NoteWidth - PaneRightEdges[0]);
    NoteShown = true;
    SetPaneText(CaretPane, text);
    App.LastCaretRange = EditorSelection();   // the note stays until the selection changes
}

void ShowKeyboardPane()
{
    char layout[KL_NAMELENGTH] = "";
    if (App.StatusBarWindow && GetKeyboardLayoutNameA(layout))
        SetPaneText(KeyboardPane, KeyboardPaneText(layout).c_str(), SBT_POPOUT);
}

void ShowCodingPane()
{
    SetPaneText(CodingPane, ConversionCodingName(Editor.ViewCoding));
}

void ShowInsertModePane()
{
    SetPaneText(InsertModePane, InsertModePaneText(Editor.OverwriteMode));
}
