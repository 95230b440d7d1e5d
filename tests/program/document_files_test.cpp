// Loading, saving and inserting files through the File commands and dialogs.
#include "document_test_support.h"
#include "document/document_state.h"
#include "document/document_files.h"
#include "tests/program/stream_faults.h"
#include "textctl/textctl.h"

namespace {

using DocumentFiles = DocumentTest;

TEST_F(DocumentFiles, FilesComeBackByteForByteAfterOpenAndSave)
{
    std::string lineEnds = MakeFile("line_ends.txt", "a\rb\nc\r\n\r\rd\n\ne\r");
    for (const std::string& path : {CopyOfData("all_bytes_crlf.txt"), CopyOfData("prose_cp1251.gz"), lineEnds}) {
        SCOPED_TRACE(path);
        std::string original = ReadFileBytes(path);
        OpenThroughDialog(path);
        EXPECT_EQ(EditorBytes(), original);
        // Spoil the file on disk, so only Save can bring the bytes back.
        WriteFileBytes(path, "spoilt");
        SendCommand(CMD_SAVE);
        EXPECT_EQ(ReadFileBytes(path), original);
        EXPECT_FALSE(EditorModified());
    }
    EXPECT_EQ(ScratchFileCount(), 3) << "a temporary file was left behind";
}

TEST_F(DocumentFiles, ViewCodingFollowsTheLoadedText)
{
    std::string koi8 = CopyOfData("prose_koi8r.txt");
    struct Case {
        std::string path;
        uint8_t coding;
    };
    const Case cases[] = {
        {koi8, 2}, {CopyOfData("prose_cp866.txt"), 1},
        {koi8, 2}, {CopyOfData("prose_cp1251.txt"), 0},
        {koi8, 2}, {MakeFile("empty.txt", ""), 0},
        {koi8, 2}, {MakeFile("ascii.txt", "Plain ASCII text\r\nwith Capitals.\r\n"), 0},
        {koi8, 2}, {CopyOfData("fortunes_utf8.txt"), 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        OpenThroughDialog(c.path);
        EXPECT_EQ(Editor.ViewCoding, c.coding);
        EXPECT_EQ(SendMessageA(Editor.Window, TCM_GETVIEWCODING, 0, 0), c.coding);
    }
}

TEST_F(DocumentFiles, TitleAndNameFollowLoadAndSaveAs)
{
    EXPECT_EQ(WindowText(main_), "[NoName]-VERKO");
    std::string path = CopyOfData("prose_cp866.txt");
    OpenThroughDialog(path);
    EXPECT_EQ(WindowText(main_), "[prose_cp866.txt]-VERKO");
    EXPECT_EQ(Utf8(Document.FileName), path);

    std::string copy = ScratchPath("copy of prose.txt");
    ExpectFileDialog("Save As", copy);
    SendCommand(CMD_SAVE_AS);
    EXPECT_EQ(WindowText(main_), "[copy of prose.txt]-VERKO");
    EXPECT_EQ(Utf8(Document.FileName), copy);
    EXPECT_EQ(ReadFileBytes(copy), ReadFileBytes(path));
}

TEST_F(DocumentFiles, FileLargerThanTheTextLimitIsRefused)
{
    std::string small = MakeFile("small.txt", "small text");
    std::string large = CopyOfData("prose_cp866.txt");
    OpenThroughDialog(small);
    Editor.TextLimit = static_cast<uint32_t>(ReadFileBytes(large).size() - 1);
    SetTextLimitBasis(L"half of the memory this program sees");   // as in a 32-bit process on 8 GB

    std::string error;
    ExpectFileDialog("Open", large);
    ExpectMessageBox("VERKO", IDOK, &error);
    SendCommand(CMD_OPEN);
    VerifyModalsSeen();
    EXPECT_EQ(error,
              large + "\nis too large for VERKO: it has " + std::to_string(Editor.TextLimit + 1)
                  + " bytes, and VERKO opens files of up to " + std::to_string(Editor.TextLimit)
                  + " bytes (half of the memory this program sees).");
    ExpectFileDialog("Open", large);
    SendCommand(CMD_INSERT_FILE);   // refused without a word
    VerifyModalsSeen();
    EXPECT_EQ(EditorBytes(), "small text");
    EXPECT_EQ(Utf8(Document.FileName), small);

    Editor.TextLimit += 1;   // a file of exactly the limit is read
    OpenThroughDialog(large);
    EXPECT_EQ(EditorBytes(), ReadFileBytes(large));

    // A device gives more than its size says: the read stops at the limit and says so.
    Editor.TextLimit = 1000;
    SendMessageA(Editor.Window, EM_EXLIMITTEXT, 0, Editor.TextLimit);
    ExpectMessageBox("VERKO", IDOK, &error);
    EXPECT_NE(LoadDocument(L"Z:\\dev\\zero"), LoadResult::Loaded);
    VerifyModalsSeen();
    EXPECT_EQ(error,
              "Z:\\dev\\zero\nis too large for VERKO: reading it went past the limit, and VERKO opens files "
              "of up to 1000 bytes (half of the memory this program sees).");
}

TEST_F(DocumentFiles, ReadFailingPartWayCannotOverwriteTheFileOpenBefore)
{
    std::string first = MakeFile("first.txt", "the first file");
    std::string second = CopyOfData("prose_cp866.txt");
    OpenThroughDialog(first);

    std::string error;
    FileReadBudget = 100;
    ExpectFileDialog("Open", second);
    ExpectMessageBox("VERKO", IDOK, &error);
    SendCommand(CMD_OPEN);
    VerifyModalsSeen();
    FileReadBudget = UINT64_MAX;
    EXPECT_EQ(error, SystemText(ERROR_READ_FAULT));
    EXPECT_EQ(WindowText(main_), "[NoName]-VERKO");
    EXPECT_TRUE(EditorModified());

    // Save now asks for a name instead of writing the fragment over the first file.
    CancelFileDialog("Save As");
    SendCommand(CMD_SAVE);
    VerifyModalsSeen();
    EXPECT_EQ(ReadFileBytes(first), "the first file");
    SendMessageA(Editor.Window, EM_SETMODIFY, 0, 0);
}

TEST_F(DocumentFiles, InsertPutsTheFileAtTheCaretAsOneUndoStep)
{
    std::string host = MakeFile("host.txt", "abcdef");
    std::string inserted = CopyOfData("prose_cp866.txt");
    OpenThroughDialog(host);
    uint8_t coding = Editor.ViewCoding;
    PlaceCaret(3);
    ExpectFileDialog("Open", inserted);
    SendCommand(CMD_INSERT_FILE);
    VerifyModalsSeen();
    EXPECT_EQ(EditorBytes(), "abc" + ReadFileBytes(inserted) + "def");
    EXPECT_EQ(Editor.ViewCoding, coding) << "inserting guesses no coding";
    EXPECT_EQ(Utf8(Document.FileName), host);
    EXPECT_EQ(WindowText(main_), "[host.txt]-VERKO");
    SendCommand(CMD_UNDO);
    EXPECT_EQ(EditorBytes(), "abcdef");
}

TEST_F(DocumentFiles, ChosenFileTypeGivesTheExtensionAndIsOfferedNextTime)
{
    TypeText(u"<p>");
    ExpectModal("Save As", [this](HWND dialog) {
        HWND types = GetDlgItem(dialog, cmb1);
        SendMessageA(types, CB_SETCURSEL, 2, 0);   // "HTML Files"
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELENDOK), reinterpret_cast<LPARAM>(types));
        SetControlText(dialog, GetDlgItem(dialog, cmb13) ? cmb13 : edt1, ScratchPath("page").c_str());
        PressButton(dialog, IDOK);
    });
    SendCommand(CMD_SAVE_AS);
    VerifyModalsSeen();
    EXPECT_EQ(ReadFileBytes(ScratchPath("page.htm")), "<p>");

