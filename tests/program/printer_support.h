// The real printer of the printing tests: the PDF queue the test command sets
// up, read back with the PDF tools run on the Unix side.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

constexpr char PdfQueue[] = "VerkoPDF";

// Whether the PDF queue is the default printer; the printing tests say why they fail when it is not.
bool PdfQueueIsDefault();
constexpr char NoPdfQueue[] = "no printer: the printing tests need the print scheduler (CUPS) with the PDF queue "
                              "VerkoPDF as the default printer, as scripts/printer.sh sets them up";

// Runs a shell script in the folder on the Unix side; what it printed.
std::string RunShell(const std::string& folder, const std::string& script);

// Catches the PDF of the program's next print job: the job is titled with a
// name of its own (the program's caption) and its PDF moved into the folder.
class PdfCatcher {
public:
    PdfCatcher(const std::string& folder, HWND program);
    // Each page's text in Windows-1251, of the job or of a PostScript file.
    std::vector<std::string> Pages(const std::string& postScript = "");
    // Page 1 in points: "width height left top right bottom numbered", the ink
    // of its words without the page number, and 1 when it has the number.
    std::string Ink();
    void Picture(const std::string& png);

private:
    // Waits for the job and takes its PDF, or makes one of the PostScript file.
    void Fetch(const std::string& postScript = "");
    std::string folder_;
    std::string title_;
    bool fetched_ = false;
};

// The print dialog's choices; a page range when fromPage is not 0.
struct PrintChoice {
    unsigned fromPage = 0, toPage = 0, copies = 1;
    bool collate = false, selection = false, toFile = false;
};
void ChoosePrint(HWND dialog, const PrintChoice& choice);

// Lines first..last-1 of Russian words in Windows-1251, each ending in its number.
std::string RussianLines(int first, int last);
