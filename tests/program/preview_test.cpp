// The print preview on the real printer: the page fitted to the maximised
// window shows the text, a click zooms in with the other magnifier, and the
// next-page button steps to the last page.
#include "editor/editor_calls.h"
#include "res/resource.h"
#include "harness.h"
#include "pictures.h"
#include "printer_support.h"

namespace {

constexpr char PreviewCaption[] = "PreView: [NoName]-VERKO";

// The page control's pixels, drawn afresh.
Capture PagePixels(HWND dialog)
{
    HWND page = GetDlgItem(dialog, IDC_PREVIEW_PAGE);
    RedrawWindow(page, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    RECT size;
    GetClientRect(page, &size);
    HDC dc = GetDC(page);
    Capture capture = Grab(dc, size.right, size.bottom);
    ReleaseDC(page, dc);
    return capture;
}

int DarkPixels(const Capture& capture, int left, int top, int right, int bottom)
{
    int count = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) {
            COLORREF p = capture.At(x, y);
            count += GetRValue(p) + GetGValue(p) + GetBValue(p) < 384;
        }
    return count;
}

// Clicks the dialog at a point of the page control and asks for the cursor there.
HCURSOR ClickPage(HWND dialog, POINT at)
{
    HWND page = GetDlgItem(dialog, IDC_PREVIEW_PAGE);
    ClientToScreen(page, &at);
    SetCursorPos(at.x, at.y);
    ScreenToClient(dialog, &at);
    SendMessageA(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    SendMessageA(dialog, WM_SETCURSOR, reinterpret_cast<WPARAM>(page), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return GetCursor();
}

void StepToTheEnd(HWND dialog)
{
    HWND next = GetDlgItem(dialog, IDC_PREVIEW_NEXT);
    for (int step = 0; step < 10 && IsWindowEnabled(next); ++step) {
        SendMessageA(dialog, WM_COMMAND, IDC_PREVIEW_NEXT, 0);
        PagePixels(dialog);
    }
}

class PrintPreview : public ProgramTest {};

}   // namespace

TEST_F(PrintPreview, FitsZoomsAndStepsThroughThePages)
{
    ASSERT_NE(Start(), nullptr);
    SetEditorText(Bytes(RussianLines(0, 150), CodingAnsi).c_str());
    ExpectMessageBox("Total 3 Page(s)", IDYES);
    SendCommand(CMD_PAGE_NUMBERS);
    HCURSOR zoomIn = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_ZOOM_IN));
    HCURSOR zoomOut = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_ZOOM_OUT));
    ExpectModal(PreviewCaption, [&](HWND dialog) {
        EXPECT_TRUE(IsZoomed(dialog));
        Capture whole = PagePixels(dialog);
        RECT client;
        GetClientRect(dialog, &client);
        EXPECT_NEAR(whole.height, client.bottom - 2, 40) << "a portrait sheet fills the window's height";
        EXPECT_NEAR(whole.width * 297, whole.height * 210, 297) << "an A4 sheet keeps its shape";
        int inch = whole.width * 10 / 83;   // 8.3 inches across
        EXPECT_GT(DarkPixels(whole, inch, inch, whole.width - inch, whole.height - inch), 2000) << "the text";
        EXPECT_GT(DarkPixels(whole, 0, 0, whole.width, inch - 2), 0) << "the page number";
        EXPECT_EQ(DarkPixels(whole, 0, inch, inch - 2, whole.height), 0) << "the left margin";
        EXPECT_EQ(ControlText(dialog, IDC_PREVIEW_NEXT), "1&.>>");
        HDC dc = GetDC(dialog);
        SaveBitmap(BesideTheProgram("preview.bmp"), Grab(dc, client.right, client.bottom));
        ReleaseDC(dialog, dc);

        HCURSOR beside = ClickPage(dialog, {-5, 5});
        EXPECT_TRUE(beside != zoomIn && beside != zoomOut) << "no magnifier beside the page";
        EXPECT_EQ(PagePixels(dialog).pixels, whole.pixels) << "a click beside the page does not zoom";
        EXPECT_EQ(ClickPage(dialog, {inch, inch}), zoomOut);
        Capture zoomed = PagePixels(dialog);
        EXPECT_GT(DarkPixels(zoomed, 0, 0, zoomed.width, zoomed.height),
                  4 * DarkPixels(whole, 0, 0, whole.width, whole.height) / 3);
        SaveBitmap(BesideTheProgram("preview_zoomed.bmp"), zoomed);
        EXPECT_EQ(ClickPage(dialog, {inch, inch}), zoomIn);
        EXPECT_EQ(PagePixels(dialog).pixels, whole.pixels) << "the second click shows the whole page again";

        StepToTheEnd(dialog);
        EXPECT_EQ(ControlText(dialog, IDC_PREVIEW_NEXT), "3 ||");
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_PREVIEW_NEXT)));
        SendMessageA(dialog, WM_COMMAND, IDC_PREVIEW_FIRST, 0);
        EXPECT_EQ(PagePixels(dialog).pixels, whole.pixels) << "back to page 1";
        PressButton(dialog, IDOK);
    });
    SendCommand(CMD_PREVIEW);
    VerifyModalsSeen();

    SetEditorText("");
    ExpectModal(PreviewCaption, [](HWND dialog) {
        EXPECT_EQ(DarkPixels(PagePixels(dialog), 0, 0, 1, 1), 0);
        EXPECT_EQ(ControlText(dialog, IDC_PREVIEW_NEXT), "1 ||") << "an empty document is one page";
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);   // Esc
    });
    SendCommand(CMD_PREVIEW);
}
