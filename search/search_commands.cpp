#include "search/search_commands.h"

#include "editor/editor_calls.h"
#include "editor/undo.h"
#include "editor/wait_cursor.h"
#include "search/find_dialog.h"
#include "search/find_step.h"
#include "search/replace_rest.h"
#include "search/search_state.h"

namespace {

// The rest of a replace-all run that asks nothing more: at once where that
// comes out the same, else step by step with nothing drawn until the end.
void FinishReplaceAll()
{
    WaitCursor wait;
    if (ReplaceRestAtOnce()) return;
    SetEditorRedraw(false);
    while (FindStep()) {}
    SetEditorRedraw(true);
    RepaintEditor();
}

// One step, or in replace mode with "All" steps until nothing more is found.
// One whole-text snapshot before a replace run lets one Undo take all of it back.
void RunSteps()
{
    if (SearchState.ReplaceMode) RecordUndo(UndoWholeText, 0);
    while (FindStep() && SearchState.ReplaceMode && SearchState.ReplaceAll) {
        if (!SearchOptions.Prompt) {
            FinishReplaceAll();
            return;
        }
    }
}

void RunFindReplace()
{
    if (!ShowFindReplaceDialog()) return;
    if (SearchOptions.EntireScope)
        SearchState.SearchPosition = SearchOptions.Backward ? EditorTextLength() : 0;
    else
        SearchState.SearchPosition = EditorSelection().cpMin;
    RunSteps();
}

}   // namespace

void FindTextCommand()
{
    SearchState.ReplaceMode = false;
    RunFindReplace();
}

void ReplaceCommand()
{
    SearchState.ReplaceMode = true;
    RunFindReplace();
}

void SearchAgainCommand()
{
    if (SearchState.ReplaceMode)
        RunSteps();
    else if (!FindStep())
        FindTextCommand();
}
