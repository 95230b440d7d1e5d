#include "tests/program/harness.h"
#include "app/app_state.h"
#include "app/message_loop.h"
#include "settings/settings.h"
#include "app/startup.h"
#include "textctl/textctl.h"
#include <cstring>
#include <fstream>
#include <sstream>

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

void RemoveFolder(const std::string& folder)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                DeleteFileA((folder + "\\" + found.cFileName).c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
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

// --- Files ---

void WriteFileBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream file(path, std::ios::binary);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(file.good()) << "cannot write " << path;
}

std::string ReadFileBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    EXPECT_TRUE(file.good()) << "cannot read " << path;
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// --- Windows ---

std::string WindowText(HWND window)
{
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string ControlText(HWND dialog, int id)
{
    return WindowText(GetDlgItem(dialog, id));
}

void SetControlText(HWND dialog, int id, const char* text)
{
    ASSERT_NE(GetDlgItem(dialog, id), nullptr) << "no control " << id << " in '" << WindowText(dialog) << "'";
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
    original_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Proc)));
}

CommandRecorder::~CommandRecorder()
{
    if (IsWindow(window_)) SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
    activeRecorder = nullptr;
}

LRESULT CALLBACK CommandRecorder::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND) activeRecorder->commands_.push_back(LOWORD(wParam));
    return CallWindowProcA(activeRecorder->original_, window, message, wParam, lParam);
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
    for (const std::string& folder : tempFolders_) RemoveFolder(folder);
}

HWND ProgramTest::Start(const std::string& arguments, int showCommand)
{
    quitSeen_ = false;
    exitCode_ = -1;
    std::string commandLine = "verko.exe " + arguments;
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
