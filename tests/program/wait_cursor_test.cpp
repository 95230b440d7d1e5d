// Long work shows the wait cursor while the editor does it, and the cursor
// shown before comes back after it, also when it fails with a message box,
// which itself has the arrow.
#include <algorithm>
#include <cstring>
#include <functional>
#include <vector>

#include "codingui/transform_selection.h"
#include "document/document_files.h"
#include "document/save_document.h"
#include "search/search_commands.h"
#include "search/search_state.h"
#include "tests/program/editor_test_support.h"
#include "tests/program/stream_faults.h"

namespace {

// The cursor shown each time the editor window was sent the watched message.
UINT Watched;
std::vector<HCURSOR> Seen;

LRESULT CALLBACK WatchEditor(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->hwnd == Editor.Window && call->message == Watched) Seen.push_back(GetCursor());
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class LongWork : public EditorTest {};

TEST_F(LongWork, ShowsTheWaitCursorAndAfterItTheCursorShownBefore)
{
    const HCURSOR arrow = LoadCursor(nullptr, IDC_ARROW), wait = LoadCursor(nullptr, IDC_WAIT);
    const std::wstring file = Wide(MakeFile("long.txt", "a.a.a\r\n"));
    std::vector<HCURSOR> inBoxes;
    auto failingSave = [this, &inBoxes] {
        FileWriteBudget = 2;
        ExpectModal("VERKO", [&inBoxes](HWND box) { inBoxes.push_back(GetCursor()), PressButton(box, IDOK); });
        SaveDocument();
        FileWriteBudget = UINT64_MAX;
    };
    auto replaceAll = [] {
        SearchState = {"a", "bb", 0, true, true};
        SearchOptions = {false, false, false, false, false};
        SearchAgainCommand();
    };
    const struct {
        const char* what;
        UINT message;   // what the editor is sent for the work
        std::function<void()> run;
    } cases[] = {
        {"load", EM_STREAMIN, [&file] { LoadDocument(file.c_str()); }},
        {"save", EM_STREAMOUT, [] { SaveDocument(); }},
        {"failed save", EM_STREAMOUT, failingSave},
        {"recode", EM_STREAMIN, [] { Select(0, 0), TransformSelection(Transformation::ToOem); }},
        {"replace all", EM_STREAMIN, replaceAll},
    };
    for (const auto& c : cases) {
        Watched = c.message;
        Seen.clear();
        SetCursor(arrow);
        HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, WatchEditor, nullptr, GetCurrentThreadId());
        c.run();
        UnhookWindowsHookEx(hook);
        VerifyModalsSeen();
        EXPECT_FALSE(Seen.empty()) << c.what;
        EXPECT_EQ(std::count(Seen.begin(), Seen.end(), wait), static_cast<ptrdiff_t>(Seen.size())) << c.what;
        EXPECT_EQ(GetCursor(), arrow) << c.what;
    }
    EXPECT_EQ(EditorBytes(), "bb.bb.bb\r\n");   // the work itself was done
    ASSERT_EQ(inBoxes.size(), 1u);
    EXPECT_EQ(inBoxes[0], arrow);
}

}   // namespace
