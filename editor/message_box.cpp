#include "editor/message_box.h"
#include "editor/editor_host.h"
#include "editor/editor_state.h"

void ShowSystemError()
{
    DWORD code = GetLastError();
    if (code == 0) code = ERROR_BAD_ENVIRONMENT;
    char text[256] = "";
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), text, 255,
                   nullptr);
    MessageBoxA(HostWindow(), text, ProgramName, MB_ICONINFORMATION | MB_OK);
}

void ShowSystemErrorCode(DWORD code)
{
    SetLastError(code);
    ShowSystemError();
}

bool AskYesNo(const char* question, HWND owner)
{
    return MessageBoxA(owner ? owner : HostWindow(), question, ProgramName, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

int AskYesNoCancel(const char* question)
{
    return MessageBoxA(HostWindow(), question, ProgramName, MB_YESNOCANCEL | MB_ICONQUESTION);
}
