// What the document tests share: test files in a scratch folder, the file
// dialogs driven as a user would, and a look at the editor's bytes.
#pragma once
#include "app/app_state.h"
#include "harness.h"
#include "res/resource.h"
#include <dlgs.h>
#include <shlobj.h>
#include <cstring>
#include <string>
#include <vector>

class DocumentTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        folder_ = MakeTempFolder();
        PrepareStart();
        ASSERT_TRUE(Start(arguments_));
        Pump();
        ASSERT_TRUE(Editor.Window);
    }

    void TearDown() override
    {
        // The file dialogs make the scratch folder current, which would keep it from being removed.
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        SetCurrentDirectoryA(temp);
        ProgramTest::TearDown();
    }

    // The test input of that name, as the Windows side sees it.
    static std::string DataFile(const std::string& name)
    {
        std::string path = std::string("Z:") + VERKO_TEST_DATA + "/" + name;
        for (char& c : path)
            if (c == '/') c = '\\';
        return path;
    }

    std::string ScratchPath(const std::string& name) const { return folder_ + "\\" + name; }

    // A copy of a test input in the scratch folder; returns its path.
    std::string CopyOfData(const std::string& name)
    {
        std::string path = ScratchPath(name);
        WriteFileBytes(path, ReadFileBytes(DataFile(name)));
        return path;
    }

    std::string MakeFile(const std::string& name, const std::string& bytes)
    {
        std::string path = ScratchPath(name);
        WriteFileBytes(path, bytes);
        return path;
    }

    // The next file dialog with this caption gets the name typed and confirmed.
    void ExpectFileDialog(const std::string& caption, const std::string& path, std::string* shownName = nullptr)
    {
        ExpectModal(caption, [path, shownName](HWND dialog) {
            if (shownName) *shownName = ControlText(dialog, FileNameField(dialog));
            SetControlText(dialog, FileNameField(dialog), path.c_str());
            PressButton(dialog, IDOK);
        });
    }

    void CancelFileDialog(const std::string& caption, std::string* shownName = nullptr)
    {
        ExpectModal(caption, [shownName](HWND dialog) {
            if (shownName) *shownName = ControlText(dialog, FileNameField(dialog));
            PressButton(dialog, IDCANCEL);
        });
    }

    void OpenThroughDialog(const std::string& path)
    {
        ExpectFileDialog("Open", path);
        SendCommand(CMD_OPEN);
        VerifyModalsSeen();
    }

    // The editor's bytes, zero bytes included.
    static std::string EditorBytes()
    {
        std::string bytes;
        EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&bytes), 0, AppendChunk};
        SendMessageA(Editor.Window, EM_STREAMOUT, SF_TEXT, reinterpret_cast<LPARAM>(&stream));
        return bytes;
    }

    static bool EditorModified() { return SendMessageA(Editor.Window, EM_GETMODIFY, 0, 0) != 0; }

    static void PlaceCaret(int position) { SendMessageA(Editor.Window, EM_SETSEL, position, position); }

    // The system's own wording for an error code, as the error box shows it.
    static std::string SystemText(DWORD code)
    {
        char text[256] = "";
        FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, code, 0, text, sizeof text, nullptr);
        return text;
    }

    static DWORD Attributes(const std::string& path) { return GetFileAttributesA(path.c_str()); }

    // Files in the scratch folder, to see that no temporary file is left behind.
    int ScratchFileCount() const
    {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((folder_ + "\\*").c_str(), &found);
        int count = 0;
        if (search == INVALID_HANDLE_VALUE) return 0;
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++count;
        } while (FindNextFileA(search, &found));
        FindClose(search);
        return count;
    }

    // What the shell hands over when files are dropped, names in Unicode.
    static HDROP DropOf(const std::vector<std::string>& paths)
    {
        std::wstring names;
        for (const std::string& path : paths) names += Wide(path) + L'\0';
        names += L'\0';
        HGLOBAL block = GlobalAlloc(GHND, sizeof(DROPFILES) + names.size() * sizeof(wchar_t));
        auto* drop = static_cast<DROPFILES*>(GlobalLock(block));
        drop->pFiles = sizeof(DROPFILES);
        drop->fWide = TRUE;
        std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), names.data(), names.size() * sizeof(wchar_t));
        GlobalUnlock(block);
        return static_cast<HDROP>(block);
    }

    // Runs before the program starts, with the scratch folder made.
    virtual void PrepareStart() {}

    std::string folder_;
    std::string arguments_;   // the command line after the program's name

private:
    // Newer dialogs keep the name in a combo box, older ones in an edit field.
    static int FileNameField(HWND dialog) { return GetDlgItem(dialog, cmb13) ? cmb13 : edt1; }

    static DWORD CALLBACK AppendChunk(DWORD_PTR cookie, LPBYTE chunk, LONG size, LONG* taken)
    {
        reinterpret_cast<std::string*>(cookie)->append(reinterpret_cast<char*>(chunk), size);
        *taken = size;
        return 0;
    }
};
