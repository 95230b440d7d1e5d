// The MainWindow's handling of its children: layout, focus, menu enabling and destruction.
#include "tests/program/harness.h"
#include "app/app_state.h"
#include "app/toolbar.h"
#include "res/resource.h"
#include <commctrl.h>

namespace {

class SpineWindow : public ProgramTest {
protected:
    int ChildHeight(HWND child)
    {
        RECT bounds{};
        if (child) GetWindowRect(child, &bounds);
        return bounds.bottom - bounds.top;
    }
    bool Greyed(int menuIndex, UINT command)
    {
        HMENU popup = GetSubMenu(GetMenu(main_), menuIndex);
        SendMessageA(main_, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), MAKELPARAM(menuIndex, 0));
        return (GetMenuState(popup, command, MF_BYCOMMAND) & MF_GRAYED) != 0;
    }
};

}

TEST_F(SpineWindow, EditorFillsTheSpaceBetweenToolbarAndStatusBar)
{
    ASSERT_NE(Start(), nullptr);
    ASSERT_NE(Editor.Window, nullptr);
    for (SIZE size : {SIZE{500, 400}, SIZE{700, 300}}) {
        SetWindowPos(main_, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
        Pump();
        RECT client, editor;
        GetClientRect(main_, &client);
        GetWindowRect(Editor.Window, &editor);
        MapWindowPoints(nullptr, main_, reinterpret_cast<POINT*>(&editor), 2);
        int top = ChildHeight(App.ToolbarWindow);
        EXPECT_EQ(editor.left, 0);
        EXPECT_EQ(editor.top, top);
        EXPECT_EQ(editor.right, client.right);
        EXPECT_EQ(editor.bottom, client.bottom - ChildHeight(App.StatusBarWindow));
    }
}

TEST_F(SpineWindow, FocusIsPassedToTheEditor)
{
    ASSERT_NE(Start(), nullptr);
    SetFocus(main_);
    Pump();
    EXPECT_EQ(GetFocus(), Editor.Window);
}

TEST_F(SpineWindow, EditItemsFollowTheSelectionAndSaveTheModifyFlag)
{
    ASSERT_NE(Start(), nullptr);
    SendMessageA(Editor.Window, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("abc"));
    SendMessageA(Editor.Window, EM_SETMODIFY, FALSE, 0);
    EXPECT_TRUE(Greyed(1, CMD_COPY));
    EXPECT_TRUE(Greyed(1, CMD_CUT));
    EXPECT_TRUE(Greyed(1, CMD_DELETE));
    EXPECT_TRUE(Greyed(0, CMD_SAVE));

    SendMessageA(Editor.Window, EM_SETSEL, 0, 2);
    EXPECT_FALSE(Greyed(1, CMD_COPY));
    EXPECT_FALSE(Greyed(1, CMD_CUT));
    EXPECT_FALSE(Greyed(1, CMD_DELETE));
    SendMessageA(Editor.Window, EM_SETMODIFY, TRUE, 0);
    EXPECT_FALSE(Greyed(0, CMD_SAVE)) << "the modify flag alone enables Save";
}

TEST_F(SpineWindow, UndoItemFollowsTheHistory)
{
    ASSERT_NE(Start(), nullptr);
    EXPECT_TRUE(Greyed(1, CMD_UNDO));
    SetFocus(Editor.Window);
    TypeText(u"x");
    EXPECT_FALSE(Greyed(1, CMD_UNDO));
    ASSERT_NE(Editor.UndoHead, nullptr);
    ExpectMessageBox("VERKO", IDNO);
    EXPECT_TRUE(Close());
    EXPECT_EQ(Editor.UndoHead, nullptr) << "the history is freed with the window";
}

TEST_F(SpineWindow, DestroyingTheWindowReleasesTheEditorAndQuitsWithZero)
{
    ASSERT_NE(Start(), nullptr);
    HWND editor = Editor.Window;
    ASSERT_TRUE(Close());
    EXPECT_EQ(ExitCode(), 0);
    EXPECT_EQ(Editor.Window, nullptr);
    EXPECT_FALSE(IsWindow(editor));
}

TEST_F(SpineWindow, IdleUpdateSetsTheToolbarButtonsOnceTheQueueDrains)
{
    ASSERT_NE(Start(), nullptr);
    HWND toolbar = App.ToolbarWindow;
    ASSERT_NE(toolbar, nullptr);
    TBBUTTON remove = ToolbarButton(CMD_DELETE);   // the five others stand there from the start
    SendMessageA(toolbar, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&remove));
    ASSERT_TRUE(OpenClipboard(main_));
    EmptyClipboard();
    CloseClipboard();
    SendMessageA(Editor.Window, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("abc"));
    SendMessageA(Editor.Window, EM_SETSEL, 0, 2);
    SendMessageA(Editor.Window, EM_SETMODIFY, FALSE, 0);
    PostMessageA(main_, WM_NULL, 0, 0);
    Pump();
    auto state = [toolbar](int command) { return SendMessageA(toolbar, TB_GETSTATE, command, 0); };
    EXPECT_EQ(state(CMD_PASTE), TBSTATE_INDETERMINATE);
    EXPECT_EQ(state(CMD_COPY), TBSTATE_ENABLED);
    EXPECT_EQ(state(CMD_CUT), TBSTATE_ENABLED);
    EXPECT_EQ(state(CMD_DELETE), TBSTATE_ENABLED);
    EXPECT_EQ(state(CMD_SAVE), TBSTATE_INDETERMINATE);
    EXPECT_EQ(state(CMD_UNDO), TBSTATE_INDETERMINATE);

    SendMessageA(Editor.Window, EM_SETSEL, 1, 1);
    PostMessageA(main_, WM_NULL, 0, 0);
    Pump();
    EXPECT_EQ(state(CMD_COPY), TBSTATE_INDETERMINATE);
}
