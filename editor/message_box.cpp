#include "editor/message_box.h"
#include "editor/editor_host.h"
#include "editor/editor_state.h"

namespace {

// A box in the middle of long work has the arrow; the wait cursor comes back after it.
int ShowBox(const std::wstring& text, UINT style, HWND owner = nullptr)
{
    HCURSOR shown = SetCursor(LoadCursor(nullptr, IDC_ARROW));
    int answer = MessageBoxW(owner ? owner : HostWindow(), text.c_str(), ProgramNameW, style);
    SetCursor(shown);
    return answer;
}

// The system's wording; empty when it has none for the code.
std::wstring SystemText(DWORD code)
{
    wchar_t text[256] = L"";
    DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
                                  MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), text, 255, nullptr);
    return std::wstring(text, length);
}

}   // namespace

std::wstring SystemErrorText(DWORD code, const std::wstring& failed)
{
    std::wstring text = SystemText(code);
    if (!text.empty()) return text;
    return (failed.empty() ? std::wstring(L"The system refused what VERKO asked of it") : failed) + L" (system error "
        + std::to_wstring(code) + L").";
}

void ShowSystemError(const std::wstring& failed)
{
    DWORD code = GetLastError();
    ShowBox(SystemErrorText(code ? code : ERROR_BAD_ENVIRONMENT, failed), MB_ICONINFORMATION | MB_OK);
}

void ShowSystemErrorCode(DWORD code, const std::wstring& failed)
{
    SetLastError(code);
    ShowSystemError(failed);
}

void ShowNotice(const std::wstring& text)
{
    ShowBox(text, MB_ICONINFORMATION | MB_OK);
}

bool AskYesNo(const std::wstring& question, HWND owner)
{
    return ShowBox(question, MB_YESNO | MB_ICONQUESTION, owner) == IDYES;
}

int AskYesNoCancel(const std::wstring& question)
{
    return ShowBox(question, MB_YESNOCANCEL | MB_ICONQUESTION);
}
