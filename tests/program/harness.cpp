#include "tests/program/harness.h"
#include "app/app_state.h"
#include "app/message_loop.h"
#include "settings/settings.h"
#include "app/startup.h"
#include "textctl/textctl.h"
#include <cstring>

namespace {

constexpr DWORD ModalTimeout = 5000;   // a watched window must close this soon after its action
constexpr DWORD QuitTimeout = 5000;
constexpr UINT WatchInterval = 30;
constexpr int MessageBoxTextId = 0xFFFF;

void DeleteKeyTree(HKEY parent, const char* name)
{
    HKEY key;
    if (RegOpenKeyA(parent, name, &key) != ERROR_SUCCESS) return;
    char child[MAX_PATH];
    while (RegEnumKeyA(key, 0, child, sizeof child) == ERROR_SUCCESS) DeleteKeyTree(key, child);
    RegCloseKey(key);
    RegDeleteKeyA(parent, name);
}

std::optional<std::vector<uint8_t>> QueryRegistry(const char* name, DWORD* type)
{
    HKEY key;
    if (RegOpenKeyA(HKEY_CURRENT_USER, SettingsKey, &key) != ERROR_SUCCESS) return std::nullopt;
    DWORD size = 0;
    std::optional<std::vector<uint8_t>> data;
    if (RegQueryValueExA(key, name, nullptr, type, nullptr, &size) == ERROR_SUCCESS) {
        data.emplace(size);
        if (RegQueryValueExA(key, name, nullptr, type, data->data(), &size) != ERROR_SUCCESS) data.reset();
    }
    RegCloseKey(key);
    return data;
}

std::string ClassName(HWND window)
{
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM list)
{
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

void RemoveFolder(const std::wstring& folder)
{
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            std::wstring path = folder + L"\\" + name;
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveFolder(path);
            else
                DeleteFileW(path.c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

std::string ReadAll(HANDLE file)
{
    std::string output;
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got) output.append(chunk, got);
    return output;
}

}

// --- Registry ---

bool SettingsKeyExists()
{
    HKEY key;
    if (RegOpenKeyA(HKEY_CURRENT_USER, SettingsKey, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

void DeleteSettingsKey()
{
    DeleteKeyTree(HKEY_CURRENT_USER, SettingsKey);
}

void CreateSettingsKey()
{
    HKEY key;
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, SettingsKey, &key), ERROR_SUCCESS);
    RegCloseKey(key);
}

std::optional<uint32_t> ReadRegistryNumber(const char* name)
{
    DWORD type = 0;
    auto data = QueryRegistry(name, &type);
    if (!data || type != REG_DWORD || data->size() != 4) return std::nullopt;
    uint32_t value;
    std::memcpy(&value, data->data(), 4);
    return value;
}

std::optional<std::string> ReadRegistryText(const char* name)
{
    DWORD type = 0;
    auto data = QueryRegistry(name, &type);
    if (!data || type != REG_SZ) return std::nullopt;
    std::string text(data->begin(), data->end());
    if (!text.empty() && text.back() == '\0') text.pop_back();
    return text;
}

std::optional<std::string> ReadRegistryWideText(const char* name)
{
    HKEY key;
    if (RegOpenKeyA(HKEY_CURRENT_USER, SettingsKey, &key) != ERROR_SUCCESS) return std::nullopt;
    wchar_t text[1024] = L"";
    DWORD type = 0, size = sizeof text - sizeof(wchar_t);
    LONG result = RegQueryValueExW(key, Wide(name).c_str(), nullptr, &type, reinterpret_cast<BYTE*>(text), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || type != REG_SZ) return std::nullopt;
    return Utf8(text);
}

std::optional<std::vector<uint8_t>> ReadRegistryBinary(const char* name)
{
    DWORD type = 0;
    auto data = QueryRegistry(name, &type);
    if (!data || type != REG_BINARY) return std::nullopt;
    return data;
}

void WriteRegistryValue(const char* name, DWORD type, const void* data, size_t size)
{
    HKEY key;
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, SettingsKey, &key), ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), static_cast<DWORD>(size)),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

// --- Text ---

std::wstring Wide(const std::string& utf8)
{
    int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &wide[0], length);
    return wide;
}

std::string Utf8(const std::wstring& wide)
{
    int length =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), &utf8[0], length, nullptr, nullptr);
    return utf8;
}

