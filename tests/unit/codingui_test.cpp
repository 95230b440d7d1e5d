// The font preview's picture in each coding and the font size arithmetic.
#include <gtest/gtest.h>

#include <string>

#include "codingui/font_choices.h"
#include "codingui/font_preview_text.h"
#include "coding/unicode_tables.h"
#include "coding/utf16.h"

TEST(FontPreview, SamePictureInEveryCodingThatHasBoxCharacters)
{
    const std::u16string picture =
        u"Face кривой?\r\n┌──────┐\r\n│ \\  / │\r\n│ O  O │\r\n│  ..  │\r\n│  ──  │\r\n└──────┘";
    for (Coding coding : {CodingAnsi, CodingOem, CodingKoi8}) {
        std::u16string shown;
        for (char b : FontPreviewFor(coding)) shown += ByteToUnicode(coding, uint8_t(b));
        ASSERT_EQ(shown.size(), FontPreviewLength);
        if (coding != CodingAnsi) {
            EXPECT_EQ(shown, picture) << coding;
        }
        EXPECT_EQ(shown.substr(0, 14), picture.substr(0, 14));   // in ANSI the frame turns to look-alikes
        for (char16_t ch : shown) EXPECT_NE(ch, 0xFFFD);
    }
    const std::string utf8 = FontPreviewFor(CodingUtf8);
    std::u16string shown(utf8.size(), u'\0');
    shown.resize(Utf8ToUtf16(reinterpret_cast<const uint8_t*>(utf8.data()), utf8.size(), &shown[0]));
    EXPECT_EQ(shown, picture);
}

// Size - stops only at 80 and Size + only at 520: a size beyond an end still steps towards it.
TEST(FontChoices, ListEntriesAndSizeStepsThatStopOnlyAtTheirEnds)
{
    const struct {
        uint32_t twips;
        int entry;
        uint32_t down, up;
    } cases[] = {{200, 9, 180, 220},    {20, 0, 20, 40},     {400, 19, 380, 420}, {80, 3, 80, 100},
                 {500, -1, 480, 520},   {520, -1, 500, 520}, {90, -1, 70, 110},   {210, -1, 190, 230},
                 {1000, -1, 980, 1000}, {0, -1, 0, 20}};
    for (const auto& c : cases) {
        EXPECT_EQ(SizeChoiceIndex(c.twips), c.entry) << c.twips;
        EXPECT_EQ(SteppedSize(c.twips, SizeStep::Down), c.down) << c.twips;
        EXPECT_EQ(SteppedSize(c.twips, SizeStep::Up), c.up) << c.twips;
    }
    EXPECT_EQ(SteppedSize(0xFFFFFFFF, SizeStep::Down), 0xFFFFFFEBu);
    for (uint32_t set : {204u, 255u, 1u}) EXPECT_EQ(CharsetChoices[CharsetChoiceIndex(set)].value, set);
    EXPECT_EQ(CharsetChoiceIndex(0), -1);
}
