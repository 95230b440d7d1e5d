// Keys and mouse of the text control, through posted and sent input messages.
#include <string>

#include "textctl/textctl.h"
#include "textctl_support.h"

namespace {

POINT PointOf(HWND control, LONG pos)
{
    POINTL point = {-1, -1};
    SendMessageA(control, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&point), pos);
    return {point.x, point.y};
}

LPARAM At(POINT point, int dx = 1, int dy = 1)
{
    return MAKELPARAM(point.x + dx, point.y + dy);
}

}   // namespace

TEST_F(TextControlTest, ArrowsStepOverLineBreaksAsOneCharacter)
{
    StreamIn("ab\r\ncd\nef");
    Select(0, 0);
    Key(VK_RIGHT);
    Key(VK_RIGHT);
    EXPECT_EQ(Selection().cpMin, 2);
    Key(VK_RIGHT);
    EXPECT_EQ(Selection().cpMin, 4);
    Key(VK_LEFT);
    EXPECT_EQ(Selection().cpMin, 2);
    Key(VK_RIGHT, true);
    EXPECT_EQ(Selection().cpMin, 2);
    EXPECT_EQ(Selection().cpMax, 4);
    Key(VK_LEFT);   // collapses to the start
    EXPECT_EQ(Selection().cpMax, 2);
    Key(VK_DOWN);
    EXPECT_EQ(Selection().cpMin, 6);   // end of "cd", same column
    Key(VK_DOWN);
    EXPECT_EQ(Selection().cpMin, 9);
    Key(VK_HOME);
    EXPECT_EQ(Selection().cpMin, 7);
    Key(VK_UP);
    EXPECT_EQ(Selection().cpMin, 4);
    Key(VK_END, true);
    EXPECT_EQ(Selection().cpMin, 4);
    EXPECT_EQ(Selection().cpMax, 6);
    Key(VK_END, true, true);
    EXPECT_EQ(Selection().cpMax, 9);
    Key(VK_HOME, false, true);
    EXPECT_EQ(Selection().cpMax, 0);
    Select(3, 3);   // a message may put the caret inside CR LF; keys take it out
    Key(VK_RIGHT);
    EXPECT_EQ(Selection().cpMin, 4);
    StreamIn("abc\r\nd\r\nefg");
    Select(3, 3);
    Key(VK_DOWN);
    Key(VK_SHIFT);   // pressing a modifier forgets no column
    Key(VK_DOWN, true);
    EXPECT_EQ(Selection().cpMax, 11);
}

TEST_F(TextControlTest, CtrlArrowsMoveByWordsAndPagesMoveTheView)
{
    StreamIn("one two  three\r\nfour");
    Select(0, 0);
    Key(VK_RIGHT, false, true);
    EXPECT_EQ(Selection().cpMin, 4);
    Key(VK_RIGHT, true, true);
    EXPECT_EQ(Selection().cpMax, 9);
    EXPECT_EQ(Send(EM_FINDWORDBREAK, WB_MOVEWORDRIGHT, 0), 4);
    EXPECT_EQ(Send(EM_FINDWORDBREAK, WB_MOVEWORDLEFT, 9), 4);
    EXPECT_EQ(Send(EM_FINDWORDBREAK, WB_MOVEWORDLEFT, -5), 0);
    EXPECT_EQ(Send(EM_FINDWORDBREAK, WB_MOVEWORDRIGHT, 999), 20);

    std::string lines;
    for (int i = 0; i < 200; ++i) lines += "line " + std::to_string(i) + "\r\n";
    StreamIn(lines);
    Key(VK_NEXT);
    LRESULT line = Send(EM_EXLINEFROMCHAR, 0, Selection().cpMin);
    EXPECT_GT(line, 10);
    EXPECT_GT(Send(EM_GETFIRSTVISIBLELINE), 0);
    Key(VK_END, false, true);
    EXPECT_EQ(Send(EM_EXLINEFROMCHAR, 0, Selection().cpMin), 200);
    EXPECT_GT(Send(EM_GETFIRSTVISIBLELINE), 150);
    Key(VK_PRIOR);
    EXPECT_LT(Send(EM_EXLINEFROMCHAR, 0, Selection().cpMin), 200 - 10);
}

