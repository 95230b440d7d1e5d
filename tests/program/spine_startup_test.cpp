// Start-up, the command line, exit codes and the commands the shell carries out itself.
#include "tests/program/harness.h"
#include "document/document_state.h"
#include "app/app_state.h"
#include "app/startup.h"
#include "print/printer.h"
#include "res/resource.h"
#include "verko_version.h"

namespace {

class SpineStartup : public ProgramTest {
protected:
    // The Print command that start-up left in the queue, if any.
    bool PrintCommandWaiting()
    {
        MSG message;
        while (PeekMessageA(&message, main_, WM_COMMAND, WM_COMMAND, PM_REMOVE))
            if (message.wParam == CMD_PRINT && message.lParam == 0) return true;
        return false;
    }

    std::string Absolute(const char* name)
    {
        char full[MAX_PATH];
        GetFullPathNameA(name, sizeof full, full, nullptr);
        return full;
    }
};

LRESULT CALLBACK PlainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(window, message, wParam, lParam);
}

}

TEST_F(SpineStartup, NoArgumentGivesAnUntitledWindowAndNoBox)
{
    ASSERT_NE(Start(), nullptr);
    PumpFor(200);   // long enough for any box start-up might show to be caught
    EXPECT_EQ(WindowText(main_), "[NoName]-VERKO");
    EXPECT_EQ(Utf8(Document.FileName), "NoName");
    EXPECT_TRUE(IsWindowVisible(main_));
    EXPECT_FALSE(QuitSeen());
    EXPECT_NE(App.AcceleratorTable, nullptr);
    EXPECT_NE(App.MenuFont, nullptr);
    EXPECT_EQ(Editor.TextLimit & 0xFFFFF, 0xFFFFFu);
    EXPECT_EQ(Printing.PageMargins.left, 2500);
    EXPECT_EQ(Printing.PageMargins.bottom, 2500);
    EXPECT_FALSE(PrintCommandWaiting());
    ASSERT_TRUE(Close());
    EXPECT_EQ(ExitCode(), 0);
}

TEST_F(SpineStartup, PrintSwitchPostsThePrintCommand)
{
    for (const char* arguments : {"/P letter.txt", "/print letter.txt", "/p", "\"/p\" \"letter.txt\""}) {
        SCOPED_TRACE(arguments);
        ASSERT_NE(Start(arguments), nullptr);
        EXPECT_TRUE(PrintCommandWaiting());
        ASSERT_TRUE(Close());
        TearDown();
        SetUp();
    }
}

TEST_F(SpineStartup, CommandLineNameIsMadeAbsolute)
{
    ASSERT_NE(Start(), nullptr);
    // Relative names resolve against a folder of this test's own, not whatever an earlier test left current.
    char previous[MAX_PATH];
    GetCurrentDirectoryA(sizeof previous, previous);
    std::string folder = MakeTempFolder();
    ASSERT_TRUE(SetCurrentDirectoryA(folder.c_str()));
    const std::string inFolder = folder + "\\my letter.txt";
    const auto nameForPath = [&folder](size_t pathLength) { return std::string(pathLength - folder.size() - 1, 'y'); };
    const std::pair<std::string, std::string> cases[] = {
        {"verko.exe /x a.txt", Absolute("/x a.txt")},   // Wine reads a leading '/' as a host path
        {"verko.exe my letter.txt", inFolder},
        {"verko.exe \"my letter.txt\"", inFolder},
        {"\"C:\\a b\\verko.exe\" /print \"my letter.txt\"", inFolder},
        {"verko.exe", ""},
        // Made absolute at any length: loading refuses a name too long, and says so.
        {"verko.exe " + nameForPath(259), folder + "\\" + nameForPath(259)},
        {"verko.exe " + nameForPath(260), folder + "\\" + nameForPath(260)},
    };
    for (const auto& [line, expected] : cases)
        EXPECT_EQ(Utf8(ProcessCommandLine(Wide(line).c_str())), expected) << line;
    SetCurrentDirectoryA(previous);
}

TEST_F(SpineStartup, ClassRegistrationFailureEndsWith255)
{
    WNDCLASSA taken{};
    taken.lpfnWndProc = PlainWindowProc;
    taken.hInstance = GetModuleHandleA(nullptr);
    taken.lpszClassName = ProgramName;
    ASSERT_TRUE(RegisterClassA(&taken));
    EXPECT_EQ(Start(), nullptr);
    UnregisterClassA(ProgramName, taken.hInstance);
}

TEST_F(SpineStartup, ExitClosesWithCodeZero)
{
    ASSERT_NE(Start(), nullptr);
    SendCommand(CMD_EXIT);
    EXPECT_FALSE(IsWindow(main_));
    PumpFor(50);
    EXPECT_TRUE(QuitSeen());
    EXPECT_EQ(ExitCode(), 0);
}

// A named callback: a lambda has no stdcall conversion in the 32-bit build.
BOOL CALLBACK AppendChildText(HWND child, LPARAM all)
{
    *reinterpret_cast<std::string*>(all) += WindowText(child) + "\n";
    return TRUE;
}

TEST_F(SpineStartup, AboutShowsTheShellBoxWithTheProgramsNameAndVersion)
{
    ASSERT_NE(Start(), nullptr);
    std::string caption, texts;
    ExpectModalCaptionStart("About VERKO", [&](HWND box) {
        caption = WindowText(box);
        EnumChildWindows(box, AppendChildText, reinterpret_cast<LPARAM>(&texts));
        PressButton(box, IDOK);
    });
    SendCommand(CMD_ABOUT);
    VerifyModalsSeen();
    EXPECT_EQ(caption.compare(0, 11, "About VERKO"), 0) << caption;
    EXPECT_NE(texts.find("Verko " VERKO_VERSION_TEXT ": Cyrillic text"), std::string::npos) << texts;
}
