// The private clipboard record: exact bytes with their count and coding, and
// records from elsewhere that are refused.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "editor/clipboard_bytes.h"

namespace {

TEST(ClipboardBytesRecord, KeepsZerosAndRefusesWhatIsNotARecord)
{
    const std::string bytes("A\0B\rC\nD\f\r\n\0\0end", 15);
    std::vector<uint8_t> record(ClipboardBytesHeader + bytes.size() + 3);   // blocks may be larger
    WriteClipboardBytesHeader(record.data(), static_cast<uint32_t>(bytes.size()), CodingKoi8);
    std::copy(bytes.begin(), bytes.end(), record.begin() + ClipboardBytesHeader);
    ClipboardBytes read{};
    ASSERT_TRUE(ReadClipboardBytes(record.data(), record.size(), read));
    EXPECT_EQ(read.coding, CodingKoi8);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(read.bytes), read.count), bytes);
    record[4] = CodingUtf8;
    ASSERT_TRUE(ReadClipboardBytes(record.data(), record.size(), read));
    EXPECT_EQ(read.coding, CodingUtf8);

    // Too short for the header, a count past the end, a coding that is not shown.
    const std::pair<size_t, uint8_t> bad[] = {{4, 0}, {ClipboardBytesHeader + 14, 0}, {record.size(), CodingIso}, {record.size(), CodingUtf8 + 1}};
    for (auto [size, coding] : bad) {
        std::vector<uint8_t> broken(record.begin(), record.begin() + size);
        if (size > 4) broken[4] = coding;
        EXPECT_FALSE(ReadClipboardBytes(broken.data(), broken.size(), read)) << "size " << size;
    }
}

}   // namespace
