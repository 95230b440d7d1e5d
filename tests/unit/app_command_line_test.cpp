#include "app/command_line.h"
#include "app/startup_rules.h"
#include <gtest/gtest.h>
#include <codecvt>
#include <locale>

namespace {

// The line is UTF-8 here and wide for the program, as the system hands it over.
void ExpectRequest(const std::string& line, bool print, const std::string& fileName)
{
    std::wstring_convert<std::codecvt_utf8<wchar_t>> utf8;
    CommandLineRequest request = ParseCommandLine(utf8.from_bytes(line).c_str());
    EXPECT_EQ(request.print, print) << line;
    EXPECT_EQ(request.fileName, utf8.from_bytes(fileName)) << line;
}

}

TEST(CommandLine, ProgramNameAloneNamesNothing)
{
    ExpectRequest("verko.exe", false, "");
    ExpectRequest("verko.exe   ", false, "");
    ExpectRequest("\"C:\\Program Files\\Verko\\verko.exe\"", false, "");
    ExpectRequest("\"C:\\Program Files\\Verko\\verko.exe\"  ", false, "");
    ExpectRequest("", false, "");
}

TEST(CommandLine, QuotedProgramNameMayHoldBlanks)
{
    ExpectRequest("\"C:\\My Tools\\verko.exe\" letter.txt", false, "letter.txt");
    ExpectRequest("\"C:\\My Tools\\verko.exe\"letter.txt", false, "letter.txt");
}

TEST(CommandLine, PrintSwitchInAnySpelling)
{
    ExpectRequest("verko /P letter.txt", true, "letter.txt");
    ExpectRequest("verko /p letter.txt", true, "letter.txt");
    ExpectRequest("verko /print letter.txt", true, "letter.txt");
    ExpectRequest("verko /p", true, "");
    ExpectRequest("verko /PRINT   \"a b.txt\"", true, "a b.txt");
}

TEST(CommandLine, OnlyPIsASwitch)
{
    ExpectRequest("verko /x a.txt", false, "/x a.txt");
    ExpectRequest("verko -p a.txt", false, "-p a.txt");
    ExpectRequest("verko p a.txt", false, "p a.txt");
}

TEST(CommandLine, NameWithBlanksWithOrWithoutQuotes)
{
    ExpectRequest("verko my letter.txt", false, "my letter.txt");
    ExpectRequest("verko \"my letter.txt\"", false, "my letter.txt");
    ExpectRequest("verko \"my letter.txt\" ignored", false, "my letter.txt");
    ExpectRequest("verko    \"  \"my letter.txt", false, "my letter.txt");
    ExpectRequest("verko Мой текст.txt", false, "Мой текст.txt");
}

TEST(CommandLine, SwitchMustComeFirst)
{
    ExpectRequest("verko letter.txt /p", false, "letter.txt /p");
}

TEST(StartupRules, TextLimitIsHalfTheMemoryWithLowBitsSet)
{
    EXPECT_EQ(ComputeTextLimit(0), 0xFFFFFu);
    EXPECT_EQ(ComputeTextLimit(64u << 20), (32u << 20) | 0xFFFFFu);
    EXPECT_EQ(ComputeTextLimit(0x80000000u), 0x400FFFFFu);          // 2 GB
    EXPECT_EQ(ComputeTextLimit(0xFFFFFFFFu), 0x7FFFFFFFu);          // 4 GB
    EXPECT_EQ(ComputeTextLimit(uint64_t(16) << 30), 0x7FFFFFFFu);   // 16 GB does not wrap
}

TEST(StartupRules, TextLimitRefusalSaysWhatTheLimitIsHalfOf)
{
    const struct {
        uint64_t seen, computer;
        const wchar_t* basis;
    } cases[] = {
        {1u << 30, 1u << 30, L"half of this computer's memory"},
        {0x7FFFFFFFu, uint64_t(8) << 30, L"half of the memory this program sees"},   // 32-bit, 2 GB
        {0xFFFFFFFFu, uint64_t(8) << 30, L"half of the memory this program sees"},   // large-address-aware
        {uint64_t(8) << 30, uint64_t(8) << 30, L"half of 4 GB, the most memory this program counts"},
    };
    for (const auto& c : cases) EXPECT_STREQ(TextLimitBasis(c.seen, c.computer), c.basis) << c.seen;
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
