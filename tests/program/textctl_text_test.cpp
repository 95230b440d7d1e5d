// The text control's text, selection and stream messages keep every byte.
#include <string>

#include "textctl/textctl.h"
#include "textctl_support.h"

namespace {

std::string GetText(HWND control, WPARAM capacity)
{
    std::string buffer(capacity + 4, '\x55');
    LRESULT count = SendMessageA(control, WM_GETTEXT, capacity, reinterpret_cast<LPARAM>(&buffer[0]));
    return buffer.substr(0, static_cast<size_t>(count) + 1);
}

}   // namespace

TEST_F(TextControlTest, StreamsKeepEveryByteInAndOut)
{
    const std::string bytes = AwkwardBytes();
    for (LONG chunk : {1, 3, 7, 4096, 1 << 20}) {
        EXPECT_EQ(StreamIn(bytes, SF_TEXT, chunk), static_cast<LRESULT>(bytes.size()));
        EXPECT_EQ(Send(WM_GETTEXTLENGTH), static_cast<LRESULT>(bytes.size()));
        EXPECT_EQ(StreamOut(SF_TEXT, chunk), bytes) << "chunk " << chunk;
    }
    EXPECT_EQ(Range(0, -1), bytes);
    EXPECT_EQ(Range(250, 262), bytes.substr(250, 12));
}

TEST_F(TextControlTest, CrOnlyLfOnlyAndOneLongLineSurvive)
{
    const std::string crs(1000, '\r'), lfs(1000, '\n');
    StreamIn(crs);
    EXPECT_EQ(Text(), crs);
    EXPECT_EQ(Send(EM_GETLINECOUNT), 1001);
    StreamIn(lfs);
    EXPECT_EQ(Text(), lfs);
    EXPECT_EQ(Send(EM_LINEINDEX, 500), 500);
    std::string longLine(10 << 20, 'x');
    for (size_t i = 0; i < longLine.size(); i += 977) longLine[i] = static_cast<char>(i % 251);
    longLine[5] = '\0';
    StreamIn(longLine);
    EXPECT_EQ(Text(), longLine);
    Send(EM_SETSEL, 0, -1);
    Send(WM_CLEAR);
    EXPECT_EQ(Send(WM_GETTEXTLENGTH), 0);
    EXPECT_EQ(Text(), "");
}

TEST_F(TextControlTest, GetTextStopsAtTheBufferAndTerminates)
{
    StreamIn(std::string("ab\0cd", 5));
    EXPECT_EQ(GetText(control_, 3), std::string("ab\0", 3));
    EXPECT_EQ(GetText(control_, 100), std::string("ab\0cd\0", 6));
    EXPECT_EQ(SendMessageA(control_, WM_GETTEXT, 0, 0), 0);
    EXPECT_TRUE(SendMessageA(control_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("\xC0\xE0\r\n\x80")));
    EXPECT_EQ(Text(), "\xC0\xE0\r\n\x80");
    EXPECT_EQ(Selection().cpMin, 0);
}

