// HTML tags coloured on request, and the three colour commands of the Colors menu.
#include <optional>
#include <string>

#include "editor/editor_calls.h"
#include "editor_test_support.h"
#include "pictures.h"

namespace {

constexpr COLORREF Blue = RGB(0, 0, 255), Green = RGB(0, 128, 0), Red = RGB(255, 0, 0);

class HtmlColours : public EditorTest {
protected:
    // A letter per byte from..to for its colour: k black, b blue, g green, r red, ? other.
    static std::string ColourMask(LONG from, LONG to)
    {
        std::string mask;
        for (LONG pos = from; pos < to; ++pos) {
            Select(pos, pos + 1);
            CHARFORMATA format = {};
            format.cbSize = sizeof format;
            SendMessageA(Editor.Window, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
            COLORREF c = format.dwEffects & CFE_AUTOCOLOR ? CLR_INVALID : format.crTextColor;
            mask += c == 0 ? 'k' : c == Blue ? 'b' : c == Green ? 'g' : c == Red ? 'r' : '?';
        }
        return mask;
    }

    // The command's colour dialog, which must start at the colour, gets the choice typed, or Cancel.
    void ChooseColour(WORD command, COLORREF start, std::optional<COLORREF> choice)
    {
        ExpectModal("Color", [start, choice](HWND dialog) {
            for (int i = 0, field = 706; i < 3; ++i, ++field) {   // red, green, blue
                EXPECT_EQ(ControlText(dialog, field), std::to_string(start >> 8 * i & 0xFF));
                if (choice) SetControlText(dialog, field, std::to_string(*choice >> 8 * i & 0xFF).c_str());
            }
            PressButton(dialog, choice ? IDOK : IDCANCEL);
        });
        SendCommand(command);
        VerifyModalsSeen();
    }
};

TEST_F(HtmlColours, OnlyRealTagsAreColouredAndNothingElseMoves)
{
    std::string text = "a< b<p>c</p> x<tail\r\n";
    for (int line = 1; line < 100; ++line) text += "<i>" + std::to_string(line) + "</i> text\r\n";
    text += "<tail";
    LONG length = static_cast<LONG>(text.size());
    for (bool modified : {false, true}) {
        SetDocument(text);
        SendMessageA(Editor.Window, EM_SETMODIFY, modified, 0);
        Select(120, 70);
        SendMessageA(Editor.Window, EM_LINESCROLL, 0, 30);   // the caret out of sight
        PressKey('H', Ctrl);
        EXPECT_EQ(EditorModified(), modified);
        EXPECT_TRUE(Selection().cpMin == 70 && Selection().cpMax == 120);
        EXPECT_EQ(SendMessageA(Editor.Window, EM_GETFIRSTVISIBLELINE, 0, 0), 30);
        EXPECT_EQ(EditorBytes(), text);
    }
    EXPECT_EQ(ColourMask(0, 31), "kkkkbbbkbbbbkkkkkkkkkbbbkbbbbkk");
    EXPECT_EQ(ColourMask(length - 16, length), "bbbbkkkkkkkkkkkk");

    Select(0, 0);   // back at the top
    Capture shot = PictureOfWindow(Editor.Window, "html_colours.bmp");
    POINTL left = {0, 0}, right = {0, 0};   // the first tag, "<p>"
    SendMessageA(Editor.Window, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&left), 4);
    SendMessageA(Editor.Window, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&right), 7);
    // Glyph edges are smoothed: pixels count by their hue.
    int count[2][2] = {};   // [bluish or dark][inside the tag]
    for (int y = 0; y < 14; ++y)
        for (int x = 0; x < right.x + 40; ++x) {
            COLORREF c = shot.At(x, y);
            bool inside = x >= left.x && x < right.x;
            if (GetBValue(c) > GetRValue(c) + 80 && GetBValue(c) > GetGValue(c) + 80) ++count[0][inside];
            if (GetRValue(c) < 128 && GetBValue(c) < GetRValue(c) + 40) ++count[1][inside];
        }
    EXPECT_TRUE(count[0][1] > 10 && count[1][0] > 10 && count[0][0] > 10) << "blue tags, the letters black";
    EXPECT_EQ(count[1][1], 0) << "black inside the tag";

    SetDocument("<");   // too short to hold a tag: not touched
    SetEditorTextColour(Red);
    PressKey('H', Ctrl);
    EXPECT_EQ(ColourMask(0, 1), "r");
}

TEST_F(HtmlColours, ColourCommandsStoreTheChoiceAndApplyIt)
{
    SetDocument("x <b>y</b> z");
    PressKey('H', Ctrl);
    struct Case {
        WORD command;
        const char* value;
        COLORREF start;
        std::optional<COLORREF> choice;
        const char* mask;
    };
    const Case cases[] = {
        {CMD_COLOR_HTML, "HTML", Blue, std::nullopt, "kkbbbkbbbbkk"},
        {CMD_COLOR_HTML, "HTML", Blue, Green, "kkgggkggggkk"},
        {CMD_COLOR_TEXT, "Cl", RGB(8, 0, 0), Red, "rrrrrrrrrrrr"},
        {CMD_COLOR_BACKGROUND, "Bk", GetSysColor(COLOR_WINDOW), RGB(255, 255, 0), "rrrrrrrrrrrr"},
        {CMD_COLOR_TEXT, "Cl", Red, std::nullopt, "rrrrrrrrrrrr"},
    };
    for (const Case& c : cases) {
        std::optional<uint32_t> before = ReadRegistryNumber(c.value);
        ChooseColour(c.command, c.start, c.choice);
        EXPECT_EQ(ReadRegistryNumber(c.value), c.choice ? std::optional<uint32_t>(*c.choice) : before) << c.value;
        EXPECT_EQ(ColourMask(0, 12), c.mask) << c.value;
    }
    PressKey('H', Ctrl);
    EXPECT_EQ(ColourMask(0, 12), "kkgggkggggkk") << "the text colour turns black outside the tags";
    Capture shot = PictureOfWindow(Editor.Window, "html_background.bmp");
    EXPECT_EQ(shot.At(shot.width - 5, shot.height - 5), RGB(255, 255, 0));
}

}   // namespace
