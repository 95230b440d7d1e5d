// The byte editor driven through its real dialogs: the byte at the address typed,
// one byte written after the question, "ERROR" on every failure.
#include <functional>

#include "document_test_support.h"
#include "pictures.h"

namespace {

// Set's question is answered from a timer while Set is being clicked; asked gets
// its text and its owner's caption.
int answer = IDNO;
std::string asked;

void CALLBACK AnswerQuestion(HWND, UINT, UINT_PTR, DWORD)
{
    HWND box = FindWindowA("#32770", "VERKO");
    if (!box || !asked.empty()) return;
    asked = MessageBoxText(box) + " / " + WindowText(GetWindow(box, GW_OWNER));
    PressButton(box, answer);
}

class ByteEditor : public DocumentTest {
protected:
    // The name typed in the open dialog; the steps run in the byte editor, which is then closed.
    void Edit(const std::wstring& path, std::function<void(HWND)> steps)
    {
        ExpectModal("Open", [path](HWND dialog) {
            SetDlgItemTextW(dialog, GetDlgItem(dialog, cmb13) ? cmb13 : edt1, path.c_str());
            PressButton(dialog, IDOK);
        });
        ExpectModalCaptionStart("Change byte: ", [steps](HWND dialog) {
            steps(dialog);
            PressButton(dialog, IDCANCEL);
        });
        SendCommand(CMD_BYTE_EDITOR);
        VerifyModalsSeen();
    }

    // Types the address (unless null) and, given a value, clicks Set and answers its question.
    // Returns what the value field shows, with "-" when Set is
    // greyed and "?" when the question came.
    static std::string Step(HWND dialog, const char* address, const char* value = nullptr, int answerWith = IDNO)
    {
        if (address) SetControlText(dialog, IDC_BYTE_ADDRESS, address);
        HWND set = GetDlgItem(dialog, IDC_BYTE_SET);
        asked.clear();
        if (value) {
            EXPECT_TRUE(IsWindowEnabled(set)) << "no user can click a greyed Set";
            SetControlText(dialog, IDC_BYTE_VALUE, value);
            answer = answerWith;
            UINT_PTR timer = SetTimer(nullptr, 0, 20, AnswerQuestion);
            SendMessageA(set, BM_CLICK, 0, 0);
            KillTimer(nullptr, timer);
            EXPECT_TRUE(asked.empty() || asked == "Are you sure? / " + WindowText(dialog)) << asked;
        }
        return ControlText(dialog, IDC_BYTE_VALUE) + (IsWindowEnabled(set) ? "" : "-") + (asked.empty() ? "" : "?");
    }
};

TEST_F(ByteEditor, ShowsAndSetsOneByteAndSaysErrorOnEveryFailure)
{
    const std::string bytes = "\x3C\x11\x22\x33\x44\x55\x66\x77\x88\x99\xAA\xBB\xCC\xDD\xEE\xFF";
    std::string path = MakeFile("bytes.exe", bytes), expected = bytes;
    struct Case {
        const char* address;
        const char* value;
        int answer;    // to the question, No when none is expected
        int written;   // the byte then at the address; -1: the file stays as it was
        const char* shown;
    };
    // clang-format off
    const Case cases[] = {
        {"f", nullptr, IDNO, -1, "FF"}, {"10", nullptr, IDNO, -1, "ERROR-"}, {"FFFFFFFF", nullptr, IDNO, -1, "ERROR-"},
        {"x", nullptr, IDNO, -1, "ERROR-"}, {"1x", nullptr, IDNO, -1, "ERROR-"}, {"0000000g", nullptr, IDNO, -1, "ERROR-"},
        {"\xE0", nullptr, IDNO, -1, "ERROR-"}, {"000000011", nullptr, IDNO, -1, "11"}, {"00000002z", nullptr, IDNO, -1, "22"},
        {"", nullptr, IDNO, -1, "3C"}, {"2", "1FF", IDYES, 0xFF, "1FF?"}, {"3", "33", IDNO, -1, "33-"},
        {"4", "zz", IDNO, -1, "zz-"}, {"5", "a7", IDNO, -1, "a7?"}, {"F", "0", IDYES, 0, "0?"}};
    // clang-format on
    Edit(std::wstring(path.begin(), path.end()), [&](HWND dialog) {
        EXPECT_EQ(WindowText(dialog), "Change byte: bytes.exe");
        EXPECT_EQ(Step(dialog, nullptr), "3C") << "the byte at 0 at once";
        POINT inside = {0, 0}, corner = {0, 0};   // the template places the client area
        ClientToScreen(dialog, &inside);
        ClientToScreen(main_, &corner);
        EXPECT_TRUE(inside.x == corner.x && inside.y == corner.y);
        for (const Case& c : cases) {
            EXPECT_EQ(Step(dialog, c.address, c.value, c.answer), c.shown) << c.address;
            if (c.written >= 0) expected[std::stoul(c.address, nullptr, 16)] = static_cast<char>(c.written);
            EXPECT_EQ(ReadFileBytes(path), expected) << c.address;
        }
        SaveBitmap(BesideTheProgram("byte_editor.bmp"), GrabWindow(dialog));
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);   // after it was chosen
        EXPECT_EQ(Step(dialog, "1", "77"), "ERROR");
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
        EXPECT_EQ(Step(dialog, "1"), "ERROR-");
    });
}

// A file past 4 GB, with a name outside the system's code page.
TEST_F(ByteEditor, ReachesFilesPastFourGigabytesWithAnyName)
{
    std::wstring path = std::wstring(folder_.begin(), folder_.end()) + L"\\\x0411\x0430\x0439\x0442.bin";
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              CREATE_NEW, 0, nullptr);
    LARGE_INTEGER at;
    at.QuadPart = 0x100000010LL;   // sparse: only the length is stored
    ASSERT_TRUE(SetFilePointerEx(file, at, nullptr, FILE_BEGIN) && SetEndOfFile(file));
    Edit(path, [](HWND dialog) {
        wchar_t caption[64] = L"";
        GetWindowTextW(dialog, caption, 64);
        EXPECT_STREQ(caption, L"Change byte: \x0411\x0430\x0439\x0442.bin");
        EXPECT_EQ(Step(dialog, "FFFFFFFF"), "00");
        EXPECT_EQ(Step(dialog, "FFFFFFFF", "5A", IDYES), "5A?");
    });
    char tail[32];
    DWORD read = 0;
    at.QuadPart = 0xFFFFFFFE;
    SetFilePointerEx(file, at, nullptr, FILE_BEGIN);
    ReadFile(file, tail, sizeof tail, &read, nullptr);
    EXPECT_EQ(std::string(tail, read), std::string("\0\x5A", 2) + std::string(16, '\0'));
    CloseHandle(file);
    DeleteFileW(path.c_str());
}

}   // namespace
