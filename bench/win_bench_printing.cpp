// The page count and printing as the user runs them, on the default printer
// (the PDF queue of the test command): counting 500 pages of prose up to the
// count's question, and printing 100 of them from the print dialog's OK
// until the command returns (EndDoc and all). The queue's own work, making
// the PDF, comes after and is not the program's.
#include <windows.h>
#include <dlgs.h>
#include <cstdio>
#include <cstring>

#include "app/app_state.h"
#include "win_bench_program.h"
#include "editor/editor_calls.h"
#include "res/resource.h"
#include "prose.h"
#include "win_bench_support.h"

namespace {

constexpr unsigned PrintedPages = 100;

struct Watch {
    HWND printDialog = nullptr;
    double questionShown = 0, questionCpu = 0;
    double printChosen = 0;
    char caption[64] = "";
} watch;

// Answers the program's windows as a user would, noting when they come and go.
LRESULT CALLBACK AnswerWindows(int code, WPARAM wParam, LPARAM lParam)
{
    HWND window = reinterpret_cast<HWND>(wParam);
    char caption[64] = "";
    if (code == HCBT_ACTIVATE) GetWindowTextA(window, caption, sizeof caption);
    if (code == HCBT_ACTIVATE && std::strcmp(caption, "Print") == 0 && !watch.printDialog) {
        watch.printDialog = window;
        CheckRadioButton(window, rad1, rad3, rad3);
        SetDlgItemInt(window, edt1, 1, FALSE);
        SetDlgItemInt(window, edt2, PrintedPages, FALSE);
        PostMessageA(window, WM_COMMAND, IDOK, 0);
    } else if (code == HCBT_ACTIVATE && !watch.questionShown && std::strstr(caption, "Page")) {
        watch.questionShown = WallSeconds();
        watch.questionCpu = CpuSeconds();
        std::strcpy(watch.caption, caption);
        PostMessageA(window, WM_COMMAND, IDNO, 0);
    } else if (code == HCBT_DESTROYWND && window == watch.printDialog) {
        watch.printChosen = WallSeconds();
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}   // namespace

int main()
{
    if (!StartProgram()) return 1;
    std::string text = Prose(463 * 4100);
    SetEditorText(text.c_str());
    SetWindowsHookExA(WH_CBT, AnswerWindows, nullptr, GetCurrentThreadId());

    // The count and the print must each have shown their window, or their times mean nothing.
    Stopwatch counting;
    SendMessageA(App.MainWindow, WM_COMMAND, CMD_PAGE_NUMBERS, 0);
    const bool asked = watch.questionShown > 0;
    const double counted = asked ? watch.questionCpu - counting.cpuStart : 0;
    const bool countOk = asked && counted <= 1;
    std::printf("page count of %.1f MB of prose, \"%s\": %.3f s wall, %.3f s processor to the question "
                "(target <= 1 s)%s %s\n",
                text.size() / 1048576.0, watch.caption, asked ? watch.questionShown - counting.wallStart : 0, counted,
                asked ? "" : ", NO QUESTION", Verdict(countOk));

    Stopwatch printing;
    SendMessageA(App.MainWindow, WM_COMMAND, CMD_PRINT, 0);
    const bool chosen = watch.printChosen > 0;
    const double processor = printing.Cpu();
    const bool printOk = chosen && processor <= 5;
    // Wall time on a shared machine counts the other processes' work too.
    std::printf("%u pages printed to the default printer: %.3f s wall from the dialog's OK to EndDoc's return, "
                "%.3f s processor with the dialog (target <= 5 s)%s %s\n",
                PrintedPages, chosen ? WallSeconds() - watch.printChosen : 0, processor,
                chosen ? "" : ", NO PRINT DIALOG", Verdict(printOk));
    DestroyWindow(App.MainWindow);
    return Conclude(countOk && printOk);
}
