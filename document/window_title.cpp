#include "editor/window_title.h"
#include "editor/editor_host.h"
#include "editor/editor_state.h"
#include "editor/file_access.h"
#include <string>

void UpdateWindowTitle()
{
    std::wstring shown = Editor.CurrentFileName;
    if (!DocumentUntitled()) {
        // The file's own long name, without its folder.
        std::wstring found = FoundFileName(Editor.CurrentFileName);
        if (!found.empty()) shown = found;
    }
    std::wstring title = L"[" + shown + L"]-" + ProgramNameW;
    SetWindowTextW(HostWindow(), title.c_str());
}
