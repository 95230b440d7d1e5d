// The Options dialog and the help window.
#include "tests/program/harness.h"
#include "tests/program/pictures.h"
#include "app/app_state.h"
#include "res/resource.h"
#include <commctrl.h>

namespace {

class ShellOptions : public ProgramTest {
protected:
    void Choose(std::function<void(HWND)> change, int button = IDOK)
    {
        ExpectModal("Options", [change, button](HWND dialog) {
            change(dialog);
            PressButton(dialog, button);
        });
        SendCommand(CMD_OPTIONS);
    }
    static void Tick(HWND dialog, int id, bool on) { CheckDlgButton(dialog, id, on ? BST_CHECKED : BST_UNCHECKED); }
    static bool Ticked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
};

constexpr int Switches[] = {IDC_OPTIONS_TOOLBAR,      IDC_OPTIONS_STATUS_BAR,  IDC_OPTIONS_MULTILEVEL_UNDO,
                            IDC_OPTIONS_RESTORE_SIZE, IDC_OPTIONS_BIG_BUTTONS, IDC_OPTIONS_IGNORE_BREAKS};

}   // namespace

TEST_F(ShellOptions, CancelChangesNothing)
{
    ASSERT_NE(Start(), nullptr);
    HWND toolbar = App.ToolbarWindow;
    Choose(
        [](HWND dialog) {
            for (int id : Switches) Tick(dialog, id, false);
            SetControlText(dialog, IDC_OPTIONS_LEFT_INDENT, "7");
        },
        IDCANCEL);
    EXPECT_EQ(App.ToolbarWindow, toolbar);
    EXPECT_NE(App.StatusBarWindow, nullptr);
    EXPECT_FALSE(Editor.SingleLevelUndo);
    EXPECT_FALSE(SettingsKeyExists());
}

TEST_F(ShellOptions, SwitchesActAtOnceAndAfterARestart)
{
    ASSERT_NE(Start(), nullptr);
    TypeText(u"ab");
    ASSERT_NE(Editor.UndoHead, nullptr);
    Choose([](HWND dialog) {
        PictureOfWindow(dialog, "options_dialog.bmp");
        for (int id : Switches) EXPECT_TRUE(Ticked(dialog, id) == (id != IDC_OPTIONS_BIG_BUTTONS)) << id;
        EXPECT_EQ(ControlText(dialog, IDC_OPTIONS_RIGHT_INDENT), "80");
        for (int id : Switches) Tick(dialog, id, false);
        SetControlText(dialog, IDC_OPTIONS_FIRST_INDENT, "3");
        SetControlText(dialog, IDC_OPTIONS_LEFT_INDENT, "12");
        SetControlText(dialog, IDC_OPTIONS_RIGHT_INDENT, "200");
    });
    EXPECT_EQ(App.ToolbarWindow, nullptr);
    EXPECT_EQ(App.StatusBarWindow, nullptr);
    EXPECT_TRUE(Editor.SingleLevelUndo && Editor.SingleLevelUsed);
    EXPECT_EQ(Editor.UndoHead, nullptr) << "the history is freed at once";
    RECT editor;
    GetWindowRect(Editor.Window, &editor);
    MapWindowPoints(nullptr, main_, reinterpret_cast<POINT*>(&editor), 2);
    EXPECT_EQ(editor.top, 0) << "the editor takes the toolbar's room";
    const std::pair<const char*, uint32_t> stored[] = {{"TL", 0}, {"ST", 0}, {"NO", 1},  {"AU", 0}, {"BIG", 0},
                                                       {"IG", 0}, {"FI", 3}, {"LI", 12}, {"RI", 80}};
    for (auto [name, value] : stored) EXPECT_EQ(ReadRegistryNumber(name), value) << name;

    ExpectMessageBox("VERKO", IDNO);
    ASSERT_NE(Restart(), nullptr);
    EXPECT_EQ(App.ToolbarWindow, nullptr);
    EXPECT_EQ(App.StatusBarWindow, nullptr);
    EXPECT_TRUE(Editor.SingleLevelUndo);
    EXPECT_FALSE(App.RestoreSize);
    ExpectModal("Customize Toolbar", [](HWND dialog) { PressButton(dialog, IDCANCEL); });
    SendCommand(CMD_TOOLBAR);
    EXPECT_NE(App.ToolbarWindow, nullptr) << "ToolBar ... brings a toolbar up";
    EXPECT_EQ(ReadRegistryNumber("TL"), 0u);
    Choose([](HWND dialog) {
        for (int id : Switches) EXPECT_EQ(Ticked(dialog, id), id == IDC_OPTIONS_TOOLBAR) << id;
        EXPECT_EQ(ControlText(dialog, IDC_OPTIONS_LEFT_INDENT), "12");
        Tick(dialog, IDC_OPTIONS_STATUS_BAR, true);
    });
    EXPECT_EQ(ReadRegistryNumber("TL"), 1u);
    ASSERT_NE(App.StatusBarWindow, nullptr);
    char caret[16] = "", mode[16] = "";
    SendMessageA(App.StatusBarWindow, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(caret));
    SendMessageA(App.StatusBarWindow, SB_GETTEXTA, 3, reinterpret_cast<LPARAM>(mode));
    EXPECT_EQ(std::string(caret) + mode, "   1:1Insert");
    EXPECT_NE(App.ToolbarWindow, nullptr);
}

TEST_F(ShellOptions, HelpWithoutAHelpFileIsTheProgramsOwnReadOnlyWindow)
{
    ASSERT_NE(Start(), nullptr);
    PressKey(VK_F1);
    ASSERT_NE(App.HelpWindow, nullptr);
    HWND text = GetWindow(App.HelpWindow, GW_CHILD);
    EXPECT_EQ(GetFocus(), text);
    auto wholeText = [text] {
        std::string all(SendMessageA(text, WM_GETTEXTLENGTH, 0, 0) + 1, '\0');
        all.resize(SendMessageA(text, WM_GETTEXT, all.size(), reinterpret_cast<LPARAM>(&all[0])));
        return all;
    };
    std::string before = wholeText();
    EXPECT_NE(before.find("VIEW CODINGS"), std::string::npos);
    EXPECT_NE(before.find("Software\\Quarnet\\Dovido"), std::string::npos);
    TypeText(u"xyz");
    PressKey(VK_DELETE);
    EXPECT_EQ(wholeText(), before);
    PictureOfWindow(App.HelpWindow, "help_window.bmp");
    PressKey(VK_ESCAPE);
    EXPECT_EQ(App.HelpWindow, nullptr);
    EXPECT_TRUE(IsWindow(main_)) << "Esc closes the help alone";
}
