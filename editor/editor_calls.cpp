#include "editor/editor_calls.h"
#include "editor/memory_stream.h"

CHARRANGE EditorSelection()
{
    return ControlSelection(Editor.Window);
}

void SelectEditorRange(LONG start, LONG end)
{
    CHARRANGE range = {start, end};
    SendEditor(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

LONG ReadEditorRange(LONG start, LONG end, char* buffer)
{
    LONG length = EditorTextLength();
    if (end > length) end = length;
    buffer[0] = 0;
    if (start >= end) return 0;
    TEXTRANGEA range = {{start, end}, buffer};
    return static_cast<LONG>(SendEditor(EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range)));
}

int EditorByteAt(LONG position)
{
    char text[2];
    if (ReadEditorRange(position, position + 1, text) != 1) return -1;
    return static_cast<uint8_t>(text[0]);
}

bool OverwriteReplacesAt(LONG position)
{
    int byte = EditorByteAt(position);
    return byte >= 0 && byte != '\r' && byte != '\n';
}

bool EditorHasRoomFor(uint64_t count)
{
    CHARRANGE selection = EditorSelection();
    return static_cast<uint64_t>(EditorTextLength() - (selection.cpMax - selection.cpMin)) + count <= Editor.TextLimit;
}

void ReplaceEditorSelectionBytes(const char* bytes, DWORD count)
{
    MemoryStream stream = {0, count, reinterpret_cast<uint8_t*>(const_cast<char*>(bytes))};
    StreamInFromMemory(stream, SF_TEXT | SFF_SELECTION);
}

void SetEditorTextColour(COLORREF colour)
{
    CHARFORMATA format = {};
    format.cbSize = sizeof format;
    format.dwMask = CFM_COLOR;
    format.crTextColor = colour;
    SetEditorCharFormat(SCF_ALL, format);
}
