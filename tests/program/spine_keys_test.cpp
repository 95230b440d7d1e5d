// Keys and typed characters on their way through the program's message loop.
#include "tests/program/harness.h"
#include "app/app_state.h"
#include "res/resource.h"

namespace {

std::vector<WPARAM>* sink;

LRESULT CALLBACK RecordCharA(HWND w, UINT m, WPARAM wp, LPARAM lp)
{
    if (m == WM_CHAR) sink->push_back(wp);
    return DefWindowProcA(w, m, wp, lp);
}

LRESULT CALLBACK RecordCharW(HWND w, UINT m, WPARAM wp, LPARAM lp)
{
    if (m == WM_CHAR) sink->push_back(wp);
    return DefWindowProcW(w, m, wp, lp);
}

class SpineKeys : public ProgramTest {
protected:
    // A focused window of either character width that records the characters it receives.
    HWND MakeCharacterWindow(bool unicode)
    {
        sink = &received_;
        HINSTANCE instance = GetModuleHandleA(nullptr);
        HWND window;
        if (unicode) {
            WNDCLASSW windowClass{};
            windowClass.lpfnWndProc = RecordCharW;
            windowClass.hInstance = instance;
            windowClass.lpszClassName = L"VerkoTestWide";
            RegisterClassW(&windowClass);
            window = CreateWindowW(L"VerkoTestWide", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100, nullptr,
                                   nullptr, instance, nullptr);
        } else {
            WNDCLASSA windowClass{};
            windowClass.lpfnWndProc = RecordCharA;
            windowClass.hInstance = instance;
            windowClass.lpszClassName = "VerkoTestBytes";
            RegisterClassA(&windowClass);
            window = CreateWindowA("VerkoTestBytes", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100, nullptr,
                                   nullptr, instance, nullptr);
        }
        SetFocus(window);
        return window;
    }
    std::vector<WPARAM> received_;
};

}

TEST_F(SpineKeys, TypedCyrillicReachesAByteWindowAsItsWindows1251Byte)
{
    HWND window = MakeCharacterWindow(false);
    ASSERT_EQ(GetFocus(), window);
    TypeText(u"A\u044F\u0401\u20AC\u00A9\u4E00");   // A я Ё € © and a letter no Cyrillic coding has
    EXPECT_EQ(received_, (std::vector<WPARAM>{'A', 0xFF, 0xA8, 0x88, 0xA9, '?'}));
    DestroyWindow(window);
    UnregisterClassA("VerkoTestBytes", GetModuleHandleA(nullptr));
}

TEST_F(SpineKeys, UnicodeWindowsGetTheCharacterItself)
{
    HWND window = MakeCharacterWindow(true);
    ASSERT_EQ(GetFocus(), window);
    TypeText(u"b\u044F");
    EXPECT_EQ(received_, (std::vector<WPARAM>{'b', 0x44F}));
    DestroyWindow(window);
    UnregisterClassW(L"VerkoTestWide", GetModuleHandleA(nullptr));
}

TEST_F(SpineKeys, CtrlAltArrowBeepsAndLeavesTheCaret)
{
    ASSERT_NE(Start(), nullptr);
    Pump();
    ASSERT_NE(Editor.Window, nullptr);
    SendMessageA(Editor.Window, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("abc"));
    CommandRecorder recorder(main_);
    PressKey(VK_LEFT, Ctrl | Alt);
    PressKey(VK_RIGHT, Ctrl | Alt | Shift);
    EXPECT_EQ(recorder.Commands(), (std::vector<WORD>{202, 207}));
    CHARRANGE selection{};
    SendMessageA(Editor.Window, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    EXPECT_EQ(selection.cpMin, 3);
    EXPECT_EQ(selection.cpMax, 3);
    EXPECT_EQ(WindowText(main_), "[NoName]-VERKO");
}