    LRESULT offered = -1;
    ExpectModal("Open", [&offered](HWND dialog) {
        offered = SendDlgItemMessageA(dialog, cmb1, CB_GETCURSEL, 0, 0);
        PressButton(dialog, IDCANCEL);
    });
    SendCommand(CMD_OPEN);
    EXPECT_EQ(offered, 2);
}

class DocumentCommandLine : public DocumentTest {
protected:
    // An unquoted relative name with a blank, from the scratch folder as the current one.
    void PrepareStart() override
    {
        WriteFileBytes(ScratchPath("my prose.txt"), ReadFileBytes(DataFile("prose_koi8r.txt")));
        SetCurrentDirectoryA(folder_.c_str());
        arguments_ = "my prose.txt";
    }
};

TEST_F(DocumentCommandLine, FileNamedAtStartIsOpenedWithItsCoding)
{
    EXPECT_EQ(Utf8(Document.FileName), ScratchPath("my prose.txt"));
    EXPECT_EQ(EditorBytes(), ReadFileBytes(DataFile("prose_koi8r.txt")));
    EXPECT_EQ(WindowText(main_), "[my prose.txt]-VERKO");
    EXPECT_EQ(Editor.ViewCoding, 2);
    EXPECT_FALSE(EditorModified());
}

}
