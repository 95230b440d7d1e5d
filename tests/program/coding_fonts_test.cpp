// The font of each view coding: the dialog opens on the stored values, OK
// writes them and Cancel nothing; Size - and Size + step within their range.
#include "codingui/font_preview_text.h"
#include "pictures.h"
#include "settings/settings.h"
#include "tests/program/editor_test_support.h"

namespace {

std::string Chosen(HWND dialog, int list)
{
    LRESULT entry = SendDlgItemMessageA(dialog, list, CB_GETCURSEL, 0, 0);
    char text[LF_FACESIZE] = "-";
    if (entry >= 0) SendDlgItemMessageA(dialog, list, CB_GETLBTEXT, entry, reinterpret_cast<LPARAM>(text));
    return text;
}

// Face, character set, size, bold and italic as the dialog shows them.
std::string Shown(HWND dialog)
{
    return Chosen(dialog, IDC_FONT_FACE) + " " + Chosen(dialog, IDC_FONT_CHARSET) + " " + Chosen(dialog, IDC_FONT_SIZE)
        + " " + std::to_string(IsDlgButtonChecked(dialog, IDC_FONT_BOLD))
        + std::to_string(IsDlgButtonChecked(dialog, IDC_FONT_ITALIC));
}

// As a user picks: the entry, then the list's notice to the dialog.
void Choose(HWND dialog, int list, LRESULT entry)
{
    SendDlgItemMessageA(dialog, list, CB_SETCURSEL, entry, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(list, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, list)));
}

// The coding's face, character set, effects and size as stored, "-" for a missing one.
std::string Stored(Coding coding)
{
    std::string stored = ReadRegistryText(SettingName::FontFace[ViewRow(coding)]).value_or("-");
    for (const char* const* names : {SettingName::FontCharacterSet, SettingName::FontEffects, SettingName::FontSize}) {
        std::optional<uint32_t> number = ReadRegistryNumber(names[ViewRow(coding)]);
        stored += " " + (number ? std::to_string(*number) : "-");
    }
    return stored;
}

using CodingFonts = EditorTest;

}   // namespace

TEST_F(CodingFonts, DialogShowsStoredValuesOkWritesThemCancelNothing)
{
    const char* defaultSets[ViewRowCount] = {"RUSSIAN_CHARSET", "OEM_CHARSET", "DEFAULT_CHARSET", "DEFAULT_CHARSET"};
    const WORD commands[ViewRowCount] = {CMD_FONT_ANSI, CMD_FONT_OEM, CMD_FONT_KOI8, CMD_FONT_UTF8};
    for (Coding coding : {CodingOem, CodingKoi8, CodingUtf8, CodingAnsi}) {   // ANSI, the view, last: only it is shown anew
        DeleteSettingsKey();
        std::string face;
        InDialog(commands[ViewRow(coding)], " Font", [&](HWND dialog) {
            EXPECT_EQ(Shown(dialog), std::string("- ") + defaultSets[ViewRow(coding)] + " 10 00");
            HWND preview = GetDlgItem(dialog, IDC_FONT_PREVIEW);
            EXPECT_EQ(SendMessageA(preview, TCM_GETVIEWCODING, 0, 0), coding);
            EXPECT_EQ(WindowText(preview), FontPreviewFor(coding));
            SaveBitmap(BesideTheProgram(("font_dialog_" + std::to_string(coding) + ".bmp").c_str()),
                       GrabWindow(dialog));
            Choose(dialog, IDC_FONT_FACE, 1);
            Choose(dialog, IDC_FONT_CHARSET, 1);
            Choose(dialog, IDC_FONT_SIZE, 11);
            CheckDlgButton(dialog, IDC_FONT_BOLD, BST_CHECKED);
            SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_FONT_BOLD, BN_CLICKED), 0);
            face = Chosen(dialog, IDC_FONT_FACE);
            CHARFORMATA shown = FormatOf(preview);
            EXPECT_EQ(shown.szFaceName + std::to_string(shown.yHeight) + std::to_string(shown.dwEffects & CFE_BOLD),
                      face + "2401");
            PressButton(dialog, IDOK);
        });
        for (Coding other : {CodingAnsi, CodingOem, CodingKoi8, CodingUtf8})
            EXPECT_EQ(Stored(other), other == coding ? face + " 255 1 240" : "- - - -");
        EXPECT_EQ(FormatOf(Editor.Window).yHeight, coding == CodingAnsi ? 240 : 200);
    }

    DeleteSettingsKey();
    InDialog(CMD_FONT_OEM, " Font", [](HWND dialog) {
        Choose(dialog, IDC_FONT_SIZE, 3);
        PressButton(dialog, IDCANCEL);
    });
    EXPECT_FALSE(SettingsKeyExists());

    // A size and a set the lists do not offer are kept, never turned into a size of 0;
    // a face the list does not hold gives way to what the list shows, the empty face.
    DWORD size = 460, effects = CFE_BOLD | CFE_ITALIC, set = 77;
    WriteRegistryValue("SizeK", REG_DWORD, &size, sizeof size);
    WriteRegistryValue("EffK", REG_DWORD, &effects, sizeof effects);
    WriteRegistryValue("SetK", REG_DWORD, &set, sizeof set);
    WriteRegistryValue("FontK", REG_SZ, "No Face", sizeof "No Face");
    InDialog(CMD_FONT_KOI8, " Font", [](HWND dialog) {
        EXPECT_EQ(Shown(dialog), "- - - 11");
        PressButton(dialog, IDOK);
    });
    EXPECT_EQ(Stored(CodingKoi8), " 77 3 460");
}

TEST_F(CodingFonts, SizeStepsStopAtTheirEndsAndShowTheNewSize)
{
    const struct {
        Coding view;
        DWORD stored;   // 0: nothing stored
        UINT key;
        LONG expected;
    } cases[] = {
        {CodingOem, 500, VK_ADD, 520},      {CodingOem, 520, VK_OEM_PLUS, 520}, {CodingAnsi, 100, VK_SUBTRACT, 80},
        {CodingAnsi, 80, VK_OEM_MINUS, 80}, {CodingKoi8, 0, VK_ADD, 220},       {CodingKoi8, 0, VK_SUBTRACT, 180},
        {CodingUtf8, 300, VK_ADD, 320},
    };
    for (const auto& c : cases) {
        DeleteSettingsKey();
        if (c.stored) WriteRegistryValue(SettingName::FontSize[ViewRow(c.view)], REG_DWORD, &c.stored, sizeof c.stored);
        View(c.view);
        PressKey(c.key, Ctrl);
        EXPECT_EQ(ReadRegistryNumber(SettingName::FontSize[ViewRow(c.view)]).value_or(200), uint32_t(c.expected));
        EXPECT_EQ(FormatOf(Editor.Window).yHeight, c.expected);
    }
}