TEST_F(TextControlTest, TypingBackspaceDeleteAndOverwrite)
{
    StreamIn("ab\r\ncd");
    Select(4, 4);
    Type("\x08");   // Backspace takes the whole CR LF
    EXPECT_EQ(Text(), "abcd");
    Type("\r\t\xE9");
    EXPECT_EQ(Text(),
              "ab\r\n\t\xE9"
              "cd");
    Type(std::string("\x01\x1B\n", 3));   // other control codes are ignored
    EXPECT_EQ(Text(),
              "ab\r\n\t\xE9"
              "cd");
    Select(2, 2);
    Key(VK_DELETE);
    EXPECT_EQ(Text(),
              "ab\t\xE9"
              "cd");
    Select(0, 0);
    Key(VK_INSERT);
    Type("XY");
    EXPECT_EQ(Text(),
              "XY\t\xE9"
              "cd");
    Select(6, 6);
    Type("Z");   // overwrite at the end inserts
    EXPECT_EQ(Text(),
              "XY\t\xE9"
              "cdZ");
    Key(VK_INSERT);
    Select(0, 0);
    Type("-");
    EXPECT_EQ(Text(),
              "-XY\t\xE9"
              "cdZ");
    StreamIn("alpha beta");
    Select(10, 10);
    Type("\x7F");   // Ctrl+Backspace: the word to the left
    EXPECT_EQ(Text(), "alpha ");
    Select(0, 0);
    Key(VK_DELETE, false, true);
    EXPECT_EQ(Text(), "");
}

TEST_F(TextControlTest, ReadOnlyRefusesInputButNotMessages)
{
    StreamIn("fixed");
    Send(EM_SETREADONLY, TRUE);
    Select(5, 5);
    Type("x\x08");
    Key(VK_DELETE);
    Send(WM_CLEAR);
    EXPECT_EQ(Text(), "fixed");
    Send(EM_REPLACESEL, 0, reinterpret_cast<LPARAM>("!"));
    EXPECT_EQ(Text(), "fixed!");
}

TEST_F(TextControlTest, ClickDragDoubleClickAndSelectionBar)
{
    StreamIn("first line\r\nsecond words here\r\nthird");
    POINT p5 = PointOf(control_, 5);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, At(p5));
    EXPECT_EQ(Selection().cpMin, 5);
    POINT p16 = PointOf(control_, 16);
    EXPECT_GT(p16.y, p5.y);
    Send(WM_MOUSEMOVE, MK_LBUTTON, At(p16));
    Send(WM_LBUTTONUP, 0, At(p16));
    EXPECT_EQ(Selection().cpMin, 5);
    EXPECT_EQ(Selection().cpMax, 16);
    Send(WM_MOUSEMOVE, 0, At(PointOf(control_, 2)));   // no button: nothing changes
    EXPECT_EQ(Selection().cpMax, 16);

    POINT word = PointOf(control_, 20);   // inside "words"
    Send(WM_LBUTTONDBLCLK, MK_LBUTTON, At(word));
    Send(WM_LBUTTONUP, 0, At(word));
    EXPECT_EQ(Selection().cpMin, 19);
    EXPECT_EQ(Selection().cpMax, 25);   // the word with its blank

    POINT lineTwo = PointOf(control_, 12);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, lineTwo.y + 2));
    Send(WM_LBUTTONUP, 0, MAKELPARAM(2, lineTwo.y + 2));
    EXPECT_EQ(Selection().cpMin, 12);
    EXPECT_EQ(Selection().cpMax, 31);   // with its line break
    POINT lineOne = PointOf(control_, 0);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, lineTwo.y + 2));
    Send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(2, lineOne.y + 2));   // dragged up a row
    Send(WM_LBUTTONUP, 0, MAKELPARAM(2, lineOne.y + 2));
    EXPECT_EQ(Selection().cpMin, 0);
    EXPECT_EQ(Selection().cpMax, 31);

    Send(WM_LBUTTONDOWN, MK_LBUTTON, At(PointOf(control_, 3)));
    Send(WM_LBUTTONUP, 0, At(PointOf(control_, 3)));
    BYTE keys[256] = {};
    keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    Send(WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, At(PointOf(control_, 33)));
    Send(WM_LBUTTONUP, 0, At(PointOf(control_, 33)));
    EXPECT_EQ(Selection().cpMin, 3);
    EXPECT_EQ(Selection().cpMax, 33);
}

