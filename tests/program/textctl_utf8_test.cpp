// The text control in the UTF-8 view: bytes kept exactly, the caret only
// between characters, whole characters deleted, typed characters as UTF-8.
#include <string>
#include <vector>

#include "coding/coding_tables.h"
#include "textctl/textctl.h"
#include "textctl_support.h"

namespace {

const std::string Zhe = "\xD0\x96";                    // Ж
const std::string Emoji = "\xF0\x9F\x98\x80";          // U+1F600
const std::string Mark = "\xEF\xBB\xBF";               // byte-order mark

POINT PointOf(HWND control, LONG pos)
{
    POINTL point = {-1, -1};
    SendMessageA(control, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&point), pos);
    return {point.x, point.y};
}

}   // namespace

TEST_F(TextControlTest, Utf8ViewKeepsOddBytesAndAnEditChangesOnlyItsOwn)
{
    Send(TCM_SETVIEWCODING, CodingUtf8);
    const std::string odd = AwkwardBytes() + Zhe + "\xC0\xAF\xED\xA0\x80" + std::string("\0\r\n\r", 4) + "\xF0\x9F\x98";
    StreamIn(odd);
    EXPECT_EQ(Text(), odd);
    const LONG inside = static_cast<LONG>(AwkwardBytes().size() + Zhe.size());
    Select(inside, inside);
    Send(WM_CHAR, 'x');
    EXPECT_EQ(Text(), odd.substr(0, inside) + "x" + odd.substr(inside));
    Key(VK_END, false, true);
    Send(WM_CHAR, '\b');   // the last byte of the cut sequence is a character of its own
    EXPECT_EQ(Text(), odd.substr(0, inside) + "x" + odd.substr(inside, odd.size() - inside - 1));
    Send(TCM_SETVIEWCODING, CodingAnsi);
}

TEST_F(TextControlTest, Utf8ViewCaretStopsOnlyBetweenCharacters)
{
    Send(TCM_SETVIEWCODING, CodingUtf8);
    EXPECT_EQ(Send(TCM_GETVIEWCODING), CodingUtf8);
    StreamIn("a" + Zhe + Emoji + "\x80" "b\r\n" + Zhe + Zhe + " x");   // stops 0 1 3 7 8 9 11 13 15 16 17
    Select(0, 0);
    std::vector<LONG> stops;
    for (int i = 0; i < 6; ++i) {
        Key(VK_RIGHT);
        stops.push_back(Selection().cpMin);
    }
    for (int i = 0; i < 6; ++i) {
        Key(VK_LEFT);
        stops.push_back(Selection().cpMin);
    }
    EXPECT_EQ(stops, (std::vector<LONG>{1, 3, 7, 8, 9, 11, 9, 8, 7, 3, 1, 0}));
    Select(5, 5);   // a message may put the caret inside a sequence; keys take it out
    Key(VK_RIGHT);
    EXPECT_EQ(Selection().cpMin, 7);
    Select(5, 5);
    Key(VK_LEFT);
    EXPECT_EQ(Selection().cpMin, 3);
    Select(1, 1);
    Key(VK_RIGHT, true);
    Key(VK_RIGHT, true);
    EXPECT_EQ(Selection().cpMax, 7);
    Key(VK_END);
    EXPECT_EQ(Selection().cpMin, 9);
    Key(VK_RIGHT, false, true);
    EXPECT_EQ(Selection().cpMin, 11);
    Key(VK_RIGHT, false, true);
    EXPECT_EQ(Selection().cpMin, 16);

    // Clicks and drags land on the nearer side of a character.
    POINT left = PointOf(control_, 11), right = PointOf(control_, 13);
    const int quarter = (right.x - left.x) / 4;
    ASSERT_GT(quarter, 0);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(left.x + quarter, left.y + 2));
    Send(WM_LBUTTONUP, 0, MAKELPARAM(left.x + quarter, left.y + 2));
    EXPECT_EQ(Selection().cpMin, 11);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(left.x + 3 * quarter, left.y + 2));
    Send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(right.x + 3 * quarter, left.y + 2));
    Send(WM_LBUTTONUP, 0, MAKELPARAM(right.x + 3 * quarter, left.y + 2));
    EXPECT_EQ(Selection().cpMin, 13);
    EXPECT_EQ(Selection().cpMax, 15);
    Send(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(left.x + 3 * quarter, left.y + 2));
    Send(WM_LBUTTONUP, 0, MAKELPARAM(left.x + 3 * quarter, left.y + 2));
    EXPECT_EQ(Selection().cpMin, 11);
    EXPECT_EQ(Selection().cpMax, 16);   // the word with its blank

    // A byte-order mark stays before every stop of keys and mouse.
    StreamIn(Mark + "ab");
    Select(4, 4);
    Key(VK_HOME);
    EXPECT_EQ(Selection().cpMin, 3);
    Key(VK_LEFT);
    EXPECT_EQ(Selection().cpMin, 3);
    Key(VK_END, true, true);
    Key(VK_HOME, true, true);
    EXPECT_EQ(Selection().cpMax, 3);
    const LPARAM start = MAKELPARAM(PointOf(control_, 0).x + 1, 2);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, start);
    Send(WM_LBUTTONUP, 0, start);
    EXPECT_EQ(Selection().cpMin, 3);
    EXPECT_EQ(PointOf(control_, 0).x, PointOf(control_, 3).x);   // the mark takes no room
    Send(TCM_SETVIEWCODING, CodingAnsi);
}

