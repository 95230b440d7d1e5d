// What the editor, undo, clipboard and view tests share: a document set up
// directly, keys for undo and the view codings, and a look at the clipboard.
#pragma once
#include "tests/program/clipboard_reading.h"
#include <cstring>
#include <string>

#include "coding/coding_tables.h"
#include "tests/program/document_test_support.h"
#include "tests/program/textctl_support.h"
#include "textctl/textctl.h"

class EditorTest : public DocumentTest {
protected:
    // The tests' edits are thrown away: closing asks nothing.
    void TearDown() override
    {
        if (Editor.Window) SendMessageA(Editor.Window, EM_SETMODIFY, 0, 0);
        DocumentTest::TearDown();
    }

    // The bytes as a fresh, unmodified document with nothing recorded for undo.
    static void SetDocument(const std::string& bytes)
    {
        MemoryStreamCookie cookie;
        cookie.in = bytes;
        EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&cookie), 0, MemoryStreamInCallback};
        SendMessageA(Editor.Window, EM_STREAMIN, SF_TEXT, reinterpret_cast<LPARAM>(&stream));
        SendMessageA(Editor.Window, EM_SETMODIFY, 0, 0);
    }

    static void Select(LONG start, LONG end) { SendMessageA(Editor.Window, EM_SETSEL, start, end); }

    static CHARRANGE Selection()
    {
        CHARRANGE range{};
        SendMessageA(Editor.Window, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
        return range;
    }

    // Alt+Backspace, as many times as asked.
    void Undo(int times = 1)
    {
        for (int i = 0; i < times; ++i) PressKey(VK_BACK, Alt);
    }

    // F2, Ctrl+F2, Alt+F2 or Shift+F2.
    void View(Coding coding)
    {
        const KeyModifiers keys[ViewRowCount] = {NoModifiers, Ctrl, Alt, Shift};
        PressKey(VK_F2, keys[ViewRow(coding)]);
    }

    static bool MenuItemChecked(UINT command)
    {
        return (GetMenuState(GetMenu(App.MainWindow), command, MF_BYCOMMAND) & MF_CHECKED) != 0;
    }

    // Gives the command and, once its dialog is shown, the action, which ends the dialog.
    void InDialog(WORD command, const std::string& caption, std::function<void(HWND)> action)
    {
        ExpectModal(caption, std::move(action));
        SendCommand(command);
        VerifyModalsSeen();
    }

    // The format of a text control's whole text.
    static CHARFORMATA FormatOf(HWND control)
    {
        CHARFORMATA format{};
        format.cbSize = sizeof format;
        SendMessageA(control, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
        return format;
    }

    static std::string ClipboardBytes(UINT format) { return ClipboardContents(format); }
    static std::u16string ClipboardUnicode() { return ClipboardContents<std::u16string>(CF_UNICODETEXT); }

    static UINT FirstClipboardFormat()
    {
        if (!OpenClipboard(nullptr)) return 0;
        UINT format = EnumClipboardFormats(0);
        CloseClipboard();
        return format;
    }

    // What another program would leave: text of one format only.
    static void PutOnClipboard(UINT format, const void* text, size_t bytes)
    {
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes + sizeof(char16_t));
        std::memcpy(GlobalLock(block), text, bytes);
        GlobalUnlock(block);
        ASSERT_TRUE(OpenClipboard(nullptr));
        EmptyClipboard();
        SetClipboardData(format, block);
        CloseClipboard();
    }
};
