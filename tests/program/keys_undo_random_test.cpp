// Random key presses from the editor's key table and the accelerators, with
// selections, overwrite, view switches and Undo, on random text holding every
// kind of line break and zero bytes: Undo back to the start must give the
// original bytes. VERKO_SEED repeats a run; a failure prints its seed.
#include <cstdlib>
#include <random>

#include "editor/undo.h"
#include "tests/program/editor_test_support.h"

namespace {

struct Press {
    UINT key;
    unsigned modifiers;
    const char* name;
};

const Press Presses[] = {
    {VK_BACK, 0, "Backspace"},
    {VK_BACK, Ctrl, "Ctrl+Backspace"},
    {VK_RETURN, 0, "Enter"},
    {VK_RETURN, Ctrl, "Ctrl+Enter"},
    {VK_RETURN, Ctrl | Shift, "C+S+Enter"},
    {VK_DELETE, 0, "Delete"},
    {VK_DELETE, Ctrl, "Ctrl+Delete"},
    {VK_INSERT, 0, "Insert"},
    {VK_DELETE, Shift, "Shift+Delete"},
    {VK_INSERT, Shift, "Shift+Insert"},
    {VK_INSERT, Ctrl, "Ctrl+Insert"},
    {'X', Ctrl, "Ctrl+X"},
    {'V', Ctrl, "Ctrl+V"},
    {'V', Ctrl | Shift, "C+S+V"},
    {'H', Ctrl, "Ctrl+H"},
    {'J', Ctrl, "Ctrl+J"},
    {'M', Ctrl, "Ctrl+M"},
    {VK_TAB, 0, "Tab"},
    {VK_LEFT, 0, "Left"},
    {VK_RIGHT, 0, "Right"},
    {VK_UP, 0, "Up"},
    {VK_DOWN, 0, "Down"},
    {VK_HOME, 0, "Home"},
    {VK_END, 0, "End"},
    {VK_LEFT, Shift, "Shift+Left"},
    {VK_RIGHT, Shift, "Shift+Right"},
    {VK_DOWN, Shift, "Shift+Down"},
    {VK_END, Shift, "Shift+End"},
    {VK_HOME, Ctrl | Shift, "C+S+Home"},
    {VK_RIGHT, Ctrl | Shift, "C+S+Right"},
    {VK_F2, 0, "F2"},
    {VK_F2, Ctrl, "Ctrl+F2"},
    {VK_F2, Alt, "Alt+F2"},
    {VK_BACK, Alt, "Alt+Backspace"},
    {'Z', Ctrl, "Ctrl+Z"},
    {'Z', Ctrl | Shift, "C+S+Z"},
};
const std::u16string Typed = u"aZ 0\u0430\u0451";   // а (OEM 0xA0 goes in directly) and ё
const std::string Pieces[] = {"a", "Q", "\xE0", "\xA0", "\x80", " ", "\r\n", "\r", "\n", std::string(1, '\0'), "\f"};

std::string Hex(const std::string& bytes)
{
    std::string hex;
    char byte[4];
    for (unsigned char b : bytes) hex += (snprintf(byte, sizeof byte, "%02X ", b), byte);
    return hex;
}

class KeysAndUndo : public EditorTest {
protected:
    // One random key or typed character; returns what it was.
    std::string Step(std::mt19937& random)
    {
        if (random() % 4 == 0) {
            std::u16string letter(1, Typed[random() % Typed.size()]);
            TypeText(letter);
            return "type U+" + std::to_string(letter[0]);
        }
        const Press& press = Presses[random() % std::size(Presses)];
        PressKey(press.key, press.modifiers);
        return press.name;
    }
};

TEST_F(KeysAndUndo, UndoBackToTheStartGivesTheOriginalBytes)
{
    const char* chosen = std::getenv("VERKO_SEED");
    unsigned seed = chosen ? unsigned(std::strtoul(chosen, nullptr, 10)) : std::random_device()();
    SCOPED_TRACE("VERKO_SEED=" + std::to_string(seed));
    std::mt19937 random(seed);
    for (int round = 0; round < 12 && !HasFailure(); ++round) {
        std::string original;
        for (size_t n = random() % 30; n > 0; --n) original += Pieces[random() % std::size(Pieces)];
        SetDocument(original);
        std::string keys;
        for (int n = 0; n < 32; ++n) keys += Step(random) + ", ";
        for (int n = 0; n < 400 && UndoAvailable(); ++n) PressKey(n % 2 ? 'Z' : VK_BACK, n % 2 ? Ctrl : Alt);
        EXPECT_EQ(Hex(EditorBytes()), Hex(original)) << "round " << round << ": " << keys;
    }
}

}   // namespace
