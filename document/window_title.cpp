#include "document/window_title.h"
#include "document/document_state.h"
#include "editor/editor_host.h"
#include "editor/file_access.h"
#include <string>

void UpdateWindowTitle()
{
    std::wstring shown = Document.FileName;
    if (!DocumentUntitled()) {
        // The file's own long name, without its folder.
        std::wstring found = FoundFileName(Document.FileName);
        if (!found.empty()) shown = found;
    }
    std::wstring title = L"[" + shown + L"]-" + ProgramNameW;
    SetWindowTextW(HostWindow(), title.c_str());
}
