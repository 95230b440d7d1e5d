#include "editor/document_files.h"
#include "app/app_state.h"
#include <cstring>
#include <string>

void UpdateWindowTitle()
{
    std::string shown = App.CurrentFileName;
    if (std::strcmp(App.CurrentFileName, UntitledName) != 0) {
        // The file's own long name, without its folder.
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA(App.CurrentFileName, &found);
        if (search != INVALID_HANDLE_VALUE) {
            FindClose(search);
            shown = found.cFileName;
        }
    }
    std::string title = "[" + shown + "]-" + ProgramName;
    SetWindowTextA(App.MainWindow, title.c_str());
}
