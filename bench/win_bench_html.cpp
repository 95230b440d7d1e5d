// Colouring the tags of a 10 MB HTML document with 500,000 tags: time, repaints,
// and the memory the colours take.
#include <cstdint>
#include <cstdio>
#include <string>

#include "app/app_state.h"
#include "win_bench_program.h"
#include "editor/editor_calls.h"
#include "editor/memory_stream.h"
#include "tools/html_colours.h"
#include "tools/html_tags.h"
#include "win_bench_support.h"

namespace {

constexpr size_t DocumentBytes = 10u << 20;
constexpr size_t TagCount = 500000;

// Table rows of tags and words, with a few lone brackets, up to the tag count;
// then plain words up to the size.
std::string MakeHtml()
{
    const char* const tags[] = {"<tr>", "<td class=\"n\">", "</td>", "<b>", "</b>", "</tr>", "<a href=\"#x\">", "</a>"};
    const char* const words[] = {"one ", "two < three ", "four ", "five > six ", "seven ", "eight nine "};
    std::string html;
    html.reserve(DocumentBytes);
    uint32_t seed = 2024;
    for (size_t tag = 0; tag < TagCount; ++tag) {
        seed = seed * 1103515245u + 12345u;
        html += tags[tag % 8];
        html += words[(seed >> 16) % 6];
        if (tag % 8 == 7) html += "\r\n";
    }
    while (html.size() < DocumentBytes) html += "plain words of text\r\n";
    html.resize(DocumentBytes);
    return html;
}

size_t CountTags(const std::string& html)
{
    size_t count = 0, start = 0, end = 0;
    for (size_t from = 0; NextHtmlTag(html.data(), html.size(), from, &start, &end); from = end) ++count;
    return count;
}

WNDPROC editorProc = nullptr;
int paints = 0;

LRESULT CALLBACK CountPaints(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT) ++paints;
    return CallWindowProcA(editorProc, window, message, wParam, lParam);
}

}   // namespace

int main()
{
    if (!StartProgram()) return 1;
    std::string html = MakeHtml();
    size_t tags = CountTags(html);
    SetEditorTextLimit(DocumentBytes * 2);
    MemoryStream stream = {0, static_cast<DWORD>(html.size()), reinterpret_cast<uint8_t*>(&html[0])};
    StreamInFromMemory(stream, SF_TEXT);
    SetEditorModified(false);
    SelectEditorRange(5000000, 5000100);
    UpdateWindow(Editor.Window);
    editorProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(Editor.Window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountPaints)));

    SIZE_T before = PrivateBytes();
    double wall = WallSeconds(), cpu = CpuSeconds();
    RefreshHtmlColors();
    UpdateWindow(Editor.Window);
    wall = WallSeconds() - wall;
    cpu = CpuSeconds() - cpu;
    double perTag = double(PrivateBytes() - before) / double(tags);
    CHARRANGE selection = EditorSelection();
    bool kept = !EditorModified() && selection.cpMin == 5000000 && selection.cpMax == 5000100;

    std::printf("10 MB HTML, %zu tags: RefreshHtmlColors + paint %.3f s wall, %.3f s processor (limit 1 s)%s\n", tags,
                wall, cpu, cpu <= 1.0 ? "" : "  TOO SLOW");
    std::printf("repaints: %d (one expected); modify flag and selection %s\n", paints, kept ? "kept" : "CHANGED");
    std::printf("memory kept for the colours: %.1f bytes per tag (limit 32)%s\n", perTag,
                perTag <= 32 ? "" : "  TOO MUCH");
    SetEditorModified(false);
    DestroyWindow(App.MainWindow);
    return cpu <= 1.0 && paints == 1 && kept && perTag <= 32 ? 0 : 1;
}
