// Random key presses from the editor's key table and the accelerators, with
// selections, overwrite, view switches and Undo, on random text holding every
// kind of line break and zero bytes: Undo back to the start must give the
// original bytes. VERKO_SEED repeats a run; the run prints its seed first,
// and every failure repeats it.
#include <cstdio>
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

// clang-format off
const Press Presses[] = {
    {VK_BACK, 0, "Bksp"},           {VK_BACK, Ctrl, "C+Bksp"},       {VK_RETURN, 0, "Enter"},       {VK_RETURN, Ctrl, "C+Enter"},
    {VK_RETURN, Ctrl | Shift, "CS+Enter"}, {VK_DELETE, 0, "Del"},    {VK_DELETE, Ctrl, "C+Del"},    {VK_INSERT, 0, "Ins"},
    {VK_DELETE, Shift, "S+Del"},    {VK_INSERT, Shift, "S+Ins"},     {VK_INSERT, Ctrl, "C+Ins"},    {'X', Ctrl, "C+X"},
    {'V', Ctrl, "C+V"},             {'V', Ctrl | Shift, "CS+V"},     {'H', Ctrl, "C+H"},            {'J', Ctrl, "C+J"},
    {'M', Ctrl, "C+M"},             {VK_TAB, 0, "Tab"},              {VK_LEFT, 0, "Left"},          {VK_RIGHT, 0, "Right"},
    {VK_UP, 0, "Up"},               {VK_DOWN, 0, "Down"},            {VK_HOME, 0, "Home"},          {VK_END, 0, "End"},
    {VK_LEFT, Shift, "S+Left"},     {VK_RIGHT, Shift, "S+Right"},    {VK_DOWN, Shift, "S+Down"},    {VK_END, Shift, "S+End"},
    {VK_HOME, Ctrl | Shift, "CS+Home"}, {VK_RIGHT, Ctrl | Shift, "CS+Right"}, {VK_F2, 0, "F2"},     {VK_F2, Ctrl, "C+F2"},
    {VK_F2, Alt, "A+F2"},           {VK_BACK, Alt, "A+Bksp"},        {'Z', Ctrl, "C+Z"},            {'Z', Ctrl | Shift, "CS+Z"},
};
// clang-format on
const std::u16string Typed = u"aZ 0\u0430\u0451";   // а (OEM 0xA0 goes in directly) and ё
const std::string Pieces[] = {"a", "Q", "\xE0", "\xA0", "\x80", " ", "\r\n", "\r", "\n", std::string(1, '\0'), "\f"};

using KeysAndUndo = EditorTest;

TEST_F(KeysAndUndo, UndoBackToTheStartGivesTheOriginalBytes)
{
    const char* chosen = std::getenv("VERKO_SEED");
    unsigned seed = chosen ? unsigned(std::strtoul(chosen, nullptr, 10)) : std::random_device()();
    SCOPED_TRACE("VERKO_SEED=" + std::to_string(seed));
    std::printf("VERKO_SEED=%u replays this run\n", seed);   // also when the run crashes or hangs
    std::fflush(stdout);
    std::mt19937 random(seed);
    for (int round = 0; round < 12 && !HasFailure(); ++round) {
        std::string original, keys;
        for (size_t n = random() % 30; n > 0; --n) original += Pieces[random() % std::size(Pieces)];
        SetDocument(original);
        for (int n = 0; n < 32; ++n) {
            if (random() % 4 == 0) {
                char16_t letter = Typed[random() % Typed.size()];
                TypeText(std::u16string(1, letter));
                keys += "U+" + std::to_string(letter) + " ";
                continue;
            }
            const Press& press = Presses[random() % std::size(Presses)];
            PressKey(press.key, press.modifiers);
            keys += std::string(press.name) + " ";
        }
        for (int n = 0; n < 400 && UndoAvailable(); ++n) PressKey(n % 2 ? 'Z' : VK_BACK, n % 2 ? Ctrl : Alt);
        EXPECT_EQ(EditorBytes(), original) << "round " << round << ": " << keys;
    }
}

}   // namespace
