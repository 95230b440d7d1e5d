#include "app/message_loop.h"
#include "app/app_state.h"
#include "app/command_enabling.h"
#include "coding/unicode_tables.h"
#include "editor/editor_keys.h"

void DispatchProgramMessage(const MSG& received)
{
    MSG message = received;
    TranslateMessage(&message);
    bool byteCharacter =
        message.message == WM_CHAR && message.wParam > 0x7F && message.hwnd && !IsWindowUnicode(message.hwnd);
    if (byteCharacter && TakesCharacterCodes(message.hwnd)) {
        message.message = WM_UNICHAR;   // any character, as its UTF-16 units
        DispatchMessageA(&message);
    } else if (byteCharacter) {
        message.wParam = UnicodeToByte(CodingAnsi, static_cast<char16_t>(message.wParam));
        DispatchMessageA(&message);
    } else {
        DispatchMessageW(&message);
    }
}

void ProcessProgramMessage(const MSG& message)
{
    DispatchProgramMessage(message);
    MSG waiting;
    if (App.ToolbarWindow && !PeekMessageW(&waiting, nullptr, 0, 0, PM_NOREMOVE)) IdleToolbarUpdate();
}

int RunMessageLoop()
{
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) ProcessProgramMessage(message);
    return static_cast<int>(message.wParam);
}
