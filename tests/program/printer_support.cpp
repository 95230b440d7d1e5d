#include "printer_support.h"

#include <gtest/gtest.h>
#include <winspool.h>
#include <dlgs.h>

#include "coding/unicode_tables.h"
#include "harness.h"

namespace {

// Test paths hold no blank and no quote.
std::string UnixPath(const std::string& windowsPath)
{
    using Convert = char*(CDECL*)(const WCHAR*);
    auto convert = reinterpret_cast<Convert>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    char* unix = convert ? convert(std::wstring(windowsPath.begin(), windowsPath.end()).c_str()) : nullptr;
    std::string path = unix ? unix : "";
    HeapFree(GetProcessHeap(), 0, unix);
    return path;
}

// The queue writes the PDF into the submitting user's ~/PDF as TITLE...-job_ID.pdf while it
// lists the job; once it does not, the PDF is whole and is taken into the folder.
constexpr char TakeJobPdf[] = "pdfs=$(getent passwd $(id -un) | cut -d: -f6)/PDF\n"
                              "for i in $(seq 300); do\n"
                              "  f=$(find $pdfs -maxdepth 1 -name \"*$title*-job_*.pdf\" | head -n1)\n"
                              "  id=${f##*-job_}\n"
                              "  [ -n \"$f\" ] && ! lpstat -o $queue | grep -q \"^$queue-${id%.pdf} \" && break\n"
                              "  sleep 0.1\n"
                              "done\n"
                              "mv \"$f\" job.pdf || echo \"no PDF of the job titled $title in $pdfs\"";

}   // namespace

std::string RunShell(const std::string& folder, const std::string& script)
{
    std::string output = folder + "\\output.txt";
    DeleteFileA(output.c_str());
    WriteFileBytes(folder + "\\run.sh",
                   "cd " + UnixPath(folder) + "\n{\n" + script + "\n} >out.tmp 2>&1\nmv out.tmp output.txt");
    // Wine starts a Unix program without a process handle to wait on.
    std::string command = "/bin/sh " + UnixPath(folder + "\\run.sh");
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    EXPECT_TRUE(CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
    for (DWORD start = GetTickCount(); GetFileAttributesA(output.c_str()) == INVALID_FILE_ATTRIBUTES; Sleep(20))
        if (GetTickCount() - start > 60000) return ADD_FAILURE() << "the script did not finish:\n" << script, "";
    return ReadFileBytes(output);
}

bool PdfQueueIsDefault()
{
    char name[64];
    DWORD size = sizeof name;
    return GetDefaultPrinterA(name, &size) && std::string(name) == PdfQueue;
}

PdfCatcher::PdfCatcher(const std::string& folder, HWND program) : folder_(folder)
{
    // A job's title is the program's caption, and the queue writes the PDF under the title and
    // the job's number: a title no other run can have (runs may share the queue) finds this job's PDF.
    title_ = RunShell(folder_, "mktemp -u verko-XXXXXXXXXX | tr -d '\\n'");
    SetWindowTextA(program, ("[" + title_ + "]-VERKO").c_str());
}

void PdfCatcher::Fetch(const std::string& postScript)
{
    if (fetched_) return;
    fetched_ = true;
    const std::string job = "title=" + title_ + " queue=" + PdfQueue + "\n" + TakeJobPdf;
    EXPECT_EQ(RunShell(folder_, postScript.empty() ? job : "ps2pdf " + UnixPath(postScript) + " job.pdf"), "");
}

std::vector<std::string> PdfCatcher::Pages(const std::string& postScript)
{
    Fetch(postScript);
    std::vector<std::string> pages(1);
    for (char ch : RunShell(folder_, "pdftotext job.pdf - | iconv -f UTF-8 -t CP1251"))
        ch == '\f' ? (void)pages.emplace_back() : pages.back().push_back(ch);
    pages.pop_back();   // after the last page's form feed
    return pages;
}

std::string PdfCatcher::Ink()
{
    Fetch();
    return RunShell(folder_,
                    "pdftotext -bbox -l 1 job.pdf - | awk -F'\"' '/<page /{w=$2; h=$4} "
                    "/<word / && $9 ~ />-[0-9]+-</ {n=1} /<word / && $9 !~ />-[0-9]+-</ "
                    "{if (l == \"\" || $2 < l) l = $2; if (t == \"\" || $4 < t) t = $4; if ($6 > r) r = $6; "
                    "if ($8 > b) b = $8} END {print w, h, l, t, r, b, n + 0}'");
}

void PdfCatcher::Picture(const std::string& png)
{
    Fetch();
    RunShell(folder_, "pdftoppm -png -r 60 -l 1 -singlefile job.pdf " + UnixPath(png.substr(0, png.size() - 4)));
}

void ChoosePrint(HWND dialog, const PrintChoice& choice)
{
    if (choice.fromPage) {   // typing a page number picks the page range: the range button comes last
        SetDlgItemInt(dialog, edt1, choice.fromPage, FALSE);
        SetDlgItemInt(dialog, edt2, choice.toPage, FALSE);
    }
    SetDlgItemInt(dialog, edt3, choice.copies, FALSE);
    CheckDlgButton(dialog, chx2, choice.collate);
    CheckDlgButton(dialog, chx1, choice.toFile);
    CheckRadioButton(dialog, rad1, rad3, choice.selection ? rad2 : choice.fromPage ? rad3 : rad1);
    PressButton(dialog, IDOK);
}

std::string RussianLines(int first, int last)
{
    const std::u16string words[] = {u"Мороз", u"и",  u"солнце;",   u"день", u"чудесный!",
                                    u"Ещё",   u"ты", u"дремлешь,", u"друг", u"прелестный"};
    std::string text;
    for (int line = first; line < last; ++line) {
        for (int word = 0; word < 5; ++word)
            for (char16_t ch : words[(line + word) % 10] + u" ") text += char(UnicodeToByte(CodingAnsi, ch));
        text += std::to_string(line) + "\r\n";
    }
    return text;
}
