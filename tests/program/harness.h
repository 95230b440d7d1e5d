// In-process harness for the program tests: starts the program as start-up
// does, drives it with commands, keys and typed text, watches the modal
// windows it opens, and reads the registry and files it leaves behind.
#pragma once
#include <windows.h>
#include <gtest/gtest.h>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// --- Registry (the program's settings key under HKEY_CURRENT_USER) ---
bool SettingsKeyExists();
void DeleteSettingsKey();
void CreateSettingsKey();
std::optional<uint32_t> ReadRegistryNumber(const char* name);
std::optional<std::string> ReadRegistryText(const char* name);
// A text that may hold any character (a file name), in UTF-8.
std::optional<std::string> ReadRegistryWideText(const char* name);
std::optional<std::vector<uint8_t>> ReadRegistryBinary(const char* name);
void WriteRegistryValue(const char* name, DWORD type, const void* data, size_t size);

// --- Text: the tests speak UTF-8; the program's names are wide ---
std::wstring Wide(const std::string& utf8);
std::string Utf8(const std::wstring& wide);

// --- Files (paths in UTF-8) ---
void WriteFileBytes(const std::string& path, const std::string& bytes);
std::string ReadFileBytes(const std::string& path);

// --- Windows: the text of a Unicode window in UTF-8, of any other its bytes ---
std::string WindowText(HWND window);
std::string ControlText(HWND dialog, int id);
void SetControlText(HWND dialog, int id, const char* text);
// Posts the button's click, so the dialog carries on in its own loop.
void PressButton(HWND dialog, int id);
// The message text of a message box.
std::string MessageBoxText(HWND box);

enum KeyModifiers : unsigned { NoModifiers = 0, Ctrl = 1, Shift = 2, Alt = 4 };

// Records the commands that reach a window's procedure while it lives.
class CommandRecorder {
public:
    explicit CommandRecorder(HWND window);
    ~CommandRecorder();
    const std::vector<WORD>& Commands() const { return commands_; }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND window_;
    WNDPROC original_;
    std::vector<WORD> commands_;
};

class ProgramTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the program with "verko.exe " + arguments as its command line. Does not pump,
    // so what start-up posted is still in the queue.
    HWND Start(const std::string& arguments = "", int showCommand = SW_SHOWNORMAL);
    // Closes the program as Close does and starts it again, as a user starts it the next time.
    HWND Restart(const std::string& arguments = "");
    // Closes the MainWindow (WM_CLOSE) and pumps until the quit message; false when the
    // program is still running afterwards.
    bool Close();
    // Processes every waiting message through the program's own dispatch.
    void Pump();
    // Pumps for at least the given time, so timers and the modal watcher run.
    void PumpFor(DWORD milliseconds);
    bool QuitSeen() const { return quitSeen_; }
    int ExitCode() const { return exitCode_; }

    void SendCommand(WORD command);
    // The key pressed with the modifiers held, as the keyboard driver delivers it to the
    // focused window: modifier keys down, the key down (with the characters the program's
    // loop translates it into), the key up, the modifiers up.
    void PressKey(UINT virtualKey, unsigned modifiers = NoModifiers);
    // Each character as a VK_PACKET key press, which the loop translates into the character.
    void TypeText(const std::u16string& text);

    // The next modal window of this thread captioned exactly so runs the action once
    // it is shown. Windows nobody expects are reported as failures and cancelled.
    void ExpectModal(const std::string& caption, std::function<void(HWND)> action);
    // The same for a caption that begins with the text (the shell's boxes add to theirs).
    void ExpectModalCaptionStart(const std::string& caption, std::function<void(HWND)> action);
    // Answers the next message box with the caption by pressing the button; its text is kept.
    void ExpectMessageBox(const std::string& caption, int button, std::string* text = nullptr);
    // Fails for every expected modal window that has not appeared.
    void VerifyModalsSeen();

    // A new empty folder under the temporary folder, removed with its files after the test.
    std::string MakeTempFolder();

    HWND main_ = nullptr;

private:
    struct Expectation {
        std::string caption;
        std::function<void(HWND)> action;
        bool prefix;
        bool Matches(const std::string& windowCaption) const;
    };
    struct Handled {
        HWND window;
        DWORD since;
    };
    static void CALLBACK WatchModals(HWND, UINT, UINT_PTR, DWORD);
    void InspectModal(HWND window);
    bool TakeMessage(MSG& message);
    // Posts one key message with the modifiers held in the keyboard state, then pumps.
    void DeliverKey(UINT virtualKey, bool down, unsigned held);
    void FinishProgram();

    static ProgramTest* current_;
    UINT_PTR watchTimer_ = 0;
    bool inWatch_ = false;
    std::vector<Expectation> expected_;
    std::vector<Handled> handled_;
    bool quitSeen_ = false;
    int exitCode_ = -1;
    std::vector<std::string> tempFolders_;
};
