#include <gtest/gtest.h>

#include <random>
#include <string>

#include "tests/unit/text_buffer_model.h"
#include "textctl/text_buffer.h"

namespace {

const uint8_t* Bytes(const std::string& s)
{
    return reinterpret_cast<const uint8_t*>(s.data());
}

std::string Contents(const TextBuffer& buffer)
{
    std::string s(buffer.Length(), '\0');
    buffer.CopyOut(0, s.size(), reinterpret_cast<uint8_t*>(&s[0]));
    return s;
}

TEST(TextBuffer, EmptyBufferHasOneEmptyLine)
{
    TextBuffer buffer;
    EXPECT_EQ(buffer.Length(), 0u);
    EXPECT_EQ(buffer.LineCount(), 1u);
    EXPECT_EQ(buffer.LineStart(0), 0u);
    EXPECT_EQ(buffer.LineLength(0), 0u);
    EXPECT_EQ(buffer.LineBreakLength(0), 0u);
    EXPECT_EQ(buffer.LineFromPos(0), 0u);
    size_t available = 7;
    EXPECT_EQ(buffer.Span(0, &available), nullptr);
    EXPECT_EQ(available, 0u);
    EXPECT_EQ(buffer.At(0), 0);
    EXPECT_EQ(buffer.CopyOut(0, 5, nullptr), 0u);
}

TEST(TextBuffer, BreakKindsAndLengths)
{
    TextBuffer buffer;
    const std::string text = "ab\r\ncd\ref\n\ngh";
    ASSERT_TRUE(buffer.Insert(0, Bytes(text), text.size()));
    EXPECT_EQ(buffer.LineCount(), 5u);
    EXPECT_EQ(buffer.LineBreakLength(0), 2u);
    EXPECT_EQ(buffer.LineBreakLength(1), 1u);
    EXPECT_EQ(buffer.LineBreakLength(2), 1u);
    EXPECT_EQ(buffer.LineLength(3), 0u);
    EXPECT_EQ(buffer.LineStart(4), 11u);
    EXPECT_EQ(buffer.LineLength(4), 2u);
    EXPECT_EQ(buffer.LineFromPos(3), 0u);   // between CR and LF
    EXPECT_EQ(buffer.LineFromPos(4), 1u);
}

TEST(TextBuffer, CrAndLfMergeAndSplit)
{
    TextBuffer buffer;
    ASSERT_TRUE(buffer.Insert(0, Bytes("a\nb"), 3));
    ASSERT_TRUE(buffer.Insert(1, Bytes("\r"), 1));   // a CR LF b
    EXPECT_EQ(buffer.LineCount(), 2u);
    EXPECT_EQ(buffer.LineBreakLength(0), 2u);
    ASSERT_TRUE(buffer.Insert(2, Bytes("x"), 1));   // a CR x LF b: two breaks
    EXPECT_EQ(buffer.LineCount(), 3u);
    buffer.Erase(2, 1);   // joined again
    EXPECT_EQ(buffer.LineCount(), 2u);
    EXPECT_EQ(buffer.LineStart(1), 3u);
    buffer.Erase(1, 1);
    EXPECT_EQ(Contents(buffer), "a\nb");
    EXPECT_EQ(buffer.LineBreakLength(0), 1u);
}

TEST(TextBuffer, ReplaceAndClampedEdits)
{
    TextBuffer buffer;
    ASSERT_TRUE(buffer.Insert(0, Bytes("hello world"), 11));
    ASSERT_TRUE(buffer.Replace(6, 5, Bytes("there\r\n"), 7));
    EXPECT_EQ(Contents(buffer), "hello there\r\n");
    buffer.Erase(100, 3);    // past the end: nothing
    buffer.Erase(11, 100);   // clamped to the end
    EXPECT_EQ(Contents(buffer), "hello there");
    ASSERT_TRUE(buffer.Insert(1000, Bytes("!"), 1));   // clamped to the end
    EXPECT_EQ(Contents(buffer), "hello there!");
    buffer.Clear();
    EXPECT_EQ(buffer.Length(), 0u);
    EXPECT_EQ(buffer.LineCount(), 1u);
}

TEST(TextBuffer, CrLfAcrossChunkBoundaryAfterLargeAppends)
{
    // Fill so that a CR ends one chunk and the LF starts the next.
    TextBuffer buffer;
    std::string text(65535, 'x');
    text += '\r';
    ASSERT_TRUE(buffer.Insert(0, Bytes(text), text.size()));
    ASSERT_TRUE(buffer.Insert(buffer.Length(), Bytes("\nyy"), 3));
    text += "\nyy";
    EXPECT_EQ(CompareWithModel(buffer, text), "");
    buffer.Erase(65536, 1);   // lone CR at a chunk end
    text.erase(65536, 1);
    EXPECT_EQ(CompareWithModel(buffer, text), "");
}

TEST(TextBuffer, OnlyLineFeedsIndexSparselyButAnswerExactly)
{
    TextBuffer buffer;
    std::string text(300000, '\n');
    for (size_t at = 0; at < text.size(); at += 65536)
        ASSERT_TRUE(buffer.Insert(buffer.Length(), Bytes(text) + at, std::min<size_t>(65536, text.size() - at)));
    ASSERT_EQ(buffer.LineCount(), 300001u);
    for (size_t line : {0u, 1u, 31u, 32u, 33u, 65535u, 65536u, 65537u, 299999u, 300000u}) {
        EXPECT_EQ(buffer.LineStart(line), line);
        EXPECT_EQ(buffer.LineFromPos(line), line);
    }
}

// Random edits against the string model, with bytes drawn mostly from CR, LF,
// zero and a few letters so that breaks merge and split often. Half way the
// whole text comes anew, appended piece by piece into the storage it had.
std::string RandomBytes(std::mt19937& random, size_t maxCount)
{
    const char alphabet[] = {'\r', '\n', '\r', '\n', '\0', 'a', 'b', '\xE0'};
    std::string bytes(random() % (maxCount + 1), 'x');
    for (char& c : bytes) c = alphabet[random() % sizeof alphabet];
    return bytes;
}

void RunRandomEdits(unsigned seed, int steps, size_t maxInsert)
{
    std::mt19937 random(seed);
    TextBuffer buffer;
    std::string model;
    for (int step = 0; step < steps; ++step) {
        if (step == steps / 2) {
            buffer.ClearForRefill();
            model.clear();
            for (int piece = 0; piece < 4; ++piece) {
                const std::string more = RandomBytes(random, maxInsert);
                ASSERT_TRUE(buffer.Insert(buffer.Length(), Bytes(more), more.size()));
                model += more;
            }
        }
        if (step == steps / 2 + 3) buffer.EndRefill();
        size_t pos = model.empty() ? 0 : random() % (model.size() + 1);
        size_t eraseCount = random() % 3 == 0 ? random() % (maxInsert / 2 + 1) : 0;
        eraseCount = std::min(eraseCount, model.size() - pos);
        const std::string insert = RandomBytes(random, maxInsert);
        ASSERT_TRUE(buffer.Replace(pos, eraseCount, Bytes(insert), insert.size()));
        model.replace(pos, eraseCount, insert);
        if (step % 7 == 0 || step == steps - 1) {
            std::string difference = CompareWithModel(buffer, model);
            ASSERT_EQ(difference, "") << "seed " << seed << " step " << step;
        }
    }
}

TEST(TextBuffer, RandomSmallEditsMatchModel)
{
    for (unsigned seed = 1; seed <= 40; ++seed) RunRandomEdits(seed, 300, 12);
}

TEST(TextBuffer, RandomLargeEditsAcrossChunksMatchModel)
{
    for (unsigned seed = 100; seed < 102; ++seed) RunRandomEdits(seed, 20, 70000);
}

}   // namespace