TEST_F(TextControlTest, Utf8ViewDeletesAndOverwritesWholeCharacters)
{
    Send(TCM_SETVIEWCODING, CodingUtf8);
    const std::string text = "a" + Zhe + Emoji + "\x80\x81" "b";   // stops 0 1 3 7 8 9 10
    const struct {
        LONG start, end;
        bool key;       // a key press, else a character message
        WPARAM code;
        std::string after;
    } cases[] = {
        {1, 1, true, VK_DELETE, "a" + Emoji + "\x80\x81" "b"},
        {7, 7, false, '\b', "a" + Zhe + "\x80\x81" "b"},
        {9, 9, false, '\b', "a" + Zhe + Emoji + "\x80" "b"},
        {7, 7, true, VK_DELETE, "a" + Zhe + Emoji + "\x81" "b"},
        {5, 5, true, VK_DELETE, "a" + Zhe + "\x80\x81" "b"},   // from inside: the whole character
        {3, 7, true, VK_DELETE, "a" + Zhe + "\x80\x81" "b"},
        {9, 9, false, 0x7F, "b"},   // Ctrl+Backspace: the word
    };
    for (const auto& c : cases) {
        StreamIn(text);
        Select(c.start, c.end);
        if (c.key)
            Key(c.code);
        else
            Send(WM_CHAR, c.code);
        EXPECT_EQ(Text(), c.after) << c.start << " " << c.code;
    }
    StreamIn(text);
    Key(VK_INSERT);   // overwrite
    Select(1, 1);
    Send(WM_CHAR, 'x');
    Send(WM_CHAR, 'y');
    Key(VK_INSERT);
    EXPECT_EQ(Text(), "axy\x80\x81" "b");
    Send(TCM_SETVIEWCODING, CodingAnsi);
}

TEST_F(TextControlTest, Utf8ViewTypesCharactersAsTheirUtf8Bytes)
{
    const struct {
        int coding;
        std::vector<std::pair<UINT, WPARAM>> messages;
        std::string bytes;
    } cases[] = {
        {CodingUtf8, {{WM_CHAR, 0xE0}, {WM_CHAR, 'q'}, {WM_CHAR, 0xA8}}, "\xD0\xB0q\xD0\x81"},   // а q Ё from 1251
        {CodingUtf8, {{WM_UNICHAR, 0x416}, {WM_UNICHAR, 0xE9}, {WM_UNICHAR, 0x1F600}}, Zhe + "\xC3\xA9" + Emoji},
        {CodingUtf8, {{WM_UNICHAR, 0xD83D}, {WM_UNICHAR, 0xDE00}}, Emoji},   // a pair is one character
        {CodingUtf8, {{WM_UNICHAR, 0xDE00}, {WM_UNICHAR, 0xD83D}, {WM_UNICHAR, 'z'}}, "z"},   // lone halves
        {CodingAnsi, {{WM_UNICHAR, 0x416}, {WM_UNICHAR, 0x1F600}, {WM_CHAR, 0xE0}}, "\xC6?\xE0"},
        {CodingKoi8, {{WM_UNICHAR, 0x416}}, "\xF6"},
    };
    for (const auto& c : cases) {
        Send(TCM_SETVIEWCODING, static_cast<WPARAM>(c.coding));
        StreamIn("");
        for (const auto& m : c.messages) Send(m.first, m.second);
        EXPECT_EQ(Text(), c.bytes) << c.coding;
    }
    EXPECT_EQ(Send(WM_UNICHAR, UNICODE_NOCHAR), TRUE);
    Send(TCM_SETVIEWCODING, CodingUtf8);
    StreamIn(Mark + "b");
    Send(WM_CHAR, 'a');   // the caret left at 0 by the load types after the mark
    EXPECT_EQ(Text(), Mark + "ab");
    Send(TCM_SETVIEWCODING, CodingAnsi);
}
