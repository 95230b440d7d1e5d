// The toolbar and the status bar: panes, layout, customisation, images and tooltips.
#include "tests/program/harness.h"
#include "tests/program/pictures.h"
#include "app/app_state.h"
#include "app/toolbar_buttons.h"
#include "app/toolbar_commands.h"
#include "res/resource.h"
#include <commctrl.h>

namespace {

constexpr int CustomizeToolbarList = 203;
constexpr int CustomizeRemove = 204;
constexpr int CustomizeHelp = 205;

class ShellBars : public ProgramTest {
protected:
    std::string Pane(int pane)
    {
        char text[64] = "";
        SendMessageA(App.StatusBarWindow, SB_GETTEXTA, pane, reinterpret_cast<LPARAM>(text));
        return text;
    }
    std::vector<int> ToolbarCommands()
    {
        std::vector<int> commands;
        int count = static_cast<int>(SendMessageA(App.ToolbarWindow, TB_BUTTONCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            TBBUTTON button{};
            SendMessageA(App.ToolbarWindow, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
            commands.push_back(button.idCommand);
        }
        return commands;
    }
    std::string NotifyText(UINT code, int id)
    {
        NMTTDISPINFOA tip{};
        tip.hdr = {App.ToolbarWindow, static_cast<UINT_PTR>(id), code};
        SendMessageA(main_, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&tip));
        return tip.lpszText ? tip.lpszText : "";
    }
    // Pixels of the command's button that have the colour, or with ink, that differ from the face.
    int ButtonPixels(const Capture& toolbar, int command, COLORREF colour, bool ink = false)
    {
        RECT r{};
        SendMessageA(App.ToolbarWindow, TB_GETRECT, command, reinterpret_cast<LPARAM>(&r));
        int count = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) count += (toolbar.At(x, y) == colour) != ink;
        return count;
    }
};

const std::vector<int> DefaultLayout = {CMD_NEW, CMD_OPEN, CMD_SAVE, 0, CMD_CUT, CMD_COPY, CMD_PASTE, 0, CMD_UNDO};

}   // namespace

TEST_F(ShellBars, PanesFollowCaretKeyboardCodingAndInsertKey)
{
    ASSERT_NE(Start(), nullptr);
    Pump();
    EXPECT_EQ(Pane(0), "   1:1");
    EXPECT_EQ(Pane(1), "EN");
    EXPECT_EQ(HIWORD(SendMessageA(App.StatusBarWindow, SB_GETTEXTLENGTHA, 1, 0)), SBT_POPOUT);
    EXPECT_EQ(Pane(2), "ANSI (1251)");
    EXPECT_EQ(Pane(3), "Insert");
    TypeText(u"abc\rdefgh");
    PressKey(VK_LEFT);
    EXPECT_EQ(Pane(0), "   5:2") << "the key release shows the caret";
    POINTL point{};
    SendMessageA(Editor.Window, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&point), 1);
    PostMessageA(Editor.Window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x + 1, point.y + 2));
    PostMessageA(Editor.Window, WM_LBUTTONUP, 0, MAKELPARAM(point.x + 1, point.y + 2));
    Pump();
    EXPECT_EQ(Pane(0), "   2:1") << "a click shows the caret once it has moved";
    SendCommand(CMD_WORD_WRAP);
    EXPECT_EQ(Pane(0), "   2:1") << "the new editor window shows the caret put back";
    PressKey(VK_INSERT);
    EXPECT_EQ(Pane(3), "Overwrite");
    SendCommand(CMD_VIEW_KOI8);
    EXPECT_EQ(Pane(2), "KOI8 R");
    SendMessageA(App.StatusBarWindow, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>("?"));
    SendMessageA(Editor.Window, WM_INPUTLANGCHANGE, 0, 0);
    EXPECT_EQ(Pane(1), "EN");
    PictureOfWindow(App.StatusBarWindow, "status_bar.bmp");
    ExpectMessageBox("VERKO", IDNO);
    EXPECT_TRUE(Close());
}

TEST_F(ShellBars, EmptiedLayoutIsSavedAndTheNextStartShowsTheDefault)
{
    ASSERT_NE(Start(), nullptr);
    EXPECT_EQ(ToolbarCommands(), DefaultLayout);
    ExpectModal("Customize Toolbar", [](HWND dialog) {
        HWND list = GetDlgItem(dialog, CustomizeToolbarList);
        for (int left = 20; left > 0 && SendMessageA(list, LB_GETCOUNT, 0, 0) > 1; --left) {
            SendMessageA(list, LB_SETCURSEL, 0, 0);
            SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(CustomizeRemove, BN_CLICKED), 0);
        }
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(CustomizeHelp, BN_CLICKED), 0);
        PressButton(dialog, IDCANCEL);
    });
    SendCommand(CMD_TOOLBAR);
    EXPECT_TRUE(ToolbarCommands().empty());
    EXPECT_TRUE(ReadRegistryBinary("TBS").has_value()) << "the empty layout is saved";
    EXPECT_NE(App.HelpWindow, nullptr) << "the dialog's Help opens the help";
    ASSERT_NE(Restart(), nullptr);
    EXPECT_EQ(ToolbarCommands(), DefaultLayout);
    // Stored data that restores no button, only separators, counts as no layout either.
    for (const std::string& stored : {std::string("\1\0\0\0\x39\x30\0\0\xFF\xFF\xFF\x7F\0\0\0\0", 16),
                                      std::string(16, '\0'), std::string(1000, '\xFF')}) {
        Close();
        WriteRegistryValue("TBS", REG_BINARY, stored.data(), stored.size());
        ASSERT_NE(Restart(), nullptr);
        EXPECT_EQ(ToolbarCommands(), DefaultLayout) << stored.size();
    }
}

