// The Coding dialog driven as a user would: the pair it offers and stores, its
// layout, and conversions among the five codings and UTF-8.
#include "coding/coding_tables.h"
#include "coding/utf8.h"
#include "editor/undo.h"
#include "tests/program/editor_test_support.h"
#include "tests/program/pictures.h"

namespace {

class CodingDialog : public EditorTest {
protected:
    // Opens the dialog, notes the pair it shows, then chooses from and to and
    // presses Enter ("=>"), or Escape when from is negative.
    void RunDialog(int from, int to, std::pair<LRESULT, LRESULT>* shown = nullptr)
    {
        ExpectModal("Coding", [=](HWND dialog) {
            if (shown) *shown = {Chosen(dialog, IDC_CODING_FROM), Chosen(dialog, IDC_CODING_TO)};
            if (from >= 0) {
                SendDlgItemMessageA(dialog, IDC_CODING_FROM, LB_SETCURSEL, from, 0);
                SendDlgItemMessageA(dialog, IDC_CODING_TO, LB_SETCURSEL, to, 0);
            }
            PostKey(from >= 0 ? VK_RETURN : VK_ESCAPE);
        });
        SendCommand(CMD_CODING_DIALOG);
        VerifyModalsSeen();
    }

    // The dialog's own loop takes the key to the focused list, as a typed one.
    static void PostKey(UINT key)
    {
        ASSERT_TRUE(GetFocus());
        PostMessageA(GetFocus(), WM_KEYDOWN, key, 1);
        PostMessageA(GetFocus(), WM_KEYUP, key, 0xC0000001);
    }

    static LRESULT Chosen(HWND dialog, int id) { return SendDlgItemMessageA(dialog, id, LB_GETCURSEL, 0, 0); }

    static void StoreNumber(const char* name, DWORD value)
    {
        WriteRegistryValue(name, REG_DWORD, &value, sizeof value);
    }
};

std::string Recoded(std::string bytes, Coding from, Coding to)
{
    ConvertCoding(reinterpret_cast<uint8_t*>(&bytes[0]), bytes.size(), from, to);
    return bytes;
}

TEST_F(CodingDialog, OffersTheStoredPairOrTheDefaultsAndStoresOnlyWhatConverts)
{
    const std::string ansi = "\xD9\xF3\xEA\xE0 \xAB\xB8\xBB";
    SetDocument(ansi);
    std::pair<LRESULT, LRESULT> shown;
    RunDialog(-1, -1, &shown);   // Escape
    EXPECT_EQ(shown, std::make_pair(LRESULT(0), LRESULT(2)));
    EXPECT_FALSE(ReadRegistryNumber("CP1") || ReadRegistryNumber("CP2") || EditorModified());

    StoreNumber("CP1", 6);   // names no entry: the defaults are shown and used
    StoreNumber("CP2", 0xFFFFFFFF);
    Select(3, 3);
    ExpectModal("Coding", [&](HWND dialog) {
        shown = {Chosen(dialog, IDC_CODING_FROM), Chosen(dialog, IDC_CODING_TO)};
        for (int id : {IDC_CODING_FROM, IDC_CODING_TO})
            EXPECT_EQ(SendDlgItemMessageA(dialog, id, LB_GETCOUNT, 0, 0), 6);
        RECT list = {6, 5, 65, 65}, button = {74, 14, 24, 40}, placed;
        MapDialogRect(dialog, &list);
        GetWindowRect(GetDlgItem(dialog, IDC_CODING_FROM), &placed);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&placed), 2);
        EXPECT_EQ(placed.left, list.left);
        EXPECT_EQ(placed.top, list.top);
        MapDialogRect(dialog, &button);
        GetWindowRect(GetDlgItem(dialog, IDOK), &placed);
        EXPECT_EQ(placed.right - placed.left, button.right);
        RECT frame;
        GetWindowRect(dialog, &frame);
        HDC dc = GetWindowDC(dialog);
        SaveBitmap(BesideTheProgram("coding_dialog.bmp"), Grab(dc, frame.right - frame.left, frame.bottom - frame.top));
        ReleaseDC(dialog, dc);
        PostKey(VK_RETURN);
    });
    SendCommand(CMD_CODING_DIALOG);
    VerifyModalsSeen();
    EXPECT_EQ(shown, std::make_pair(LRESULT(0), LRESULT(2)));
    EXPECT_EQ(EditorBytes(), Recoded(ansi, CodingAnsi, CodingKoi8));
    EXPECT_EQ(Editor.ViewCoding, CodingAnsi);   // the dialog never changes the view
    EXPECT_EQ(Selection().cpMin, 3);
    EXPECT_EQ(ReadRegistryNumber("CP1"), 0u);
    EXPECT_EQ(ReadRegistryNumber("CP2"), 2u);

    const std::string iso = "\xB0\xD1\xEF\xA1\xF1";   // А б я Ё ё
    SetDocument(iso);
    Select(1, 4);
    RunDialog(CodingIso, CodingMac);
    EXPECT_EQ(EditorBytes(), "\xB0\xE1\xDF\xDD\xF1");
    EXPECT_EQ(Selection().cpMin, 1);
    EXPECT_EQ(Selection().cpMax, 4);
    RunDialog(-1, -1, &shown);
    EXPECT_EQ(shown, std::make_pair(LRESULT(CodingIso), LRESULT(CodingMac)));
    Undo();
    EXPECT_EQ(EditorBytes(), iso);
}

TEST_F(CodingDialog, Utf8ConvertsAsIconvDoesBothWaysAndLosesNoByte)
{
    const std::string utf8 = ReadFileBytes(DataFile("fortunes_utf8.txt"));
    const struct {
        Coding coding;
        const char* expected;   // made from fortunes_utf8.txt with iconv
    } cases[] = {
        {CodingAnsi, "fortunes_cp1251.txt"}, {CodingOem, "fortunes_cp866.txt"}, {CodingKoi8, "fortunes_koi8r.txt"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        View(c.coding == CodingOem ? CodingKoi8 : CodingOem);   // a view the guess might have chosen
        SetDocument("\xEF\xBB\xBF" + utf8);
        RunDialog(CodingUtf8, c.coding);
        EXPECT_EQ(EditorBytes(), ReadFileBytes(DataFile(c.expected)));
        EXPECT_EQ(Editor.ViewCoding, c.coding);   // the whole text is now shown in its coding
        RunDialog(c.coding, CodingUtf8);
        EXPECT_EQ(EditorBytes(), utf8);
        EXPECT_EQ(Editor.ViewCoding, c.coding);
    }

    // A valid letter among a broken sequence, an overlong form, a surrogate and a cut-off end.
    const std::string broken = "\xD0\xB0\xD0 \xC0\xAF \xED\xA0\x80 \xE2\x82";
    SetDocument("[" + broken + "]");
    Select(1, 1 + static_cast<LONG>(broken.size()));
    RunDialog(CodingUtf8, CodingAnsi);
    EXPECT_EQ(EditorBytes(), "[\xE0\xD0 \xC0\xAF \xED\xA0\x80 \xE2\x82]");
    EXPECT_EQ(Selection().cpMax, 13);
    EXPECT_EQ(Editor.ViewCoding, CodingKoi8);   // a selection keeps the view
    Undo();
    EXPECT_EQ(EditorBytes(), "[" + broken + "]");
}

}   // namespace
