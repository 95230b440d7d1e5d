// The one box for failures of the system: the system's own text for the last error.
#include "editor/system_error.h"
#include "app/app_state.h"

void ShowSystemError()
{
    DWORD code = GetLastError();
    if (code == 0) code = ERROR_BAD_ENVIRONMENT;
    char text[256] = "";
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), text, 255,
                   nullptr);
    MessageBoxA(App.MainWindow, text, ProgramName, MB_ICONINFORMATION | MB_OK);
}
