// A top-level window holding one text control, and helpers that move bytes
// in and out of it through its messages.
#pragma once
#include <windows.h>
#include <richedit.h>
#include <gtest/gtest.h>
#include <string>

constexpr DWORD NoWrapStyles = WS_HSCROLL | ES_AUTOHSCROLL;

class TextControlTest : public testing::Test {
protected:
    // One visible host for the suite: destroying a top-level window under
    // Wine waits for the X server, so it is done once.
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;
    // Creates the control anew with these extra styles (the default adds no wrap).
    void Recreate(DWORD extraStyle);

    // Whole text through EM_STREAMIN / EM_STREAMOUT in chunks of at most chunk bytes.
    LRESULT StreamIn(const std::string& bytes, DWORD format = SF_TEXT, LONG chunk = 1 << 20);
    std::string StreamOut(DWORD format = SF_TEXT, LONG chunk = 1 << 20);
    std::string Text() { return StreamOut(); }
    std::string Range(LONG start, LONG end);
    CHARRANGE Selection();
    void Select(LONG start, LONG end);
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // A key pressed with these modifiers held (SetKeyboardState), then the queue pumped.
    void Key(WPARAM key, bool shift = false, bool control = false);
    void Type(const std::string& bytes);
    void Pump();

    static HWND host_;
    HWND control_ = nullptr;
};

// A memory stream for EDITSTREAM: reads from `in` or appends to `out`,
// delivering at most `chunk` bytes per call, failing with `failWith` on call
// number `failAt` (counted from 1; 0 never fails).
struct MemoryStreamCookie {
    std::string in;
    size_t position = 0;
    std::string out;
    LONG chunk = 1 << 20;
    int calls = 0;
    int failAt = 0;
    DWORD failWith = 0;
};
DWORD CALLBACK MemoryStreamInCallback(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* got);
DWORD CALLBACK MemoryStreamOutCallback(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* taken);

// Every byte 0x00..0xFF, then lone CR, lone LF, CR LF and zero bytes.
std::string AwkwardBytes();
