// The clipboard in each view coding: OEM text for KOI8, Unicode from the
// program's own tables, and pasted text read in the format its owner wrote.
#include "editor/undo.h"
#include "tests/program/editor_test_support.h"

namespace {

using ClipboardCodings = EditorTest;

// "Азбука Ёё яЯ": its first letter is the one whose OEM byte is 0x80.
const char Koi8Letters[] = "\xE1\xDA\xC2\xD5\xCB\xC1 \xB3\xA3 \xD1\xF1";
const char OemLetters[] = "\x80\xA7\xA1\xE3\xAA\xA0 \xF0\xF1 \xEF\x9F";

TEST_F(ClipboardCodings, Koi8TextTravelsAsOemAndUnicodeAndComesBackUnchanged)
{
    SetDocument(Koi8Letters);
    View(CodingKoi8);
    SendCommand(CMD_SELECT_ALL);
    PressKey('C', Ctrl);
    EXPECT_EQ(FirstClipboardFormat(), static_cast<UINT>(CF_OEMTEXT));
    EXPECT_EQ(ClipboardBytes(CF_OEMTEXT), OemLetters);
    EXPECT_EQ(ClipboardUnicode(), u"Азбука Ёё яЯ");
    EXPECT_EQ(EditorBytes(), Koi8Letters);

    SendCommand(CMD_DELETE);
    EXPECT_EQ(EditorBytes(), "");
    PressKey('V', Ctrl);
    PressKey('V', Ctrl);
    EXPECT_EQ(EditorBytes(), std::string(Koi8Letters) + Koi8Letters);
}

TEST_F(ClipboardCodings, ExactBytesWithZerosComeBackInTheViewPastedInto)
{
    const std::string koi8("A\0\xE1\r\n\0", 6);
    SetDocument(koi8);
    View(CodingKoi8);
    SendCommand(CMD_SELECT_ALL);
    PressKey(VK_DELETE, Shift);
    EXPECT_EQ(ClipboardBytes(CF_OEMTEXT), "A");   // other programs read the text up to the zero
    PressKey(VK_INSERT, Shift);
    EXPECT_EQ(EditorBytes(), koi8);
    View(CodingAnsi);
    PressKey('V', Ctrl);
    EXPECT_EQ(EditorBytes(), koi8 + std::string("A\0\xC0\r\n\0", 6));
}

TEST_F(ClipboardCodings, AnsiViewCopiesAnsiText)
{
    SetDocument("\xCF\xF0\xE8\xE2\xE5\xF2");
    Select(1, 4);
    PressKey(VK_INSERT, Ctrl);
    EXPECT_EQ(FirstClipboardFormat(), static_cast<UINT>(CF_TEXT));
    EXPECT_EQ(ClipboardBytes(CF_TEXT), "\xF0\xE8\xE2");
    EXPECT_EQ(ClipboardUnicode(), u"рив");
}

TEST_F(ClipboardCodings, PastedTextIsReadInTheFormatWrittenFirst)
{
    struct Case {
        UINT format;
        std::string text;   // bytes, or UTF-16 for Unicode
        Coding view;
        std::string expected;
    };
    const std::u16string pike = u"Щука ё";
    const std::string pikeBytes(reinterpret_cast<const char*>(pike.c_str()), pike.size() * 2);
    const std::u16string lacking = u"\u20AC\U0001F600\u0416";   // the euro only Windows-1251 has, the face none
    const std::string lackingBytes(reinterpret_cast<const char*>(lacking.c_str()), lacking.size() * 2);
    const Case cases[] = {
        {CF_UNICODETEXT, pikeBytes, CodingOem, "\x99\xE3\xAA\xA0 \xF1"},
        {CF_UNICODETEXT, pikeBytes, CodingAnsi, "\xD9\xF3\xEA\xE0 \xB8"},
        {CF_UNICODETEXT, pikeBytes, CodingKoi8, "\xFD\xD5\xCB\xC1 \xA3"},
        {CF_UNICODETEXT, lackingBytes, CodingAnsi, "\x88?\xC6"},
        {CF_UNICODETEXT, lackingBytes, CodingKoi8, "??\xF6"},
        {CF_TEXT, "\xD9\xF3\xEA\xE0 \xB8", CodingOem, "\x99\xE3\xAA\xA0 \xF1"},
        {CF_TEXT, "\xD9\xF3\xEA\xE0 \xB8", CodingAnsi, "\xD9\xF3\xEA\xE0 \xB8"},
        {CF_OEMTEXT, "\x99\xE3\xAA\xA0 \xF1", CodingAnsi, "\xD9\xF3\xEA\xE0 \xB8"},
        {CF_OEMTEXT, "\x99\xE3\xAA\xA0 \xF1", CodingKoi8, "\xFD\xD5\xCB\xC1 \xA3"},
    };
    for (const Case& c : cases) {
        PutOnClipboard(c.format, c.text.data(), c.text.size());
        SetDocument("[]");
        View(c.view);
        Select(1, 1);
        PressKey(VK_INSERT, Shift);
        EXPECT_EQ(EditorBytes(), "[" + c.expected + "]") << "format " << c.format << ", view " << c.view;
    }
}

TEST_F(ClipboardCodings, Utf8ViewCopiesUnicodeBesideTheExactBytesAndPastesUtf8)
{
    const std::string utf8 = "\xD0\xA9\xD1\x83\x80 \xF0\x9F\x98\x80";   // Щу, an invalid byte, a face
    SetDocument(utf8);
    View(CodingUtf8);
    SendCommand(CMD_SELECT_ALL);
    PressKey('C', Ctrl);
    EXPECT_EQ(FirstClipboardFormat(), static_cast<UINT>(CF_UNICODETEXT));
    EXPECT_EQ(ClipboardUnicode(), u"Щу\xFFFD \U0001F600");
    SendCommand(CMD_DELETE);
    PressKey('V', Ctrl);
    EXPECT_EQ(EditorBytes(), utf8);   // the invalid byte too
    char caret[32] = "";
    SendMessageA(App.StatusBarWindow, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(caret));
    EXPECT_STREQ(caret, "   6:1");   // the column counts characters

    const std::u16string text = u"Щука ё\U0001F600";
    const struct {
        UINT format;
        std::string text;
        std::string expected;
    } cases[] = {
        {CF_UNICODETEXT, std::string(reinterpret_cast<const char*>(text.c_str()), text.size() * 2),
         "\xD0\xA9\xD1\x83\xD0\xBA\xD0\xB0 \xD1\x91\xF0\x9F\x98\x80"},
        {CF_TEXT, "\xD9\xF3 \xB8", "\xD0\xA9\xD1\x83 \xD1\x91"},
        {CF_OEMTEXT, "\x99\xE3", "\xD0\xA9\xD1\x83"},
    };
    for (const auto& c : cases) {
        PutOnClipboard(c.format, c.text.data(), c.text.size());
        SetDocument("[]");
        Select(1, 1);
        PressKey(VK_INSERT, Shift);
        EXPECT_EQ(EditorBytes(), "[" + c.expected + "]") << "format " << c.format;
    }
    // Exact bytes copied in another view arrive as UTF-8.
    View(CodingAnsi);
    SetDocument("\xD9\xF3");
    SendCommand(CMD_SELECT_ALL);
    PressKey('C', Ctrl);
    View(CodingUtf8);
    SetDocument("");
    PressKey('V', Ctrl);
    EXPECT_EQ(EditorBytes(), "\xD0\xA9\xD1\x83");
    View(CodingAnsi);
}

TEST_F(ClipboardCodings, CopyWithoutSelectionLeavesTheClipboardAlone)
{
    PutOnClipboard(CF_TEXT, "keep", 4);
    SetDocument("text");
    Select(2, 2);
    PressKey('C', Ctrl);
    PressKey('X', Ctrl);
    EXPECT_EQ(ClipboardBytes(CF_TEXT), "keep");
    EXPECT_EQ(EditorBytes(), "text");
    PutOnClipboard(CF_TEXT, "", 0);   // nor does an empty text change the document
    PressKey('V', Ctrl);
    EXPECT_FALSE(EditorModified() || UndoAvailable());
}

}   // namespace