// --- Files ---

void WriteFileBytes(const std::string& path, const std::string& bytes)
{
    HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << "cannot write " << path;
    DWORD written = 0;
    BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    ASSERT_TRUE(ok && written == bytes.size()) << "cannot write " << path;
}

std::string ReadFileBytes(const std::string& path)
{
    HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE) << "cannot read " << path;
    if (file == INVALID_HANDLE_VALUE) return std::string();
    std::string bytes = ReadAll(file);
    CloseHandle(file);
    return bytes;
}

// --- Windows ---

std::string WindowText(HWND window)
{
    if (!IsWindowUnicode(window)) {
        char bytes[1024] = "";
        GetWindowTextA(window, bytes, sizeof bytes);
        return bytes;
    }
    wchar_t text[1024] = L"";
    GetWindowTextW(window, text, 1024);
    return Utf8(text);
}

std::string ControlText(HWND dialog, int id)
{
    return WindowText(GetDlgItem(dialog, id));
}

void SetControlText(HWND dialog, int id, const char* text)
{
    ASSERT_NE(GetDlgItem(dialog, id), nullptr) << "no control " << id << " in '" << WindowText(dialog) << "'";
    if (IsWindowUnicode(GetDlgItem(dialog, id)))
        SetDlgItemTextW(dialog, id, Wide(text).c_str());
    else
        SetDlgItemTextA(dialog, id, text);
}

void PressButton(HWND dialog, int id)
{
    HWND button = GetDlgItem(dialog, id);
    ASSERT_NE(button, nullptr) << "no button " << id << " in '" << WindowText(dialog) << "'";
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

std::string MessageBoxText(HWND box)
{
    return ControlText(box, MessageBoxTextId);
}

// --- Command recorder ---

namespace {
CommandRecorder* activeRecorder = nullptr;
}

CommandRecorder::CommandRecorder(HWND window) : window_(window)
{
    activeRecorder = this;
    // In the window's own character set, so no message passes through a conversion.
    auto install = IsWindowUnicode(window) ? SetWindowLongPtrW : SetWindowLongPtrA;
    original_ = reinterpret_cast<WNDPROC>(install(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Proc)));
}

CommandRecorder::~CommandRecorder()
{
    auto install = IsWindowUnicode(window_) ? SetWindowLongPtrW : SetWindowLongPtrA;
    if (IsWindow(window_)) install(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
    activeRecorder = nullptr;
}

LRESULT CALLBACK CommandRecorder::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND) activeRecorder->commands_.push_back(LOWORD(wParam));
    auto call = IsWindowUnicode(window) ? CallWindowProcW : CallWindowProcA;
    return call(activeRecorder->original_, window, message, wParam, lParam);
}

// --- Fixture ---

ProgramTest* ProgramTest::current_ = nullptr;

void ProgramTest::SetUp()
{
    DeleteSettingsKey();
    current_ = this;
    watchTimer_ = SetTimer(nullptr, 0, WatchInterval, WatchModals);
    ASSERT_NE(watchTimer_, 0u);
}

void ProgramTest::TearDown()
{
    VerifyModalsSeen();
    FinishProgram();
    KillTimer(nullptr, watchTimer_);
    current_ = nullptr;
    DeleteSettingsKey();
    for (const std::string& folder : tempFolders_) RemoveFolder(Wide(folder));
}

HWND ProgramTest::Start(const std::string& arguments, int showCommand)
{
    quitSeen_ = false;
    exitCode_ = -1;
    std::wstring commandLine = Wide("verko.exe " + arguments);
    main_ = StartApplication(GetModuleHandleA(nullptr), commandLine.c_str(), showCommand);
    return main_;
}

HWND ProgramTest::Restart(const std::string& arguments)
{
    FinishProgram();
    return Start(arguments);
}

bool ProgramTest::TakeMessage(MSG& message)
{
    return PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != 0;
}

void ProgramTest::Pump()
{
    MSG message;
    while (TakeMessage(message)) {
        if (message.message == WM_QUIT) {
            quitSeen_ = true;
            exitCode_ = static_cast<int>(message.wParam);
            continue;
        }
        ProcessProgramMessage(message);
    }
}

void ProgramTest::PumpFor(DWORD milliseconds)
{
    DWORD start = GetTickCount();
    do {
        Pump();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    } while (GetTickCount() - start < milliseconds);
    Pump();
}

