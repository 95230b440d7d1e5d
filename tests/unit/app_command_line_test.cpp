#include "app/command_line.h"
#include "app/startup_rules.h"
#include <gtest/gtest.h>

namespace {

void ExpectRequest(const wchar_t* line, bool print, const wchar_t* fileName)
{
    CommandLineRequest request = ParseCommandLine(line);
    EXPECT_EQ(request.print, print) << testing::PrintToString(std::wstring(line));
    EXPECT_EQ(request.fileName, fileName) << testing::PrintToString(std::wstring(line));
}

}

TEST(CommandLine, ProgramNameAloneNamesNothing)
{
    ExpectRequest(L"verko.exe", false, L"");
    ExpectRequest(L"verko.exe   ", false, L"");
    ExpectRequest(L"\"C:\\Program Files\\Verko\\verko.exe\"", false, L"");
    ExpectRequest(L"\"C:\\Program Files\\Verko\\verko.exe\"  ", false, L"");
    ExpectRequest(L"", false, L"");
}

TEST(CommandLine, QuotedProgramNameMayHoldBlanks)
{
    ExpectRequest(L"\"C:\\My Tools\\verko.exe\" letter.txt", false, L"letter.txt");
    ExpectRequest(L"\"C:\\My Tools\\verko.exe\"letter.txt", false, L"letter.txt");
}

TEST(CommandLine, PrintSwitchInAnySpelling)
{
    ExpectRequest(L"verko /P letter.txt", true, L"letter.txt");
    ExpectRequest(L"verko /p letter.txt", true, L"letter.txt");
    ExpectRequest(L"verko /print letter.txt", true, L"letter.txt");
    ExpectRequest(L"verko /p", true, L"");
    ExpectRequest(L"verko /PRINT   \"a b.txt\"", true, L"a b.txt");
}

TEST(CommandLine, OnlyPIsASwitch)
{
    ExpectRequest(L"verko /x a.txt", false, L"/x a.txt");
    ExpectRequest(L"verko -p a.txt", false, L"-p a.txt");
    ExpectRequest(L"verko p a.txt", false, L"p a.txt");
}

TEST(CommandLine, NameWithBlanksWithOrWithoutQuotes)
{
    ExpectRequest(L"verko my letter.txt", false, L"my letter.txt");
    ExpectRequest(L"verko \"my letter.txt\"", false, L"my letter.txt");
    ExpectRequest(L"verko \"my letter.txt\" ignored", false, L"my letter.txt");
    ExpectRequest(L"verko    \"  \"my letter.txt", false, L"my letter.txt");
    ExpectRequest(L"verko \u041c\u043e\u0439 \u0442\u0435\u043a\u0441\u0442.txt", false,
                  L"\u041c\u043e\u0439 \u0442\u0435\u043a\u0441\u0442.txt");
}

TEST(CommandLine, SwitchMustComeFirst)
{
    ExpectRequest(L"verko letter.txt /p", false, L"letter.txt /p");
}

TEST(StartupRules, TextLimitIsHalfTheMemoryWithLowBitsSet)
{
    EXPECT_EQ(ComputeTextLimit(0), 0xFFFFFu);
    EXPECT_EQ(ComputeTextLimit(64u << 20), (32u << 20) | 0xFFFFFu);
    EXPECT_EQ(ComputeTextLimit(0x80000000u), 0x400FFFFFu);          // 2 GB
    EXPECT_EQ(ComputeTextLimit(0xFFFFFFFFu), 0x7FFFFFFFu);          // 4 GB
    EXPECT_EQ(ComputeTextLimit(uint64_t(16) << 30), 0x7FFFFFFFu);   // 16 GB does not wrap
}

TEST(StartupRules, PlacementTrackedOnlyForNormalStartsWithRestoreSize)
{
    EXPECT_TRUE(IsPlacementTracked(true, 1));
    EXPECT_TRUE(IsPlacementTracked(true, 10));
    EXPECT_FALSE(IsPlacementTracked(false, 1));
    EXPECT_FALSE(IsPlacementTracked(true, 2));   // minimised
    EXPECT_FALSE(IsPlacementTracked(true, 3));   // maximised
    EXPECT_FALSE(IsPlacementTracked(true, 0));   // hidden
    EXPECT_FALSE(IsPlacementTracked(true, 7));   // minimised, not active
}
