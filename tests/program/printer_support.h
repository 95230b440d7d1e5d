// The real printer of the printing tests: the PDF queue the test command sets
// up, what the program's jobs left there read back with the PDF tools, and
// the system's print dialogs driven as a user would.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

#include "coding/coding_tables.h"

constexpr char PdfQueue[] = "VerkoPDF";

// The Unix name of a Windows path.
std::string UnixPath(const std::string& windowsPath);
// Runs a shell script on the Unix side in the folder and returns what it
// printed; empty when it did not finish in time.
std::string RunShell(const std::string& folder, const std::string& script);

// Catches the PDF of the next job sent to the queue.
class PdfCatcher {
public:
    explicit PdfCatcher(const std::string& folder);
    // Waits for the queue to finish the job; the PDF's path, empty when none came.
    std::string Wait();
    // The text of each page of the job's PDF (or of a PostScript file), in reading order.
    std::vector<std::string> Pages(const std::string& file = "");
    // The bounding boxes of the words of page 1, in points: "xMin yMin xMax yMax word" lines.
    std::string Words();
    // Page 1 of the job as a PNG picture.
    void Picture(const std::string& png);

private:
    std::string folder_;
    std::string pdf_;
};

// The print dialog's choices; a page range when fromPage is not 0.
struct PrintChoice {
    unsigned fromPage = 0;
    unsigned toPage = 0;
    unsigned copies = 1;
    bool collate = false;
    bool selection = false;
    bool toFile = false;
};
// Sets the choices in an open print dialog and confirms it.
void ChoosePrint(HWND dialog, const PrintChoice& choice);
// The words of Russian text in UTF-8, as the PDF tools give them back.
std::string Utf8(const std::u16string& text);
// Lines first..last-1 of Russian words, each ending in its number.
std::u16string RussianLines(int first, int last);
// The text in a coding, by the program's tables.
std::string Bytes(const std::u16string& text, Coding coding);