TEST_F(TextControlTest, WheelAndScrollMessagesMoveTheFirstVisibleLine)
{
    std::string lines;
    for (int i = 0; i < 100; ++i) lines += "row\n";
    StreamIn(lines);
    Send(WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
    EXPECT_EQ(Send(EM_GETFIRSTVISIBLELINE), 3);
    Send(EM_LINESCROLL, 0, 10);
    EXPECT_EQ(Send(EM_GETFIRSTVISIBLELINE), 13);
    Send(EM_LINESCROLL, 0, -100);
    EXPECT_EQ(Send(EM_GETFIRSTVISIBLELINE), 0);
    Send(WM_VSCROLL, SB_BOTTOM);
    LRESULT bottom = Send(EM_GETFIRSTVISIBLELINE);
    EXPECT_GT(bottom, 50);
    Send(WM_VSCROLL, SB_LINEDOWN);   // never past the last screen
    EXPECT_EQ(Send(EM_GETFIRSTVISIBLELINE), bottom);
    UpdateWindow(control_);
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    BOOL got = GetScrollInfo(control_, SB_VERT, &info);
    printf("got %d err %lu style %lx max %d page %u pos %d\n", got, GetLastError(), GetWindowLongA(control_, GWL_STYLE),
           info.nMax, info.nPage, info.nPos);
    EXPECT_EQ(info.nMax, 100);
    EXPECT_EQ(info.nPos, bottom);
}

TEST_F(TextControlTest, WrapBreaksRowsAtTheWindowEdge)
{
    std::string words;
    for (int i = 0; i < 1000; ++i) words += "word" + std::to_string(i) + " ";
    StreamIn(words);
    RECT client;
    GetClientRect(control_, &client);
    LONG last = static_cast<LONG>(words.size() - 1);
    EXPECT_EQ(PointOf(control_, last).y, 0);   // no wrap: one long row
    EXPECT_GT(PointOf(control_, last).x, client.right);
    LONG left = PointOf(control_, 0).x;
    Key(VK_END);   // the view follows the caret sideways
    POINT caret = PointOf(control_, last + 1);
    EXPECT_GT(caret.x, left);
    EXPECT_LT(caret.x, client.right);
    Key(VK_HOME);
    EXPECT_EQ(PointOf(control_, 0).x, left);
    Send(WM_HSCROLL, SB_PAGERIGHT);
    EXPECT_LT(PointOf(control_, 0).x, 0);

    Recreate(0);
    StreamIn(words);
    EXPECT_EQ(Send(EM_GETLINECOUNT), 1);
    Key(VK_END, false, true);
    POINT end = PointOf(control_, last);
    EXPECT_GT(end.y, 0);
    EXPECT_LT(end.y, client.bottom);
    EXPECT_LT(end.x, client.right);
    // Every row on screen starts with a word, not a blank.
    for (LONG pos = 1; PointOf(control_, pos).y < client.bottom - 20; ++pos) {
        POINT here = PointOf(control_, pos), before = PointOf(control_, pos - 1);
        if (here.y > before.y) {
            EXPECT_NE(words[static_cast<size_t>(pos)], ' ') << pos;
        }
        EXPECT_LT(here.x, client.right) << pos;
    }
    EXPECT_LT(PointOf(control_, 0).y, 0);
    Send(EM_LINESCROLL, 0, -100000);
    EXPECT_EQ(PointOf(control_, 0).y, 0);
    Send(EM_LINESCROLL, 0, 2);   // by rows within the one line
    EXPECT_LT(PointOf(control_, 0).y, 0);
    EXPECT_EQ(Send(EM_GETFIRSTVISIBLELINE), 0);
    Select(last, last);
    Key(VK_HOME);
    LONG rowStart = Selection().cpMin;
    EXPECT_GT(rowStart, 0);
    EXPECT_EQ(PointOf(control_, rowStart).y, end.y);
    Key(VK_UP);   // rows of the same line
    POINT above = PointOf(control_, Selection().cpMin);
    EXPECT_LT(above.y, end.y);
    EXPECT_EQ(above.x, PointOf(control_, rowStart).x);
    Key(VK_DOWN);
    EXPECT_EQ(Selection().cpMin, rowStart);
}
