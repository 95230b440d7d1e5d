// The decisions of the transformation commands that need no window.
#include <gtest/gtest.h>

#include "codingui/transform_rules.h"

TEST(TransformRules, StoredChoicesViewsAndRoom)
{
    for (uint32_t stored : {0u, 5u, 6u, 0xFFFFFFFFu}) EXPECT_EQ(DialogEntry(stored, 2), stored <= 5 ? int(stored) : 2);
    // From an OEM view: only a whole text decoded from UTF-8 into a view coding is shown in it.
    EXPECT_EQ(ViewAfterConversion(CodingUtf8, CodingKoi8, true, CodingOem), CodingKoi8);
    for (int to : {CodingAnsi, CodingIso})
        EXPECT_EQ(ViewAfterConversion(CodingUtf8, to, to == CodingIso, CodingOem), CodingOem);
    EXPECT_EQ(ViewAfterConversion(CodingAnsi, CodingKoi8, true, CodingOem), CodingOem);
    EXPECT_TRUE(ResultRoom(10, 4, 12) == 6u && ResultRoom(20, 4, 12) == 0u);
}