TEST_F(TextControlTest, RangesAndSelectionsOutsideTheTextAreClamped)
{
    StreamIn("0123456789");
    EXPECT_EQ(Range(8, 100), "89");
    EXPECT_EQ(Range(-3, 2), "01");
    EXPECT_EQ(Range(7, 3), "");
    EXPECT_EQ(Range(20, 30), "");
    Select(3, 100);
    EXPECT_EQ(Selection().cpMin, 3);
    EXPECT_EQ(Selection().cpMax, 10);
    Select(0, -1);
    EXPECT_EQ(Selection().cpMax, 10);
    Select(7, 2);   // anchor 7, caret 2
    EXPECT_EQ(Selection().cpMin, 2);
    EXPECT_EQ(Selection().cpMax, 7);
    Select(-1, 5);   // removes the selection at the caret
    EXPECT_EQ(Selection().cpMin, 2);
    EXPECT_EQ(Selection().cpMax, 2);
    Send(EM_SETSEL, 4, 6);
    std::string selected(8, '\x55');
    EXPECT_EQ(Send(EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(&selected[0])), 2);
    EXPECT_EQ(selected.substr(0, 3), std::string("45\0", 3));
    EXPECT_EQ(Send(EM_SELECTIONTYPE), SEL_TEXT | SEL_MULTICHAR);
    Send(EM_SETSEL, 4, 5);
    EXPECT_EQ(Send(EM_SELECTIONTYPE), SEL_TEXT);
    Send(EM_SETSEL, 4, 4);
    EXPECT_EQ(Send(EM_SELECTIONTYPE), SEL_EMPTY);
    Send(EM_SETSEL, 50, 60);
    EXPECT_EQ(Selection().cpMin, 10);
    POINTL wild = {-100000, 1000000000};
    LRESULT pos = Send(EM_CHARFROMPOS, 0, reinterpret_cast<LPARAM>(&wild));
    EXPECT_GE(pos, 0);
    EXPECT_LE(pos, 10);
    char line[16] = {};
    *reinterpret_cast<WORD*>(line) = 4;   // EM_GETLINE: the buffer's size comes first
    EXPECT_EQ(Send(EM_GETLINE, 0, reinterpret_cast<LPARAM>(line)), 4);
    EXPECT_EQ(std::string(line, 4), "0123");
    EXPECT_EQ(Send(EM_GETLINE, 5, reinterpret_cast<LPARAM>(line)), 0);
}

TEST_F(TextControlTest, SelectionStreamReplacesOnlyTheSelection)
{
    StreamIn("Hello, world");
    Select(7, 12);
    EXPECT_EQ(StreamIn(std::string("\xCC\0\r", 3), SF_TEXT | SFF_SELECTION, 1), 3);
    EXPECT_EQ(Text(), std::string("Hello, \xCC\0\r", 10));
    EXPECT_EQ(Selection().cpMin, 10);
    EXPECT_EQ(Selection().cpMax, 10);
    Select(0, 5);
    EXPECT_EQ(StreamOut(SF_TEXT | SFF_SELECTION, 2), "Hello");
    StreamIn("abc");
    EXPECT_EQ(Selection().cpMin, 0);
    EXPECT_EQ(Selection().cpMax, 0);
}

TEST_F(TextControlTest, FailingCallbacksEndTheStreamWithTheirError)
{
    StreamIn("keep");
    for (int failAt : {1, 3}) {
        MemoryStreamCookie cookie;
        cookie.in = "abcdefgh";
        cookie.chunk = 2;
        cookie.failAt = failAt;
        cookie.failWith = 77;
        EDITSTREAM stream = {reinterpret_cast<DWORD_PTR>(&cookie), 0, MemoryStreamInCallback};
        LRESULT count = Send(EM_STREAMIN, SF_TEXT, reinterpret_cast<LPARAM>(&stream));
        EXPECT_EQ(stream.dwError, 77u);
        EXPECT_EQ(count, (failAt - 1) * 2);
        EXPECT_EQ(Text(), std::string("abcdefgh").substr(0, static_cast<size_t>(count)));
        EXPECT_EQ(cookie.calls, failAt);
    }
    StreamIn("0123456789");
    MemoryStreamCookie out;
    out.chunk = 3;
    out.failAt = 2;
    out.failWith = 5;
    EDITSTREAM stream = {reinterpret_cast<DWORD_PTR>(&out), 0, MemoryStreamOutCallback};
    EXPECT_EQ(Send(EM_STREAMOUT, SF_TEXT, reinterpret_cast<LPARAM>(&stream)), 3);
    EXPECT_EQ(stream.dwError, 5u);
    EXPECT_EQ(out.out, "012");
}