bool ProgramTest::Close()
{
    if (main_ && IsWindow(main_)) {
        SendMessageA(main_, WM_CLOSE, 0, 0);
        if (IsWindow(main_)) return false;   // the program refused to close
    }
    DWORD start = GetTickCount();
    while (!quitSeen_ && GetTickCount() - start < QuitTimeout) {
        Pump();
        if (!quitSeen_) MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return quitSeen_ && !IsWindow(main_);
}

void ProgramTest::FinishProgram()
{
    if (!App.Instance) return;   // the program was never started
    if (main_ && IsWindow(main_) && !Close()) {
        ADD_FAILURE() << "the program did not close; destroying its window";
        DestroyWindow(main_);
        Close();
    }
    Pump();
    ReleaseShellResources();
    UnregisterClassA(ProgramName, App.Instance);
    UnregisterClassA(TextControlClassName, App.Instance);
    App.Instance = nullptr;
    main_ = nullptr;
}

void ProgramTest::SendCommand(WORD command)
{
    ASSERT_TRUE(IsWindow(main_)) << "the program is not running";
    SendMessageA(main_, WM_COMMAND, command, 0);
    Pump();
}

void ProgramTest::ExpectModal(const std::string& caption, std::function<void(HWND)> action)
{
    expected_.push_back({caption, std::move(action), false});
}

void ProgramTest::ExpectModalCaptionStart(const std::string& caption, std::function<void(HWND)> action)
{
    expected_.push_back({caption, std::move(action), true});
}

bool ProgramTest::Expectation::Matches(const std::string& windowCaption) const
{
    return prefix ? windowCaption.compare(0, caption.size(), caption) == 0 : windowCaption == caption;
}

void ProgramTest::ExpectMessageBox(const std::string& caption, int button, std::string* text)
{
    ExpectModal(caption, [button, text](HWND box) {
        if (text) *text = MessageBoxText(box);
        PressButton(box, button);
    });
}

void ProgramTest::VerifyModalsSeen()
{
    for (const Expectation& expectation : expected_)
        ADD_FAILURE() << "the modal window '" << expectation.caption << "' never appeared";
    expected_.clear();
}

std::string ProgramTest::MakeTempFolder()
{
    static int counter = 0;
    char base[MAX_PATH];
    GetTempPathA(sizeof base, base);
    // Wine reuses process ids, so a run that was killed may have left a folder of this name.
    std::string folder;
    bool created;
    do {
        folder =
            std::string(base) + "verko-test-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
        created = CreateDirectoryA(folder.c_str(), nullptr);
    } while (!created && GetLastError() == ERROR_ALREADY_EXISTS);
    EXPECT_TRUE(created) << "cannot create " << folder;
    tempFolders_.push_back(folder);
    return folder;
}

void CALLBACK ProgramTest::WatchModals(HWND, UINT, UINT_PTR, DWORD)
{
    ProgramTest* test = current_;
    if (!test || test->inWatch_) return;
    test->inWatch_ = true;
    std::vector<HWND> windows;
    EnumThreadWindows(GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&windows));
    for (HWND window : windows)
        if (IsWindowVisible(window) && ClassName(window) == "#32770") test->InspectModal(window);
    test->inWatch_ = false;
}

void ProgramTest::InspectModal(HWND window)
{
    for (auto it = handled_.begin(); it != handled_.end();) it = IsWindow(it->window) ? it + 1 : handled_.erase(it);
    for (auto it = handled_.begin(); it != handled_.end(); ++it) {
        if (it->window != window) continue;
        if (GetTickCount() - it->since > ModalTimeout) {
            ADD_FAILURE() << "the modal window '" << WindowText(window) << "' stayed open after its action";
            EndDialog(window, IDCANCEL);
            handled_.erase(it);
        }
        return;
    }
    handled_.push_back({window, GetTickCount()});
    std::string caption = WindowText(window);
    if (!expected_.empty() && expected_.front().Matches(caption)) {
        Expectation expectation = std::move(expected_.front());
        expected_.erase(expected_.begin());
        expectation.action(window);
        return;
    }
    ADD_FAILURE() << "unexpected modal window '" << caption << "' saying '" << MessageBoxText(window) << "'";
    EndDialog(window, IDCANCEL);
}
