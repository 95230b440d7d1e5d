// The decisions of the transformation commands that need no window.
#include <gtest/gtest.h>

#include "codingui/transform_rules.h"

TEST(TransformRules, StoredChoicesViewsAndRoom)
{
    for (uint32_t stored : {0u, 5u, 6u, 0x80000000u, 0xFFFFFFFFu})
        EXPECT_EQ(DialogEntry(stored, 2), stored <= 5 ? int(stored) : 2) << stored;
    EXPECT_STREQ(ConversionCodingName(CodingUtf8), "UTF-8");
    EXPECT_STREQ(ConversionCodingName(CodingMac), "MAC");

    const struct {
        int from, to;
        bool wholeText;
        Coding after;   // from an OEM view
    } cases[] = {
        {CodingUtf8, CodingKoi8, true, CodingKoi8}, {CodingUtf8, CodingAnsi, false, CodingOem},
        {CodingUtf8, CodingIso, true, CodingOem},   {CodingAnsi, CodingUtf8, true, CodingOem},
        {CodingIso, CodingKoi8, true, CodingOem},
    };
    for (const auto& c : cases) EXPECT_EQ(ViewAfterConversion(c.from, c.to, c.wholeText, CodingOem), c.after);

    EXPECT_EQ(ResultRoom(10, 4, 12), 6u);
    EXPECT_EQ(ResultRoom(20, 4, 12), 0u);
}
