// The recent files of the File menu: newest first with their icons, reopened at their caret.
#include "document_test_support.h"
#include "document/document_state.h"
#include "app/recent_files.h"
#include "pictures.h"

namespace {

class RecentFiles : public DocumentTest {
protected:
    // Position k's item drawn as the menu draws it, on the menu's colour.
    Capture DrawnItem(int position, UINT state)
    {
        UINT id = CMD_RECENT_FIRST + position;
        MEASUREITEMSTRUCT measure{ODT_MENU, 0, id, 0, 0, 0};
        SendMessageW(main_, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
        RECT item = {0, 0, static_cast<LONG>(measure.itemWidth) + 40, static_cast<LONG>(measure.itemHeight)};
        HDC screen = GetDC(nullptr);
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, item.right, item.bottom);
        HGDIOBJ old = SelectObject(dc, bitmap);
        FillRect(dc, &item, GetSysColorBrush(COLOR_MENU));
        DRAWITEMSTRUCT draw{ODT_MENU, 0, id, ODA_DRAWENTIRE, state, nullptr, dc, item, 0};
        SendMessageW(main_, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
        Capture picture = Grab(dc, item.right, item.bottom);
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
        ReleaseDC(nullptr, screen);
        return picture;
    }

    static int Count(const Capture& picture, int left, int right, COLORREF colour)
    {
        int found = 0;
        for (int y = 0; y < picture.height; ++y)
            for (int x = left; x < right; ++x) found += picture.At(x, y) == colour;
        return found;
    }

    static std::string Label(int position)
    {
        std::wstring path;
        return Utf8(RecentItemLabel(position, path));
    }
};

TEST_F(RecentFiles, NewestFirstWithIconsReopenedAtTheirCaret)
{
    std::vector<std::string> files;
    for (const char* name : {"alpha.txt", "Beta.TXT", "gamma-long-name.txt"}) {
        files.push_back(MakeFile(name, "0123456789"));
        OpenThroughDialog(files.back());
        PlaceCaret(static_cast<int>(files.size()) + 2);   // left at 3, 4 and 5
    }
    ASSERT_TRUE(Restart());
    EXPECT_EQ(Label(0) + "|" + Label(1) + "|" + Label(2) + "|" + Label(3),
              "&0 gamma-long-n...|&1 Beta.txt|&2 alpha.txt|");

    int icon = GetSystemMetrics(SM_CXSMICON);
    Capture plain = DrawnItem(0, 0), selected = DrawnItem(0, ODS_SELECTED);
    SaveBitmap(BesideTheProgram("recent_item.bmp"), plain);
    SaveBitmap(BesideTheProgram("recent_item_selected.bmp"), selected);
    EXPECT_LT(Count(plain, 0, icon, GetSysColor(COLOR_MENU)), icon * plain.height * 3 / 4) << "no icon";
    EXPECT_GT(Count(plain, icon, plain.width, GetSysColor(COLOR_MENUTEXT)), 20) << "no label";
    EXPECT_EQ(Count(selected, 0, icon, GetSysColor(COLOR_MENU)), icon * selected.height) << "an icon when selected";
    EXPECT_GT(Count(selected, icon, selected.width, GetSysColor(COLOR_HIGHLIGHT)), 100);

    HMENU fileMenu = GetSubMenu(GetMenu(main_), 0);
    SendMessageW(main_, WM_MENUCHAR, MAKEWPARAM('1', MF_POPUP), reinterpret_cast<LPARAM>(fileMenu));
    Pump();
    EXPECT_EQ(Utf8(Document.FileName), files[1]);
    EXPECT_EQ(SendMessageA(Editor.Window, EM_GETSEL, 0, 0), MAKELRESULT(4, 4));

    // A file that is gone empties its slot, whose item then takes no room.
    DeleteFileW(Wide(files[0]).c_str());
    SendCommand(CMD_RECENT_2);
    EXPECT_EQ(Utf8(Document.FileName), files[1]);
    EXPECT_EQ(Label(2), "");
    EXPECT_EQ(DrawnItem(2, 0).width, 40);

    // Nine more files: the emptied slot is taken first, then the eleventh pushes out the oldest.
    for (int n = 0; n < 9; ++n) OpenThroughDialog(MakeFile("more" + std::to_string(n) + ".txt", ""));
    EXPECT_EQ(ReadRegistryText("LIST")->size(), 10u);
    EXPECT_EQ(Label(0) + "|" + Label(9), "&0 more8.txt|&9 Beta.txt");
}

}   // namespace
