// The document's own state, one instance for the whole run: the name of its
// file and the file type last chosen in the file dialogs. Only document/ changes it.
#pragma once
#include <windows.h>
#include <cwchar>

#include "editor/editor_state.h"

struct DocumentState {
    wchar_t FileName[PathCapacity];   // UntitledName while the document has none
    DWORD FilterIndex;                // the file dialogs' type last chosen, from 1
};

extern DocumentState Document;

inline bool DocumentUntitled()
{
    return std::wcscmp(Document.FileName, UntitledName) == 0;
}
