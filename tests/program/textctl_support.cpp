#include "textctl_support.h"

#include <algorithm>
#include <cstring>

#include "textctl/textctl.h"

namespace {

constexpr char HostClass[] = "VerkoTextTestHost";

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(window, message, wParam, lParam);
}

void RegisterHost()
{
    WNDCLASSA host = {};
    host.lpfnWndProc = HostProc;
    host.hInstance = GetModuleHandleA(nullptr);
    host.lpszClassName = HostClass;
    RegisterClassA(&host);
}

}   // namespace

DWORD CALLBACK MemoryStreamInCallback(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* got)
{
    auto* stream = reinterpret_cast<MemoryStreamCookie*>(cookie);
    *got = 0;
    if (++stream->calls == stream->failAt) return stream->failWith;
    size_t count = std::min<size_t>(
        {static_cast<size_t>(wanted), static_cast<size_t>(stream->chunk), stream->in.size() - stream->position});
    std::memcpy(buffer, stream->in.data() + stream->position, count);
    stream->position += count;
    *got = static_cast<LONG>(count);
    return 0;
}

DWORD CALLBACK MemoryStreamOutCallback(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* taken)
{
    auto* stream = reinterpret_cast<MemoryStreamCookie*>(cookie);
    *taken = 0;
    if (++stream->calls == stream->failAt) return stream->failWith;
    LONG take = std::min(count, stream->chunk);
    stream->out.append(reinterpret_cast<const char*>(buffer), static_cast<size_t>(take));
    *taken = take;
    return 0;
}

std::string AwkwardBytes()
{
    std::string bytes;
    for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
    bytes += std::string("a\rb\nc\r\nd\0e\r\r\n\n\r", 15);
    return bytes;
}

HWND TextControlTest::host_ = nullptr;

void TextControlTest::SetUpTestSuite()
{
    RegisterTextControl(GetModuleHandleA(nullptr));
    RegisterHost();
    host_ = CreateWindowExA(0, HostClass, "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 640, 480, nullptr, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
}

void TextControlTest::TearDownTestSuite()
{
    if (host_) DestroyWindow(host_);
    host_ = nullptr;
}

void TextControlTest::SetUp()
{
    ASSERT_TRUE(RegisterTextControl(GetModuleHandleA(nullptr)));
    ASSERT_NE(host_, nullptr);
    Recreate(NoWrapStyles);
}

void TextControlTest::Recreate(DWORD extraStyle)
{
    if (control_) DestroyWindow(control_);
    DWORD style = WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_SELECTIONBAR | ES_AUTOVSCROLL
        | ES_NOOLEDRAGDROP | extraStyle;
    control_ = CreateWindowExA(0, TextControlClassName, "", style, 0, 0, 600, 400, host_, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(control_, nullptr);
    Send(EM_EXLIMITTEXT, 0, 0x7FFFFFFF);
    SetFocus(control_);
    Pump();
}

void TextControlTest::TearDown()
{
    if (control_) DestroyWindow(control_);
    control_ = nullptr;
    BYTE keys[256] = {};
    SetKeyboardState(keys);
}

LRESULT TextControlTest::Send(UINT message, WPARAM wParam, LPARAM lParam)
{
    return SendMessageA(control_, message, wParam, lParam);
}

LRESULT TextControlTest::StreamIn(const std::string& bytes, DWORD format, LONG chunk)
{
    MemoryStreamCookie cookie;
    cookie.in = bytes;
    cookie.chunk = chunk;
    EDITSTREAM stream = {reinterpret_cast<DWORD_PTR>(&cookie), 0, MemoryStreamInCallback};
    LRESULT result = Send(EM_STREAMIN, format, reinterpret_cast<LPARAM>(&stream));
    EXPECT_EQ(stream.dwError, 0u);
    return result;
}

std::string TextControlTest::StreamOut(DWORD format, LONG chunk)
{
    MemoryStreamCookie cookie;
    cookie.chunk = chunk;
    EDITSTREAM stream = {reinterpret_cast<DWORD_PTR>(&cookie), 0, MemoryStreamOutCallback};
    LRESULT count = Send(EM_STREAMOUT, format, reinterpret_cast<LPARAM>(&stream));
    EXPECT_EQ(static_cast<size_t>(count), cookie.out.size());
    return cookie.out;
}

std::string TextControlTest::Range(LONG start, LONG end)
{
    std::string buffer(static_cast<size_t>(Send(WM_GETTEXTLENGTH)) + 1, '\x55');
    TEXTRANGEA range = {{start, end}, &buffer[0]};
    LRESULT count = Send(EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range));
    EXPECT_EQ(buffer[static_cast<size_t>(count)], '\0');
    return buffer.substr(0, static_cast<size_t>(count));
}

CHARRANGE TextControlTest::Selection()
{
    CHARRANGE range = {-5, -5};
    Send(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    return range;
}

void TextControlTest::Select(LONG start, LONG end)
{
    CHARRANGE range = {start, end};
    Send(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

void TextControlTest::Pump()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void TextControlTest::Key(WPARAM key, bool shift, bool control)
{
    BYTE keys[256] = {};
    if (shift) keys[VK_SHIFT] = keys[VK_LSHIFT] = 0x80;
    if (control) keys[VK_CONTROL] = keys[VK_LCONTROL] = 0x80;
    SetKeyboardState(keys);
    PostMessageA(control_, WM_KEYDOWN, key, 1);
    Pump();
    BYTE none[256] = {};
    SetKeyboardState(none);
}

void TextControlTest::Type(const std::string& bytes)
{
    for (unsigned char b : bytes) Send(WM_CHAR, b, 1);
}