TEST_F(TextControlTest, LimitRefusesWhatWouldPassIt)
{
    Send(EM_EXLIMITTEXT, 0, 10);
    EXPECT_EQ(Send(EM_GETLIMITTEXT), 10);
    StreamIn("12345678");
    Send(EM_SETSEL, 8, 8);
    Send(EM_REPLACESEL, 0, reinterpret_cast<LPARAM>("abc"));
    EXPECT_EQ(Text(), "12345678");
    Send(EM_REPLACESEL, 0, reinterpret_cast<LPARAM>("ab"));
    EXPECT_EQ(Text(), "12345678ab");
    Type("x");
    EXPECT_EQ(Text(), "12345678ab");
    EXPECT_FALSE(SendMessageA(control_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("0123456789A")));
    MemoryStreamCookie cookie;
    cookie.in = "0123456789ABC";
    EDITSTREAM stream = {reinterpret_cast<DWORD_PTR>(&cookie), 0, MemoryStreamInCallback};
    EXPECT_EQ(Send(EM_STREAMIN, SF_TEXT, reinterpret_cast<LPARAM>(&stream)), 10);
    EXPECT_EQ(stream.dwError, TextLimitStreamError);
    EXPECT_EQ(Text(), "0123456789");
    Recreate(NoWrapStyles);
    Send(EM_EXLIMITTEXT, 0, 0);
    EXPECT_EQ(Send(EM_GETLIMITTEXT), static_cast<LRESULT>(EmptyLimitText));
}

TEST_F(TextControlTest, AnyChangeSetsTheModifyFlagAndOneStepUndoTakesItBack)
{
    StreamIn("abc");
    EXPECT_TRUE(Send(EM_GETMODIFY));
    EXPECT_FALSE(Send(EM_CANUNDO));
    Send(EM_SETMODIFY, 0);
    EXPECT_FALSE(Send(EM_GETMODIFY));
    Send(EM_SETSEL, 1, 2);
    Send(EM_REPLACESEL, 1, reinterpret_cast<LPARAM>("XYZ"));
    EXPECT_TRUE(Send(EM_GETMODIFY));
    EXPECT_EQ(Text(), "aXYZc");
    EXPECT_TRUE(Send(EM_CANUNDO));
    EXPECT_TRUE(Send(EM_UNDO));
    EXPECT_EQ(Text(), "abc");
    EXPECT_TRUE(Send(EM_UNDO));   // undo of the undo redoes
    EXPECT_EQ(Text(), "aXYZc");
    Send(EM_SETSEL, 5, 5);
    Type("12\r3");
    EXPECT_EQ(Text(), "aXYZc12\r\n3");
    Send(EM_UNDO);
    EXPECT_EQ(Text(), "aXYZc");
    Send(EM_EMPTYUNDOBUFFER);
    EXPECT_FALSE(Send(EM_CANUNDO));
    EXPECT_FALSE(Send(EM_UNDO));
    Send(EM_SETMODIFY, 0);
    SendMessageA(control_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    EXPECT_TRUE(Send(EM_GETMODIFY));
}

TEST_F(TextControlTest, MissingOrShortArgumentsAreRefused)
{
    StreamIn("text");
    EXPECT_EQ(Send(EM_GETTEXTRANGE, 0, 0), 0);
    EXPECT_EQ(Send(EM_STREAMIN, SF_TEXT, 0), 0);
    EXPECT_EQ(Send(EM_STREAMOUT, SF_TEXT, 0), 0);
    EXPECT_EQ(Send(EM_FINDTEXT, 0, 0), -1);
    Send(EM_EXGETSEL, 0, 0);
    Send(EM_EXSETSEL, 0, 0);
    Send(EM_REPLACESEL, 0, 0);
    EXPECT_EQ(Text(), "text");
    CHARFORMATA format = {};
    format.cbSize = 20;   // too short for CHARFORMAT
    format.dwMask = CFM_SIZE;
    format.yHeight = 1000;
    EXPECT_EQ(Send(EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format)), 0);
    EXPECT_EQ(Send(EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format)), 0);
    POINTL point = {-1, -1};
    Send(EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&point), 1000);   // past the end: the end's point
    POINTL end = {-1, -1};
    Send(EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&end), 4);
    EXPECT_EQ(point.x, end.x);
    EXPECT_EQ(point.y, end.y);
    EXPECT_EQ(StreamIn("{\\rtf1 x}", 0), 0);   // neither SF_TEXT nor SF_RTF
    EXPECT_EQ(Text(), "text");
}
