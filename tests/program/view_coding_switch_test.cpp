// Switching the view coding: only the drawing changes.
#include "tests/program/editor_test_support.h"

namespace {

using ViewCodingSwitch = EditorTest;

CHARFORMATA EditorFormat()
{
    CHARFORMATA format{};
    format.cbSize = sizeof format;
    SendMessageA(Editor.Window, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    return format;
}

TEST_F(ViewCodingSwitch, BytesSelectionModifyFlagAndLayoutStay)
{
    std::string bytes;
    for (int b = 0x80; b <= 0xFF; ++b) bytes += static_cast<char>(b);
    SetDocument(bytes);
    Select(0, 0);
    TypeText(u"x");
    Select(5, 40);
    HKL layout = GetKeyboardLayout(0);
    const UINT commands[ViewRowCount] = {CMD_VIEW_ANSI, CMD_VIEW_OEM, CMD_VIEW_KOI8, CMD_VIEW_UTF8};
    for (Coding view : {CodingOem, CodingUtf8, CodingKoi8, CodingAnsi, CodingUtf8, CodingKoi8}) {
        View(view);
        EXPECT_EQ(SendMessageA(Editor.Window, TCM_GETVIEWCODING, 0, 0), view);
        for (int row = 0; row < ViewRowCount; ++row) EXPECT_EQ(MenuItemChecked(commands[row]), row == ViewRow(view));
        EXPECT_EQ(EditorBytes(), "x" + bytes);
        CHARRANGE selection = Selection();
        EXPECT_EQ(selection.cpMin, 5);
        EXPECT_EQ(selection.cpMax, 40);
        EXPECT_TRUE(EditorModified());
        EXPECT_EQ(GetKeyboardLayout(0), layout);
        EXPECT_FALSE(SendMessageA(Editor.Window, EM_CANUNDO, 0, 0));
    }
    Undo();   // the program's own history is untouched
    EXPECT_EQ(EditorBytes(), bytes);
}

TEST_F(ViewCodingSwitch, EachCodingGetsItsOwnFontSettings)
{
    const BYTE defaultSets[ViewRowCount] = {RUSSIAN_CHARSET, OEM_CHARSET, DEFAULT_CHARSET, DEFAULT_CHARSET};
    for (Coding view : {CodingOem, CodingKoi8, CodingUtf8, CodingAnsi}) {
        View(view);
        CHARFORMATA format = EditorFormat();
        EXPECT_EQ(format.bCharSet, defaultSets[ViewRow(view)]);
        EXPECT_EQ(format.yHeight, 200);
        EXPECT_EQ(format.bPitchAndFamily, FF_MODERN);
        EXPECT_STREQ(format.szFaceName, "");
        EXPECT_EQ(format.dwEffects & (CFE_BOLD | CFE_ITALIC), 0u);
        EXPECT_EQ(format.crTextColor, 8u);
    }

    DWORD size = 300, effects = CFE_BOLD | CFE_ITALIC, set = RUSSIAN_CHARSET, colour = RGB(200, 0, 0);
    WriteRegistryValue("SizeD", REG_DWORD, &size, sizeof size);
    WriteRegistryValue("EffD", REG_DWORD, &effects, sizeof effects);
    WriteRegistryValue("SetD", REG_DWORD, &set, sizeof set);
    WriteRegistryValue("FontD", REG_SZ, "Courier New", sizeof "Courier New");
    WriteRegistryValue("Cl", REG_DWORD, &colour, sizeof colour);
    View(CodingOem);
    CHARFORMATA format = EditorFormat();
    EXPECT_EQ(format.yHeight, 300);
    EXPECT_EQ(format.dwEffects & (CFE_BOLD | CFE_ITALIC), effects);
    EXPECT_EQ(format.bCharSet, RUSSIAN_CHARSET);
    EXPECT_STREQ(format.szFaceName, "Courier New");
    EXPECT_EQ(format.bPitchAndFamily, 0);
    EXPECT_EQ(format.crTextColor, colour);
    View(CodingKoi8);
    EXPECT_EQ(EditorFormat().yHeight, 200);
}

}   // namespace
