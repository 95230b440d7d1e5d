// Printing to a real printer: the PDF queue the test command sets up, driven
// through the program's commands and the system's print dialog, read back
// with the PDF tools.
#include <windows.h>
#include <winspool.h>
#include <dlgs.h>
#include <algorithm>
#include <iterator>
#include <sstream>

#include "coding/coding_tables.h"
#include "editor/editor_calls.h"
#include "res/resource.h"
#include "harness.h"
#include "pictures.h"
#include "print/printer.h"
#include "printer_support.h"

namespace {

constexpr int LinesPerPage = 59;   // of the queue's A4 sheet with an inch of margin all round
constexpr double PointsPerInch = 72;
constexpr double LineTolerance = 12;   // points, a row of the default 10 points type

std::vector<std::string> Tokens(const std::string& text)
{
    std::istringstream in(text);
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

bool IsPageNumber(const std::string& word)
{
    return word.size() > 2 && word.front() == '-' && word.back() == '-'
        && word.find_first_not_of("0123456789", 1) == word.size() - 1;
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
        std::vector<std::string> words = Tokens(page);
        if (!words.empty() && IsPageNumber(words[0])) {
            printed.numbers += (printed.numbers.empty() ? "" : " ") + words[0];
            words.erase(words.begin());
        }
        printed.words.insert(printed.words.end(), words.begin(), words.end());
    }
    return printed;
}

bool QueueListed()
{
    DWORD needed = 0, count = 0;
    EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 4, nullptr, 0, &needed, &count);
    std::vector<BYTE> buffer(needed + 1);
    EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 4, buffer.data(), needed, &needed, &count);
    auto* printers = reinterpret_cast<PRINTER_INFO_4A*>(buffer.data());
    return std::any_of(printers, printers + count,
                       [](const PRINTER_INFO_4A& p) { return !strcmp(p.pPrinterName, PdfQueue); });
}

class PrintToPdf : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        ASSERT_TRUE(QueueListed()) << "the system does not list the printer " << PdfQueue;
        folder_ = MakeTempFolder();
        ASSERT_NE(Start(), nullptr);
    }

    // Prints through the print dialog; the job's PDF is caught.
    Printed Print(const PrintChoice& choice, PdfCatcher* catcher = nullptr)
    {
        PdfCatcher own(folder_);
        catcher = catcher ? catcher : &own;
        ExpectModal("Print", [choice](HWND dialog) { ChoosePrint(dialog, choice); });
        SendCommand(CMD_PRINT);
        catcher->Wait();
        return Read(catcher->Pages());
    }

    // The page count's caption; the answer switches the numbers.
    std::string CountPages(int answer)
    {
        std::string caption;
        ExpectModalCaptionStart("", [&caption, answer](HWND box) {
            caption = WindowText(box);
            PressButton(box, answer);
        });
        SendCommand(CMD_PAGE_NUMBERS);
        VerifyModalsSeen();
        bool checked = GetMenuState(GetMenu(main_), CMD_PAGE_NUMBERS, MF_BYCOMMAND) & MF_CHECKED;
        EXPECT_EQ(checked, answer == IDYES) << "the check mark of the page numbers";
        return caption;
    }

    std::string folder_;
};

// The extent of the words of page 1 in points, the page number left out, and the sheet's size.
struct Ink {
    double width = 0, height = 0;
    double left = 1e9, top = 1e9, right = 0, bottom = 0;
    bool numbered = false;
};
Ink InkOf(const std::string& words)
{
    Ink ink;
    std::istringstream in(words);
    in >> ink.width >> ink.height;
    double x0, y0, x1, y1;
    std::string word;
    while (in >> x0 >> y0 >> x1 >> y1 >> word) {
        if (IsPageNumber(word)) {
            ink.numbered = true;
            continue;
        }
        ink = {ink.width,
               ink.height,
               std::min(ink.left, x0),
               std::min(ink.top, y0),
               std::max(ink.right, x1),
               std::max(ink.bottom, y1),
               ink.numbered};
    }
    return ink;
}

}   // namespace

TEST_F(PrintToPdf, RussianPagesInEveryViewWithAndWithoutNumbers)
{
    const std::u16string text = RussianLines(0, 2 * LinesPerPage + 30);
    struct Case {
        Coding coding;
        WORD view;
        int answer;
        const char* numbers;
    } cases[] = {
        {CodingAnsi, CMD_VIEW_ANSI, IDYES, "-1- -2- -3-"},
        {CodingOem, CMD_VIEW_OEM, IDYES, "-1- -2- -3-"},
        {CodingKoi8, CMD_VIEW_KOI8, IDNO, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.coding);
        SetEditorText(Bytes(text, c.coding).c_str());
        SendCommand(c.view);
        EXPECT_EQ(CountPages(c.answer), "Total 3 Page(s)");
        PdfCatcher catcher(folder_);
        Printed printed = Print({}, &catcher);
        EXPECT_EQ(printed.numbers, c.numbers);
        EXPECT_EQ(printed.words, Tokens(Utf8(text)));
        if (c.coding == CodingAnsi) catcher.Picture(BesideTheProgram("printed_page.png"));
    }
}

