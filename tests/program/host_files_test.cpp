// Files as the host system makes them: a private file, a symbolic and a hard link,
// a folder that takes no new files, a full disk and a Cyrillic name. The run of
// tests/program/host_files.sh prepares them, runs this suite and then checks
// with the host's own tools that each saved file kept its identity.
#include "document_test_support.h"
#include "document/document_state.h"
#include "app/recent_files.h"
#include "document/document_files.h"
#include <cstdlib>

namespace {

const std::string Mine = "Мой текст.txt";   // made by the host; a blank in it, as Russian users name files
const std::string Text = "\xCF\xF0\xE8\xE2\xE5\xF2\r\n";   // "Привет" in Windows-1251

class HostFiles : public DocumentTest {
protected:
    void SetUp() override
    {
        if (!std::getenv("VERKO_HOST_FILES")) GTEST_SKIP() << "run through tests/program/host_files.sh";
        DocumentTest::SetUp();
    }
    // Started in the prepared folder with the Cyrillic name, unquoted and relative.
    void PrepareStart() override
    {
        folder_ = std::getenv("VERKO_HOST_FILES");
        SetCurrentDirectoryW(Wide(folder_).c_str());
        arguments_ = Mine;
    }

    void EditAndSave(const std::string& name)
    {
        ASSERT_EQ(LoadDocument(Wide(ScratchPath(name)).c_str()), LoadResult::Loaded);
        TypeText(u"new ");
        SendCommand(CMD_SAVE);
    }

    void ExpectOpened(const std::string& name)
    {
        EXPECT_EQ(Utf8(Document.FileName), ScratchPath(name));
        EXPECT_EQ(WindowText(main_), "[" + name + "]-VERKO");
        EXPECT_EQ(EditorBytes(), Text);
    }
};

TEST_F(HostFiles, SavesWriteTheFileItself)
{
    // The deep file's name is as long as a name may be: no copy fits beside it.
    std::string deep = std::getenv("VERKO_DEEP_FOLDER") + std::string("\\a.txt");
    ASSERT_EQ(ScratchPath(deep).size(), size_t(PathCapacity - 1));
    for (const std::string& name : std::vector<std::string>{"private.txt", "link.txt", "linked.txt", deep}) {
        EditAndSave(name);
        EXPECT_FALSE(EditorModified()) << name;
    }
}

TEST_F(HostFiles, SavesIntoAFolderThatTakesNoNewFiles)
{
    if (!std::getenv("VERKO_HOST_LOCKED")) GTEST_SKIP() << "chattr is refused here";
    EditAndSave("locked\\locked.txt");
    EXPECT_FALSE(EditorModified());
}

TEST_F(HostFiles, SavesOnAFullDiskKeepTheFile)
{
    if (!std::getenv("VERKO_HOST_DISK")) GTEST_SKIP() << "mount is refused here";
    EditAndSave("disk\\big.txt");   // its copy is kept in the temporary folder
    EXPECT_FALSE(EditorModified());

    // The new text does not fit on the disk: the file keeps its bytes and no copy stays.
    std::string full = ScratchPath("disk\\full.txt");
    std::string original = ReadFileBytes(full);
    ASSERT_EQ(LoadDocument(Wide(full).c_str()), LoadResult::Loaded);
    std::string more(100000, 'm');
    SendMessageA(Editor.Window, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(more.c_str()));
    std::string error;
    ExpectMessageBox("VERKO", IDOK, &error);
    SendCommand(CMD_SAVE);
    VerifyModalsSeen();
    EXPECT_EQ(error, SystemText(ERROR_DISK_FULL));
    EXPECT_EQ(ReadFileBytes(full), original);
    EXPECT_TRUE(EditorModified());
    SendMessageA(Editor.Window, EM_SETMODIFY, 0, 0);
}

TEST_F(HostFiles, CyrillicNamesOpenAndSaveEverywhere)
{
    ExpectOpened(Mine);   // from the command line
    std::string saved = ScratchPath("Новый.txt");
    ExpectFileDialog("Save As", saved);
    SendCommand(CMD_SAVE_AS);
    VerifyModalsSeen();
    ExpectOpened("Новый.txt");

    OpenThroughDialog(ScratchPath(Mine));
    ExpectOpened(Mine);
    SendMessageW(Editor.Window, WM_DROPFILES, reinterpret_cast<WPARAM>(DropOf({saved})), 0);
    ExpectOpened("Новый.txt");

    // The recent files keep the names whole: labels, registry and reopening.
    std::wstring path;
    EXPECT_EQ(Utf8(RecentItemLabel(0, path)), "&0 Новый.txt");
    EXPECT_EQ(Utf8(RecentItemLabel(1, path)), "&1 Мой текст.txt");
    EXPECT_EQ(ReadRegistryWideText("1F"), saved);
    SendCommand(CMD_RECENT_1);
    ExpectOpened(Mine);
}

}   // namespace
