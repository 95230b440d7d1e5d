// The save-changes question, the read-only question and saves that fail.
#include "document_test_support.h"
#include "document/document_state.h"
#include "tests/program/stream_faults.h"
#include "editor/undo.h"

namespace {

class DocumentQuestions : public DocumentTest {
protected:
    void TearDown() override
    {
        FileWriteBudget = UINT64_MAX;
        if (!readOnlyFile_.empty()) SetFileAttributesA(readOnlyFile_.c_str(), FILE_ATTRIBUTE_NORMAL);
        DocumentTest::TearDown();
    }

    std::string OpenReadOnlyProse()
    {
        readOnlyFile_ = CopyOfData("prose_cp1251.txt");
        SetFileAttributesA(readOnlyFile_.c_str(), FILE_ATTRIBUTE_READONLY);
        OpenThroughDialog(readOnlyFile_);
        return readOnlyFile_;
    }

    std::string readOnlyFile_;
};

TEST_F(DocumentQuestions, NewAndOpenAskNothingOnceTypingIsUndone)
{
    TypeText(u"\u0430\u0431\u0432");
    ASSERT_TRUE(DocumentDirty());
    for (int i = 0; i < 3; ++i) SendCommand(CMD_UNDO);
    EXPECT_EQ(EditorBytes(), "");
    SendCommand(CMD_NEW);   // any question would be an unexpected window
    CancelFileDialog("Open");
    SendCommand(CMD_OPEN);
}

TEST_F(DocumentQuestions, CancelAtTheSaveChangesQuestionKeepsTheDocument)
{
    std::string path = CopyOfData("prose_cp1251.txt");
    OpenThroughDialog(path);
    TypeText(u"x");
    std::string edited = EditorBytes();
    std::string question;
    ExpectMessageBox("VERKO", IDCANCEL, &question);
    SendCommand(CMD_NEW);
    EXPECT_EQ(question, "Save changes to " + path + "?");
    ExpectMessageBox("VERKO", IDCANCEL);
    SendMessageA(main_, WM_CLOSE, 0, 0);
    Pump();
    VerifyModalsSeen();
    EXPECT_TRUE(IsWindow(main_));
    EXPECT_EQ(EditorBytes(), edited);
    EXPECT_TRUE(EditorModified());
    EXPECT_EQ(Utf8(Document.FileName), path);
    ExpectMessageBox("VERKO", IDNO);
    EXPECT_TRUE(Close());
}

TEST_F(DocumentQuestions, CancelledSaveAsAfterYesKeepsTheDocument)
{
    TypeText(u"abc");
    std::string question, shownName;
    ExpectMessageBox("VERKO", IDYES, &question);
    CancelFileDialog("Save As", &shownName);
    SendCommand(CMD_NEW);
    VerifyModalsSeen();
    EXPECT_EQ(question, "Save changes to NoName?");
    EXPECT_EQ(shownName, "NoName");
    EXPECT_EQ(EditorBytes(), "abc");
    EXPECT_TRUE(EditorModified());
    ExpectMessageBox("VERKO", IDNO);
    EXPECT_TRUE(Close());
}

TEST_F(DocumentQuestions, SaveOnAnUntitledDocumentOffersNoNameInSaveAs)
{
    TypeText(u"abc");
    std::string shownName, path = ScratchPath("first.txt");
    ExpectFileDialog("Save As", path, &shownName);
    SendCommand(CMD_SAVE);
    VerifyModalsSeen();
    EXPECT_EQ(shownName, "NoName");
    EXPECT_EQ(ReadFileBytes(path), "abc");
    EXPECT_EQ(WindowText(main_), "[first.txt]-VERKO");
    EXPECT_FALSE(EditorModified());
    EXPECT_FALSE(UndoAvailable()) << "Save As starts a fresh history";
}

TEST_F(DocumentQuestions, ReadOnlyFileIsOverwrittenOnlyWhenAllowedAndStaysReadOnly)
{
    std::string path = OpenReadOnlyProse();
    std::string original = ReadFileBytes(path);
    TypeText(u"Z");
    std::string question;
    ExpectMessageBox("VERKO", IDNO, &question);
    SendCommand(CMD_SAVE);
    VerifyModalsSeen();
    EXPECT_EQ(question, path + ": READ ONLY!\rOverwrite?");
    EXPECT_EQ(ReadFileBytes(path), original);
    EXPECT_TRUE(Attributes(path) & FILE_ATTRIBUTE_READONLY);
    EXPECT_TRUE(EditorModified());

    ExpectMessageBox("VERKO", IDYES);
    SendCommand(CMD_SAVE);
    VerifyModalsSeen();
    EXPECT_EQ(ReadFileBytes(path), "Z" + original);
    EXPECT_TRUE(Attributes(path) & FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(EditorModified());
}

TEST_F(DocumentQuestions, WriteFailingPartWayLeavesTheFileAndKeepsTheDocumentModified)
{
    std::string path = OpenReadOnlyProse();
    std::string original = ReadFileBytes(path);
    TypeText(u"Z");
    FileWriteBudget = original.size() / 2;
    std::string error;
    ExpectMessageBox("VERKO", IDYES);   // may overwrite the read-only file
    ExpectMessageBox("VERKO", IDOK, &error);
    SendCommand(CMD_SAVE);
    VerifyModalsSeen();
    EXPECT_EQ(error, SystemText(ERROR_DISK_FULL));
    EXPECT_EQ(ReadFileBytes(path), original);
    EXPECT_TRUE(Attributes(path) & FILE_ATTRIBUTE_READONLY);
    EXPECT_TRUE(EditorModified());
    EXPECT_EQ(ScratchFileCount(), 1) << "the temporary file was left behind";

    // Yes at the save-changes question with the same failure keeps the document instead of dropping it.
    std::string edited = EditorBytes();
    ExpectMessageBox("VERKO", IDYES);   // save changes?
    ExpectMessageBox("VERKO", IDYES);   // overwrite the read-only file?
    ExpectMessageBox("VERKO", IDOK);    // the error
    SendCommand(CMD_NEW);
    VerifyModalsSeen();
    EXPECT_EQ(EditorBytes(), edited);
    EXPECT_EQ(Utf8(Document.FileName), path);
    EXPECT_EQ(ReadFileBytes(path), original);

    FileWriteBudget = UINT64_MAX;   // room again: the same Save now goes through
    ExpectMessageBox("VERKO", IDYES);
    SendCommand(CMD_SAVE);
    EXPECT_EQ(ReadFileBytes(path), "Z" + original);
}

TEST_F(DocumentQuestions, LeavingAFileStoresTheCaretInItsRecentSlot)
{
    std::string path = CopyOfData("prose_cp866.txt");
    std::string other = CopyOfData("prose_koi8r.txt");
    WriteRegistryValue("1F", REG_SZ, other.c_str(), other.size() + 1);
    WriteRegistryValue("3F", REG_SZ, path.c_str(), path.size() + 1);
    WriteRegistryValue("LIST", REG_SZ, "13", 3);
    OpenThroughDialog(path);
    PlaceCaret(57);
    SendCommand(CMD_NEW);
    EXPECT_EQ(ReadRegistryNumber("3FC"), std::optional<uint32_t>(57));
    EXPECT_FALSE(ReadRegistryNumber("1FC").has_value());
}

}
