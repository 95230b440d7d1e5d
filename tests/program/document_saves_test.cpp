// Saves that need no new file beside the document.
#include "document_test_support.h"
#include "editor/document_files.h"

namespace {

using DocumentSaves = DocumentTest;

TEST_F(DocumentSaves, DeepFolderLeavesNoRoomForACopyBesideTheFile)
{
    std::string deep = ScratchPath(std::string(PathCapacity - 1 - folder_.size() - 7, 'd'));
    ASSERT_TRUE(CreateDirectoryW(Wide(deep).c_str(), nullptr));
    std::string path = deep + "\\a.txt";
    ASSERT_EQ(path.size(), size_t(PathCapacity - 1));
    WriteFileBytes(path, "old");
    ASSERT_TRUE(LoadDocument(Wide(path).c_str()));
    TypeText(u"new ");
    SendCommand(CMD_SAVE);
    EXPECT_EQ(ReadFileBytes(path), "new old");
    EXPECT_FALSE(EditorModified());
    WIN32_FIND_DATAW found;
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    EXPECT_EQ(FindFirstFileW((std::wstring(temp) + L"*.vbak").c_str(), &found), INVALID_HANDLE_VALUE)
        << "a copy was left in the temporary folder";
}

}   // namespace
