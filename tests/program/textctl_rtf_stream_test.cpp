// RTF streamed into the text control: the plain text it describes takes the
// place of the text or of the selection.
#include <fstream>
#include <iterator>
#include <string>

#include "textctl/textctl.h"
#include "textctl_support.h"

namespace {

std::string FileBytes(const char* name)
{
    std::ifstream file(std::string(VERKO_TEST_DATA "/") + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

}   // namespace

TEST_F(TextControlTest, RtfStreamInPutsItsPlainTextInPlace)
{
    StreamIn("old");
    Send(EM_SETMODIFY, 0);
    const std::string prose = FileBytes("rtf_prose.txt");   // the word processor's own export
    EXPECT_EQ(StreamIn(FileBytes("rtf_prose.rtf"), SF_RTF, 1000), static_cast<LRESULT>(prose.size()));
    EXPECT_EQ(Text(), prose);
    EXPECT_EQ(Selection().cpMax, 0);
    EXPECT_FALSE(Send(EM_CANUNDO));
    EXPECT_TRUE(Send(EM_GETMODIFY));

    StreamIn("Hello, world");
    Select(7, 12);
    EXPECT_EQ(StreamIn("{\\rtf1 \\u1052?\\'e8\\'f0\\par}", SF_RTF | SFF_SELECTION, 3), 5);
    EXPECT_EQ(Text(), "Hello, \xCC\xE8\xF0\r\n");
    EXPECT_EQ(Selection().cpMin, 12);
    EXPECT_TRUE(Send(EM_UNDO));
    EXPECT_EQ(Text(), "Hello, world");

    Send(EM_EXLIMITTEXT, 0, 4);
    MemoryStreamCookie cookie;
    cookie.in = "{\\rtf1{\\fonttbl{\\f0 Arial;}}abcdef}";
    EDITSTREAM stream = {reinterpret_cast<DWORD_PTR>(&cookie), 0, MemoryStreamInCallback};
    EXPECT_EQ(Send(EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream)), 4);
    EXPECT_EQ(stream.dwError, TextLimitStreamError);
    EXPECT_EQ(Text(), "abcd");
}