TEST_F(PrintToPdf, RangesCopiesSelectionAndFile)
{
    const std::u16string text = RussianLines(0, 4 * LinesPerPage + 30);
    const std::string bytes = Bytes(text, CodingAnsi);
    SetEditorText(bytes.c_str());
    EXPECT_EQ(CountPages(IDYES), "Total 5 Page(s)");
    struct Case {
        PrintChoice choice;
        const char* numbers;
    } cases[] = {
        {{2, 3}, "-2- -3-"},   // pages 1 to 3 laid out, 2 and 3 sent
        {{1, 2, 3, true}, "-1- -2- -1- -2- -1- -2-"},
        {{1, 2, 3, false}, "-1- -1- -1- -2- -2- -2-"},
    };
    for (const Case& c : cases) EXPECT_EQ(Print(c.choice).numbers, c.numbers);
    EXPECT_EQ(Print({2, 3}).words, Tokens(Utf8(RussianLines(LinesPerPage, 3 * LinesPerPage))));

    // The selection is numbered from 1.
    LONG start = static_cast<LONG>(Bytes(RussianLines(0, 2 * LinesPerPage + 10), CodingAnsi).size());
    SelectEditorRange(start, static_cast<LONG>(bytes.size()));
    PrintChoice selection;
    selection.selection = true;
    Printed printed = Print(selection);
    EXPECT_EQ(printed.numbers, "-1- -2- -3-");
    EXPECT_EQ(printed.words, Tokens(Utf8(RussianLines(2 * LinesPerPage + 10, 4 * LinesPerPage + 30))));

    // To a file the user names: PostScript.
    std::string file = folder_ + "\\printed.ps";
    PrintChoice toFile;
    toFile.fromPage = toFile.toPage = 4;
    toFile.toFile = true;
    ExpectModal("Print", [toFile](HWND dialog) { ChoosePrint(dialog, toFile); });
    ExpectModal("Print to File", [file](HWND dialog) {
        SetControlText(dialog, GetDlgItem(dialog, cmb13) ? cmb13 : edt1, file.c_str());
        PressButton(dialog, IDOK);
    });
    SendCommand(CMD_PRINT);
    EXPECT_EQ(Read(PdfCatcher(folder_).Pages(file)).numbers, "-4-");
}

TEST_F(PrintToPdf, MarginsInsetTheTextAnInchUnlessTheSheetIsTooSmall)
{
    // A run of letters longer than a row fills it to the right margin.
    SetEditorText(Bytes(std::u16string(300, u'Ж') + u"\r\n" + RussianLines(0, 2 * LinesPerPage), CodingAnsi).c_str());
    CountPages(IDYES);
    PdfCatcher catcher(folder_);
    Print({}, &catcher);
    Ink ink = InkOf(catcher.Words());
    EXPECT_TRUE(ink.numbered);
    EXPECT_NEAR(ink.left, PointsPerInch, LineTolerance);
    EXPECT_NEAR(ink.top, PointsPerInch, LineTolerance);
    EXPECT_NEAR(ink.right, ink.width - PointsPerInch, LineTolerance);
    EXPECT_NEAR(ink.bottom, ink.height - PointsPerInch, LineTolerance);
    EXPECT_LE(ink.right, ink.width - PointsPerInch + 1);
    EXPECT_LE(ink.bottom, ink.height - PointsPerInch + 1);

    // Twenty inches a side leave no inch of text: the margins and the number go.
    ExpectModal("Setup Page", [](HWND dialog) {
        for (int id : {edt4, edt5, edt6, edt7}) SetControlText(dialog, id, "20");
        PressButton(dialog, IDOK);
    });
    SendCommand(CMD_PAGE_SETUP);
    EXPECT_EQ(Printing.PageMargins.left, 20000);
    PdfCatcher wide(folder_);
    Print({}, &wide);
    ink = InkOf(wide.Words());
    EXPECT_FALSE(ink.numbered);
    EXPECT_NEAR(ink.left, 0, LineTolerance);
    EXPECT_NEAR(ink.top, 0, LineTolerance);
    EXPECT_NEAR(ink.right, ink.width, LineTolerance);
}

TEST_F(PrintToPdf, EmptyDocumentIsOnePageAndNoPrinterFailsQuietly)
{
    // Without a default printer there is no printer to count on or preview.
    constexpr char WindowsKey[] = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows";
    HKEY key;
    ASSERT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, WindowsKey, &key), ERROR_SUCCESS);
    char device[256] = "";
    DWORD size = sizeof device;
    RegQueryValueExA(key, "device", nullptr, nullptr, reinterpret_cast<BYTE*>(device), &size);
    RegDeleteValueA(key, "device");
    EXPECT_EQ(CountPages(IDYES), "EnumPage() failed");
    SendCommand(CMD_PREVIEW);   // shows nothing: any window would fail the test
    PumpFor(200);
    RegSetValueExA(key, "device", 0, REG_SZ, reinterpret_cast<BYTE*>(device), size);
    RegCloseKey(key);
    EXPECT_EQ(CountPages(IDNO), "Total 1 Page(s)");
}
