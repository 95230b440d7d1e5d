// Refusals that say what is wrong.
#include "document_test_support.h"
#include "document/document_files.h"
#include "editor/message_box.h"

namespace {

using DocumentNames = DocumentTest;

TEST_F(DocumentNames, RefusalsSayWhatIsWrong)
{
    std::string overlong = "C:\\" + std::string(300, 'x') + ".txt";
    std::string said;
    ExpectMessageBox("VERKO", IDOK, &said);
    ASSERT_TRUE(Restart(overlong));
    VerifyModalsSeen();
    EXPECT_EQ(said,
              "This file name is too long for VERKO: it has 307 characters, and VERKO takes names of up to "
              "259.\n\n"
                  + overlong);
    EXPECT_EQ(WindowText(main_), "[NoName]-VERKO");

    std::string huge = ScratchPath("huge.txt");   // 20 GB that take no room on the disk
    HANDLE file = CreateFileW(Wide(huge).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    LARGE_INTEGER size;
    size.QuadPart = 20LL << 30;
    ASSERT_TRUE(SetFilePointerEx(file, size, nullptr, FILE_BEGIN) && SetEndOfFile(file));
    CloseHandle(file);
    SetTextLimitBasis(L"half of this computer's memory");   // as on a machine of up to 4 GB
    ExpectFileDialog("Open", huge);
    ExpectMessageBox("VERKO", IDOK, &said);
    SendCommand(CMD_OPEN);
    VerifyModalsSeen();
    EXPECT_EQ(said,
              huge + "\nis too large for VERKO: it has 21474836480 bytes, and VERKO opens files of up to "
                  + std::to_string(Editor.TextLimit) + " bytes (half of this computer's memory).");

    // An error the system has no words for is told in the program's own, with its number.
    ExpectMessageBox("VERKO", IDOK, &said);
    ShowSystemErrorCode(0x20000123, L"VERKO could not read the file");
    VerifyModalsSeen();
    EXPECT_EQ(said, "VERKO could not read the file (system error 536871203).");
}

}   // namespace
