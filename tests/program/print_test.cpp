// Printing on a real printer, the PDF queue the test command sets up: the
// program's commands and the system's print dialog, the pages read back.
#include <windows.h>
#include <winspool.h>
#include <dlgs.h>
#include <iterator>
#include <sstream>

#include "coding/coding_tables.h"
#include "coding/utf8.h"
#include "editor/editor_calls.h"
#include "print/printer.h"
#include "res/resource.h"
#include "harness.h"
#include "pictures.h"
#include "printer_support.h"

namespace {

constexpr int LinesPerPage = 59;         // of the queue's A4 sheet with an inch of margin all round
constexpr double Inch = 72, Line = 12;   // points

std::vector<std::string> Words(const std::string& text)
{
    std::istringstream in(text);
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

// The page numbers atop the pages ("-1- -2-") and the words of all pages.
struct Printed {
    std::string numbers;
    std::vector<std::string> words;
};
Printed Read(const std::vector<std::string>& pages)
{
    Printed printed;
    for (const std::string& page : pages) {
        std::vector<std::string> words = Words(page);
        if (!words.empty() && words[0].size() > 2 && words[0][0] == '-' && words[0].back() == '-') {
            printed.numbers += (printed.numbers.empty() ? "" : " ") + words[0];
            words.erase(words.begin());
        }
        printed.words.insert(printed.words.end(), words.begin(), words.end());
    }
    return printed;
}

struct Ink {
    double width, height, left, top, right, bottom;
    bool numbered;
};
Ink InkOf(PdfCatcher job)
{
    Ink ink = {};
    std::istringstream(job.Ink()) >> ink.width >> ink.height >> ink.left >> ink.top >> ink.right >> ink.bottom
        >> ink.numbered;
    return ink;
}

class PrintToPdf : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        ASSERT_TRUE(PdfQueueIsDefault()) << NoPdfQueue;
        folder_ = MakeTempFolder();
        ASSERT_NE(Start(), nullptr);
    }

    PdfCatcher Print(const PrintChoice& choice)
    {
        PdfCatcher catcher(folder_, main_);
        ExpectModal("Print", [choice](HWND dialog) { ChoosePrint(dialog, choice); });
        SendCommand(CMD_PRINT);
        return catcher;
    }

    // The count's caption; the answer switches the numbers and the menu item's check mark.
    std::string CountPages(int answer)
    {
        std::string caption;
        ExpectModalCaptionStart("", [&caption, answer](HWND box) {
            caption = WindowText(box);
            PressButton(box, answer);
        });
        SendCommand(CMD_PAGE_NUMBERS);
        EXPECT_EQ((GetMenuState(GetMenu(main_), CMD_PAGE_NUMBERS, 0) & MF_CHECKED) != 0, answer == IDYES);
        return caption;
    }

    std::string folder_;
};

}   // namespace

TEST_F(PrintToPdf, RussianPagesInEveryViewWithAndWithoutNumbers)
{
    const std::string text = RussianLines(0, 2 * LinesPerPage + 30);
    struct Case {
        Coding coding;
        WORD view;
        int answer;
        const char* numbers;
    } cases[] = {{CodingAnsi, CMD_VIEW_ANSI, IDYES, "-1- -2- -3-"},
                 {CodingOem, CMD_VIEW_OEM, IDYES, "-1- -2- -3-"},
                 {CodingKoi8, CMD_VIEW_KOI8, IDNO, ""},
                 {CodingUtf8, CMD_VIEW_UTF8, IDYES, "-1- -2- -3-"}};
    for (const Case& c : cases) {
        std::string bytes(ConvertedCapacity(text.size()), '\0');
        bytes.resize(ConvertText(reinterpret_cast<const uint8_t*>(text.data()), text.size(), CodingAnsi, c.coding,
                                 reinterpret_cast<uint8_t*>(&bytes[0]), bytes.size()));
        SetEditorText(bytes.c_str());
        SendCommand(c.view);
        EXPECT_EQ(CountPages(c.answer), "Total 3 Page(s)");
        PdfCatcher job = Print({});
        Printed printed = Read(job.Pages());
        EXPECT_EQ(printed.numbers, c.numbers) << c.coding;
        EXPECT_EQ(printed.words, Words(text)) << c.coding;
        if (c.coding == CodingAnsi) job.Picture(BesideTheProgram("printed_page.png"));
    }
}