TEST_F(ShellBars, OwnImagesSmallAndBigKeepTheSavedLayout)
{
    ASSERT_NE(Start(), nullptr);
    const int added[] = {CMD_TO_ANSI, CMD_TO_OEM, CMD_TO_KOI8, CMD_JUSTIFY, CMD_LEFT};
    for (int command : added) {
        TBBUTTON button{};
        NMTOOLBARA request{};
        request.hdr.code = TBN_GETBUTTONINFOA;
        request.iItem = command - CMD_CUT;
        ASSERT_EQ(SendMessageA(main_, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request)), 1);
        button = request.tbButton;
        SendMessageA(App.ToolbarWindow, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button));
    }
    NMHDR changed{App.ToolbarWindow, 0, static_cast<UINT>(TBN_TOOLBARCHANGE)};
    SendMessageA(main_, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&changed));
    std::vector<int> layout = ToolbarCommands();
    for (bool big : {false, true}) {
        if (big) {
            ExpectModal("Options", [](HWND dialog) {
                CheckDlgButton(dialog, IDC_OPTIONS_BIG_BUTTONS, BST_CHECKED);
                PressButton(dialog, IDOK);
            });
            SendCommand(CMD_OPTIONS);
            EXPECT_EQ(ToolbarCommands(), layout);
        }
        Capture toolbar = PictureOfWindow(App.ToolbarWindow, big ? "toolbar_big.bmp" : "toolbar_small.bmp");
        int side = big ? 24 : 16;
        RECT r{};
        SendMessageA(App.ToolbarWindow, TB_GETRECT, CMD_TO_ANSI, reinterpret_cast<LPARAM>(&r));
        EXPECT_GE(r.bottom - r.top, side);
        EXPECT_LT(r.bottom - r.top, side + 16);
        const std::pair<int, COLORREF> inks[] = {
            {CMD_TO_ANSI, RGB(0, 64, 192)}, {CMD_TO_OEM, RGB(0, 128, 64)}, {CMD_TO_KOI8, RGB(192, 32, 32)}};
        for (auto [command, ink] : inks) EXPECT_GT(ButtonPixels(toolbar, command, ink), side * 2) << command;
        COLORREF face = GetSysColor(COLOR_BTNFACE);
        EXPECT_EQ(toolbar.At(r.left + 2, r.top + 2), face) << "the pictures' grey is the button face";
        EXPECT_GT(ButtonPixels(toolbar, CMD_JUSTIFY, RGB(0, 0, 0)), side * 3) << "justify's lines";
        EXPECT_GT(ButtonPixels(toolbar, CMD_LEFT, RGB(240, 200, 64)), side / 2) << "the spark of the others";
        EXPECT_GT(ButtonPixels(toolbar, CMD_CUT, face, true), side) << "the standard picture of Cut";
    }
}

TEST_F(ShellBars, TooltipsAndButtonListAnswerWithMenuTexts)
{
    ASSERT_NE(Start(), nullptr);
    EXPECT_EQ(NotifyText(TTN_NEEDTEXTA, CMD_WORD_WRAP), "&Word Wrap");
    EXPECT_EQ(NotifyText(TTN_NEEDTEXTA, CMD_CUT), "Cu&t");
    SendCommand(CMD_WORD_WRAP);
    EXPECT_EQ(NotifyText(TTN_NEEDTEXTA, CMD_WORD_WRAP), "No Wrap");
    char text[80];
    for (int position : {0, 31, 32, 500}) {
        NMTOOLBARA request{};
        request.hdr.code = TBN_GETBUTTONINFOA;
        request.iItem = position;
        request.pszText = text;
        request.cchText = sizeof text;
        text[0] = '\0';
        LRESULT answer = SendMessageA(main_, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request));
        EXPECT_EQ(answer, position < 32) << position;
        EXPECT_EQ(std::string(text), position == 0 ? "Cu&t" : position == 31 ? "Other ..." : "") << position;
    }
}

TEST(ToolbarButtons, ImagesAndDefaultLayout)
{
    EXPECT_EQ(ToolbarButtonImage(-1), -1);
    EXPECT_EQ(ToolbarButtonImage(ToolbarButtonCount), -1);
    EXPECT_EQ(ToolbarCommandImage(CMD_OPTIONS), -1);
    const int images[][2] = {{CMD_CUT, 0},      {CMD_HELP, 11},    {CMD_PRINT, 14},   {CMD_SAVE_AS, 8},
                             {CMD_TO_ANSI, 15}, {CMD_TO_KOI8, 17}, {CMD_JUSTIFY, 18}, {CMD_CODING_DIALOG, 19}};
    for (const auto& image : images) EXPECT_EQ(ToolbarCommandImage(image[0]), image[1]) << image[0];
    std::vector<int> expected = {CMD_NEW, CMD_OPEN, CMD_SAVE, 0, CMD_CUT, CMD_COPY, CMD_PASTE, 0, CMD_UNDO};
    EXPECT_EQ(DefaultToolbarLayout(), expected);
}
