// The print preview on the real printer: the page fitted to the maximised
// window shows the text, a click zooms with the other magnifier, and the
// next-page button steps to the last page.
#include "editor/editor_calls.h"
#include "res/resource.h"
#include "harness.h"
#include "pictures.h"
#include "printer_support.h"

namespace {

constexpr char PreviewCaption[] = "PreView: [NoName]-VERKO";

// The pixels of the page control (or of the dialog), drawn afresh.
Capture Pixels(HWND window)
{
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT size;
    GetClientRect(window, &size);
    HDC dc = GetDC(window);
    Capture capture = Grab(dc, size.right, size.bottom);
    ReleaseDC(window, dc);
    return capture;
}

int Dark(const Capture& c, int left, int top, int right, int bottom)
{
    int count = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            count += GetRValue(c.At(x, y)) + GetGValue(c.At(x, y)) + GetBValue(c.At(x, y)) < 384;
    return count;
}

// Clicks the page control at a point of its own and returns the cursor then set there.
HCURSOR Click(HWND dialog, POINT at)
{
    HWND page = GetDlgItem(dialog, IDC_PREVIEW_PAGE);
    MapWindowPoints(page, nullptr, &at, 1);
    SetCursorPos(at.x, at.y);
    MapWindowPoints(nullptr, dialog, &at, 1);
    SendMessageA(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    SendMessageA(dialog, WM_SETCURSOR, reinterpret_cast<WPARAM>(page), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return GetCursor();
}

class PrintPreview : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        ASSERT_TRUE(PdfQueueIsDefault()) << NoPdfQueue;
    }
};

}   // namespace

TEST_F(PrintPreview, FitsZoomsAndStepsThroughThePages)
{
    ASSERT_NE(Start(), nullptr);
    SetEditorText(RussianLines(0, 150).c_str());
    ExpectMessageBox("Total 3 Page(s)", IDYES);
    SendCommand(CMD_PAGE_NUMBERS);
    HCURSOR zoomIn = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_ZOOM_IN));
    HCURSOR zoomOut = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_ZOOM_OUT));
    ExpectModal(PreviewCaption, [&](HWND dialog) {
        HWND page = GetDlgItem(dialog, IDC_PREVIEW_PAGE), next = GetDlgItem(dialog, IDC_PREVIEW_NEXT);
        Capture whole = Pixels(page);
        RECT client;
        GetClientRect(dialog, &client);
        EXPECT_TRUE(IsZoomed(dialog));
        EXPECT_NEAR(whole.height, client.bottom - 2, 40) << "a portrait sheet fills the window's height";
        EXPECT_NEAR(whole.width * 297 / 210, whole.height, 4) << "an A4 sheet keeps its shape";
        int inch = whole.width * 10 / 83;
        EXPECT_GT(Dark(whole, inch, inch, whole.width - inch, whole.height - inch), 2000) << "the text";
        EXPECT_GT(Dark(whole, 0, 0, whole.width, inch - 2), 0) << "the page number";
        EXPECT_EQ(Dark(whole, 0, inch, inch - 2, whole.height), 0) << "the left margin";
        EXPECT_EQ(WindowText(next), "1&.>>");
        SaveBitmap(BesideTheProgram("preview.bmp"), Pixels(dialog));

        HCURSOR beside = Click(dialog, {-5, 5});
        EXPECT_TRUE(beside != zoomIn && beside != zoomOut && Pixels(page).pixels == whole.pixels) << "no zoom";
        EXPECT_EQ(Click(dialog, {inch, inch}), zoomOut);
        Capture zoomed = Pixels(page);
        EXPECT_GT(Dark(zoomed, 0, 0, zoomed.width, zoomed.height), 2 * Dark(whole, 0, 0, whole.width, whole.height));
        EXPECT_EQ(Click(dialog, {inch, inch}), zoomIn);
        EXPECT_EQ(Pixels(page).pixels, whole.pixels) << "the second click shows the whole page again";

        for (int step = 0; step < 5 && IsWindowEnabled(next); ++step, Pixels(page))
            SendMessageA(dialog, WM_COMMAND, IDC_PREVIEW_NEXT, 0);
        EXPECT_EQ(WindowText(next), "3 ||");
        EXPECT_FALSE(IsWindowEnabled(next));
        SendMessageA(dialog, WM_COMMAND, IDC_PREVIEW_FIRST, 0);
        EXPECT_EQ(Pixels(page).pixels, whole.pixels) << "back to page 1";
        PressButton(dialog, IDOK);
    });
    SendCommand(CMD_PREVIEW);

    SetEditorText("");
    ExpectModal(PreviewCaption, [](HWND dialog) {
        Pixels(dialog);
        EXPECT_EQ(ControlText(dialog, IDC_PREVIEW_NEXT), "1 ||") << "an empty document is one page";
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);   // Esc
    });
    SendCommand(CMD_PREVIEW);

    std::string named = MakeTempFolder() + "\\Отчёт.txt";   // the caption keeps its letters on any code page
    WriteFileBytes(named, "x");
    ASSERT_NE(Restart(named), nullptr);
    ExpectModal("PreView: [Отчёт.txt]-VERKO", [](HWND dialog) { PressButton(dialog, IDOK); });
    SendCommand(CMD_PREVIEW);
}
