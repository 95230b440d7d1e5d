// Key presses and typing in the program tests, delivered as the keyboard
// driver delivers them: modifier keys first, then the key down, the
// characters TranslateMessage makes of it in the program's own loop, the key
// up, and the modifiers released.
#include "tests/program/harness.h"

namespace {

struct Modifier {
    unsigned flag;
    UINT key;
    UINT leftKey;
};
constexpr Modifier Modifiers[] = {
    {Ctrl, VK_CONTROL, VK_LCONTROL}, {Shift, VK_SHIFT, VK_LSHIFT}, {Alt, VK_MENU, VK_LMENU}};

constexpr LPARAM ExtendedKey = 1 << 24;
constexpr LPARAM AltContext = 1 << 29;
constexpr LPARAM Released = 0xC0000000;   // previous state down, transition up

// The navigation block: Page Up to Down, Insert and Delete.
bool IsExtendedKey(UINT key)
{
    return (key >= VK_PRIOR && key <= VK_DOWN) || key == VK_INSERT || key == VK_DELETE;
}

void HoldInKeyboardState(unsigned held)
{
    BYTE state[256];
    GetKeyboardState(state);
    for (const Modifier& m : Modifiers) state[m.key] = state[m.leftKey] = (held & m.flag) ? 0x80 : 0;
    SetKeyboardState(state);
}

// With Alt held and Ctrl not, keys are system keys; releasing Alt or Ctrl
// while Alt is down is one too.
UINT KeyMessage(UINT virtualKey, bool down, unsigned held)
{
    bool alt = held & Alt, ctrl = held & Ctrl;
    bool system = alt && (down ? !ctrl : (!ctrl || virtualKey == VK_MENU || virtualKey == VK_CONTROL));
    if (system) return down ? WM_SYSKEYDOWN : WM_SYSKEYUP;
    return down ? WM_KEYDOWN : WM_KEYUP;
}

LPARAM KeyFlags(UINT virtualKey, bool down, unsigned held)
{
    LPARAM flags = 1 | (LPARAM(MapVirtualKeyA(virtualKey, 0)) << 16);
    if (IsExtendedKey(virtualKey)) flags |= ExtendedKey;
    if (held & Alt) flags |= AltContext;
    if (!down) flags |= Released;
    return flags;
}

}   // namespace

void ProgramTest::DeliverKey(UINT virtualKey, bool down, unsigned held)
{
    HoldInKeyboardState(held);
    HWND target = GetFocus() ? GetFocus() : main_;
    PostMessageW(target, KeyMessage(virtualKey, down, held), virtualKey, KeyFlags(virtualKey, down, held));
    Pump();
}

void ProgramTest::PressKey(UINT virtualKey, unsigned modifiers)
{
    BYTE saved[256];
    GetKeyboardState(saved);
    unsigned held = 0;
    for (const Modifier& m : Modifiers) {
        if (!(modifiers & m.flag)) continue;
        held |= m.flag;
        DeliverKey(m.key, true, held);
    }
    DeliverKey(virtualKey, true, held);
    DeliverKey(virtualKey, false, held);
    for (auto m = std::rbegin(Modifiers); m != std::rend(Modifiers); ++m) {
        if (!(held & m->flag)) continue;
        DeliverKey(m->key, false, held);
        held &= ~m->flag;
    }
    SetKeyboardState(saved);
}

void ProgramTest::TypeText(const std::u16string& text)
{
    // A character no key of the layout makes comes as VK_PACKET, as from an
    // input method; TranslateMessage turns it into the character.
    for (char16_t ch : text) {
        HWND target = GetFocus() ? GetFocus() : main_;
        PostMessageW(target, WM_KEYDOWN, VK_PACKET, LPARAM(ch) << 16 | 1);
        Pump();
        PostMessageW(target, WM_KEYUP, VK_PACKET, LPARAM(ch) << 16 | 1);
        Pump();
    }
}
