#include "printer_support.h"

#include <gtest/gtest.h>
#include <dlgs.h>

#include "coding/unicode_tables.h"
#include "harness.h"

namespace {

constexpr DWORD ShellTimeout = 60000;

std::string Quote(const std::string& text)
{
    return "'" + text + "'";   // test paths hold no quote
}

std::vector<std::string> SplitPages(const std::string& text)
{
    std::vector<std::string> pages(1);
    for (char ch : text)
        if (ch == '\f')
            pages.emplace_back();
        else
            pages.back().push_back(ch);
    if (pages.back().empty()) pages.pop_back();   // after the last page's form feed
    return pages;
}

const std::u16string RussianWords[] = {u"Мороз", u"и",  u"солнце;",   u"день", u"чудесный!",
                                       u"Ещё",   u"ты", u"дремлешь,", u"друг", u"прелестный"};
}   // namespace

std::string UnixPath(const std::string& windowsPath)
{
    using Convert = char*(CDECL*)(const WCHAR*);
    auto convert = reinterpret_cast<Convert>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    std::wstring wide(windowsPath.begin(), windowsPath.end());
    char* unix = convert ? convert(wide.c_str()) : nullptr;
    std::string path = unix ? unix : "";
    if (unix) HeapFree(GetProcessHeap(), 0, unix);
    return path;
}

std::string RunShell(const std::string& folder, const std::string& script)
{
    WriteFileBytes(folder + "\\run.sh",
                   "cd " + Quote(UnixPath(folder)) + "\n{\n" + script
                       + "\n} > output.tmp 2>&1\nmv output.tmp output.txt\n");
    std::string output = folder + "\\output.txt";
    DeleteFileA(output.c_str());
    // Wine starts a Unix program as itself, without a process handle to wait on.
    std::string command = "/bin/sh " + UnixPath(folder + "\\run.sh");
    STARTUPINFOA startup = {sizeof startup};
    PROCESS_INFORMATION process = {};
    EXPECT_TRUE(CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
    for (DWORD start = GetTickCount(); GetFileAttributesA(output.c_str()) == INVALID_FILE_ATTRIBUTES; Sleep(20))
        if (GetTickCount() - start > ShellTimeout) {
            ADD_FAILURE() << "the shell script did not finish:\n" << script;
            return "";
        }
    std::string text = ReadFileBytes(output);
    DeleteFileA(output.c_str());
    return text;
}

PdfCatcher::PdfCatcher(const std::string& folder) : folder_(folder)
{
    RunShell(folder_, "touch job.marker");
}

std::string PdfCatcher::Wait()
{
    std::string script = "home=$(getent passwd \"$(id -un)\" | cut -d: -f6)\n"
                         "for i in $(seq 300); do\n"
                         "  if [ -z \"$(lpstat -o "
        + std::string(PdfQueue)
        + " 2>/dev/null)\" ]; then\n"
          "    f=$(find \"$home/PDF\" -name '*.pdf' -newer job.marker 2>/dev/null | head -n1)\n"
          "    [ -n \"$f\" ] && { mv \"$f\" job.pdf && echo job.pdf; break; }\n"
          "  fi\n"
          "  sleep 0.1\n"
          "done";
    std::string found = RunShell(folder_, script);
    EXPECT_EQ(found, "job.pdf\n") << "no PDF came from the queue " << PdfQueue;
    pdf_ = found.empty() ? "" : "job.pdf";
    return pdf_;
}

std::vector<std::string> PdfCatcher::Pages(const std::string& file)
{
    std::string name = file.empty() ? pdf_ : UnixPath(file);
    if (name.size() > 3 && name.compare(name.size() - 3, 3, ".ps") == 0)
        RunShell(folder_, "ps2pdf " + Quote(name) + " file.pdf"), name = "file.pdf";
    return SplitPages(RunShell(folder_, "pdftotext -enc UTF-8 " + Quote(name) + " -"));
}

std::string PdfCatcher::Words()
{
    return RunShell(folder_,
                    "pdftotext -bbox -f 1 -l 1 job.pdf - | sed -n "
                    "'s/.*<page width=\"\\([0-9.]*\\)\" height=\"\\([0-9.]*\\)\".*/\\1 \\2/p; "
                    "s/.*<word xMin=\"\\([0-9.]*\\)\" yMin=\"\\([0-9.]*\\)\" xMax=\"\\([0-9.]*\\)\" "
                    "yMax=\"\\([0-9.]*\\)\">\\(.*\\)<\\/word>.*/\\1 \\2 \\3 \\4 \\5/p'");
}

void PdfCatcher::Picture(const std::string& png)
{
    std::string base = UnixPath(png).substr(0, UnixPath(png).size() - 4);
    RunShell(folder_, "pdftoppm -png -r 60 -f 1 -l 1 -singlefile job.pdf " + Quote(base));
}

void ChoosePrint(HWND dialog, const PrintChoice& choice)
{
    int range = choice.selection ? rad2 : choice.fromPage ? rad3 : rad1;
    CheckRadioButton(dialog, rad1, rad3, range);
    if (choice.fromPage) {
        SetDlgItemInt(dialog, edt1, choice.fromPage, FALSE);
        SetDlgItemInt(dialog, edt2, choice.toPage, FALSE);
    }
    SetDlgItemInt(dialog, edt3, choice.copies, FALSE);
    CheckDlgButton(dialog, chx2, choice.collate ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, chx1, choice.toFile ? BST_CHECKED : BST_UNCHECKED);
    PressButton(dialog, IDOK);
}

std::string Utf8(const std::u16string& text)
{
    int size = WideCharToMultiByte(CP_UTF8, 0, reinterpret_cast<const WCHAR*>(text.c_str()),
                                   static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, reinterpret_cast<const WCHAR*>(text.c_str()), static_cast<int>(text.size()),
                        &bytes[0], size, nullptr, nullptr);
    return bytes;
}

std::u16string RussianLines(int first, int last)
{
    std::u16string text;
    for (int line = first; line < last; ++line) {
        for (int word = 0; word < 5; ++word) text += RussianWords[(line + word) % 10] + u" ";
        for (char ch : std::to_string(line)) text += char16_t(ch);
        text += u"\r\n";
    }
    return text;
}

std::string Bytes(const std::u16string& text, Coding coding)
{
    std::string bytes;
    for (char16_t ch : text) bytes += static_cast<char>(UnicodeToByte(coding, ch));
    return bytes;
}
