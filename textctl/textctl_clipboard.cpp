// Cut, copy and paste of the control itself: CF_TEXT bytes as they are.
// A paste first asks the program's OLE callback whether it accepts the data.
#include <cstring>

#include "textctl/textctl_internal.h"

namespace {

bool PasteAccepted(TextControl& c)
{
    if (!c.oleCallback) return true;
    CLIPFORMAT format = CF_TEXT;
    return SUCCEEDED(c.oleCallback->QueryAcceptData(nullptr, &format, RECO_PASTE, TRUE, nullptr));
}

}   // namespace

void CopySelection(TextControl& c)
{
    size_t start = SelectionStart(c), count = SelectionEnd(c) - start;
    if (count == 0 || !OpenClipboard(c.window)) return;
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, count + 1);
    if (char* bytes = block ? static_cast<char*>(GlobalLock(block)) : nullptr) {
        c.text.CopyOut(start, count, reinterpret_cast<uint8_t*>(bytes));
        bytes[count] = '\0';
        GlobalUnlock(block);
        if (!SetClipboardData(CF_TEXT, block)) GlobalFree(block);
    }
    CloseClipboard();
}

void CutSelection(TextControl& c)
{
    if (IsReadOnly(c) || SelectionStart(c) == SelectionEnd(c)) return;
    CopySelection(c);
    ReplaceRange(c, SelectionStart(c), SelectionEnd(c), nullptr, 0);
}

void PasteClipboard(TextControl& c)
{
    if (IsReadOnly(c) || !IsClipboardFormatAvailable(CF_TEXT) || !PasteAccepted(c)) return;
    if (!OpenClipboard(c.window)) return;
    HANDLE block = GetClipboardData(CF_TEXT);
    if (const char* bytes = block ? static_cast<const char*>(GlobalLock(block)) : nullptr) {
        size_t count = strnlen(bytes, GlobalSize(block));
        ReplaceRange(c, SelectionStart(c), SelectionEnd(c), reinterpret_cast<const uint8_t*>(bytes), count);
        GlobalUnlock(block);
    }
    CloseClipboard();
}

bool ClipboardMessage(TextControl& c, UINT message, WPARAM, LPARAM, LRESULT* result)
{
    *result = 0;
    switch (message) {
    case WM_COPY:
        CopySelection(c);
        return true;
    case WM_CUT:
        CutSelection(c);
        return true;
    case WM_PASTE:
        PasteClipboard(c);
        return true;
    case EM_CANPASTE:
        *result = IsClipboardFormatAvailable(CF_TEXT);
        return true;
    }
    return false;
}
