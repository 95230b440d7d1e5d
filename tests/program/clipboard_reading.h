// Reading what the clipboard holds, for the tests of the control and the program.
#pragma once
#include <windows.h>
#include <string>

// The clipboard's text in that format, up to its first zero; empty when there is none.
template <typename Text = std::string> Text ClipboardContents(UINT format)
{
    Text text;
    if (!OpenClipboard(nullptr)) return text;
    if (HANDLE data = GetClipboardData(format)) {
        text = static_cast<const typename Text::value_type*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}
