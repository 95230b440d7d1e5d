// Registration of the text control's window class, its per-window state and
// the dispatch of messages to the files that handle them.
#include "textctl/textctl.h"

#include <new>

#include "textctl/textctl_internal.h"

namespace {

TextControl* CreateState(HWND window)
{
    TextControl* c = new (std::nothrow) TextControl;
    if (!c) return nullptr;
    c->window = window;
    c->format.cbSize = sizeof(CHARFORMATA);
    c->format.dwMask = CFM_BOLD | CFM_ITALIC | CFM_SIZE | CFM_COLOR | CFM_FACE | CFM_CHARSET;
    c->format.dwEffects = CFE_AUTOCOLOR;
    c->format.yHeight = 200;
    c->format.bCharSet = DEFAULT_CHARSET;
    c->format.bPitchAndFamily = FIXED_PITCH | FF_MODERN;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(c));
    return c;
}

void DestroyState(HWND window)
{
    TextControl* c = ControlOf(window);
    if (!c) return;
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    if (c->oleCallback) c->oleCallback->Release();
    if (c->font) DeleteObject(c->font);
    ReleasePageCache(*c);
    delete c;
}

void Created(TextControl& c, LONG style)
{
    c.wrap = (style & (WS_HSCROLL | ES_AUTOHSCROLL)) == 0;
    c.verticalBar = (style & WS_VSCROLL) != 0;
    c.horizontalBar = (style & WS_HSCROLL) != 0;
    RebuildFont(c);
}

// Messages of features still to come: answered as "nothing done" until they
// are built.
bool PendingMessage(UINT message, LRESULT* result)
{
    switch (message) {
    case EM_SETEVENTMASK:   // the control sends no notifications
    case EM_GETEVENTMASK:
        *result = 0;
        return true;
    }
    return false;
}

LRESULT CALLBACK TextControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        if (!CreateState(window)) return FALSE;
        return DefWindowProcA(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        DestroyState(window);
        return DefWindowProcA(window, message, wParam, lParam);
    }
    TextControl* c = ControlOf(window);
    if (!c) return DefWindowProcA(window, message, wParam, lParam);
    switch (message) {
    case WM_CREATE:
        Created(*c, reinterpret_cast<const CREATESTRUCTA*>(lParam)->style);
        return 0;
    case WM_PAINT:
        Paint(*c);
        return 0;
    case WM_ERASEBKGND:
        return 1;   // painting fills every pixel
    }
    LRESULT result = 0;
    if (TextMessage(*c, message, wParam, lParam, &result) || LineMessage(*c, message, wParam, lParam, &result)
        || CharFormatMessage(*c, message, wParam, lParam, &result) || InputMessage(*c, message, wParam, lParam, &result)
        || ScrollMessage(*c, message, wParam, lParam, &result) || ClipboardMessage(*c, message, wParam, lParam, &result)
        || PageMessage(*c, message, wParam, lParam, &result) || PendingMessage(message, &result))
        return result;
    return DefWindowProcA(window, message, wParam, lParam);
}

}   // namespace

TextControl* ControlOf(HWND window)
{
    return reinterpret_cast<TextControl*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

bool IsReadOnly(const TextControl& c)
{
    return (GetWindowLongA(c.window, GWL_STYLE) & ES_READONLY) != 0;
}

bool RegisterTextControl(HINSTANCE instance)
{
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = TextControlProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_IBEAM);
    windowClass.lpszClassName = TextControlClassName;
    if (RegisterClassExA(&windowClass)) return true;
    return GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}
