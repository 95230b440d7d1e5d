#include "editor/window_title.h"
#include "editor/editor_host.h"
#include "editor/editor_state.h"
#include <cstring>
#include <string>

void UpdateWindowTitle()
{
    std::string shown = Editor.CurrentFileName;
    if (std::strcmp(Editor.CurrentFileName, UntitledName) != 0) {
        // The file's own long name, without its folder.
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA(Editor.CurrentFileName, &found);
        if (search != INVALID_HANDLE_VALUE) {
            FindClose(search);
            shown = found.cFileName;
        }
    }
    std::string title = "[" + shown + "]-" + ProgramName;
    SetWindowTextA(HostWindow(), title.c_str());
}