TEST_F(PrintToPdf, RangesCopiesSelectionAndFile)
{
    const std::string text = RussianLines(0, 4 * LinesPerPage + 30);
    SetEditorText(text.c_str());
    EXPECT_EQ(CountPages(IDYES), "Total 5 Page(s)");
    Printed range = Read(Print({2, 3}).Pages());   // pages 1 to 3 laid out, 2 and 3 sent
    EXPECT_EQ(range.numbers, "-2- -3-");
    EXPECT_EQ(range.words, Words(RussianLines(LinesPerPage, 3 * LinesPerPage)));
    EXPECT_EQ(Read(Print({1, 2, 3, true}).Pages()).numbers, "-1- -2- -1- -2- -1- -2-");
    EXPECT_EQ(Read(Print({1, 2, 3, false}).Pages()).numbers, "-1- -1- -1- -2- -2- -2-");

    SelectEditorRange(static_cast<LONG>(RussianLines(0, 2 * LinesPerPage + 10).size()), -1);
    Printed selection = Read(Print({0, 0, 1, false, true}).Pages());
    EXPECT_EQ(selection.numbers, "-1- -2- -3-");
    EXPECT_EQ(selection.words, Words(RussianLines(2 * LinesPerPage + 10, 4 * LinesPerPage + 30)));

    std::string file = folder_ + "\\printed.ps";
    ExpectModal("Print", [](HWND dialog) { ChoosePrint(dialog, {4, 4, 1, false, false, true}); });
    ExpectModal("Print to File", [file](HWND dialog) {
        SetControlText(dialog, GetDlgItem(dialog, cmb13) ? cmb13 : edt1, file.c_str());
        PressButton(dialog, IDOK);
    });
    SendCommand(CMD_PRINT);
    EXPECT_EQ(Read(PdfCatcher(folder_, main_).Pages(file)).numbers, "-4-");
}

TEST_F(PrintToPdf, MarginsInsetTheTextAnInchUnlessTheSheetIsTooSmall)
{
    // A run of letters longer than a row fills it to the right margin.
    SetEditorText((std::string(300, '\xC6') + "\r\n" + RussianLines(0, 2 * LinesPerPage)).c_str());
    CountPages(IDYES);
    Ink ink = InkOf(Print({}));
    EXPECT_TRUE(ink.numbered);
    EXPECT_NEAR(ink.left, Inch, Line);
    EXPECT_NEAR(ink.top, Inch, Line);
    EXPECT_NEAR(ink.right, ink.width - Inch, Line);
    EXPECT_NEAR(ink.bottom, ink.height - Inch, Line);
    EXPECT_LE(ink.right, ink.width - Inch + 1);
    EXPECT_LE(ink.bottom, ink.height - Inch + 1);

    // Twenty inches a side leave no inch of text: the margins and the number go.
    ExpectModal("Setup Page", [](HWND dialog) {
        for (int id : {edt4, edt5, edt6, edt7}) SetControlText(dialog, id, "20");
        PressButton(dialog, IDOK);
    });
    SendCommand(CMD_PAGE_SETUP);
    EXPECT_EQ(Printing.PageMargins.left, 20000);
    ink = InkOf(Print({}));
    EXPECT_FALSE(ink.numbered);
    EXPECT_NEAR(ink.left, 0, Line);
    EXPECT_NEAR(ink.top, 0, Line);
    EXPECT_NEAR(ink.right, ink.width, Line);
}

TEST_F(PrintToPdf, EmptyDocumentIsOnePageAndNoPrinterFailsQuietly)
{
    // With no default printer there is nothing to count on or to preview.
    HKEY key;
    ASSERT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows", &key), 0);
    char device[256] = "";
    DWORD size = sizeof device;
    RegQueryValueExA(key, "device", nullptr, nullptr, reinterpret_cast<BYTE*>(device), &size);
    RegDeleteValueA(key, "device");
    EXPECT_EQ(CountPages(IDYES), "EnumPage() failed");
    SendCommand(CMD_PREVIEW);   // any window it showed would fail the test
    PumpFor(200);
    RegSetValueExA(key, "device", 0, REG_SZ, reinterpret_cast<BYTE*>(device), size);
    RegCloseKey(key);
    EXPECT_EQ(CountPages(IDNO), "Total 1 Page(s)");
}
