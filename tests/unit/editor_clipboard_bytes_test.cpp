// The private clipboard record: exact bytes with their count and coding, and
// records from elsewhere that are refused.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/clipboard_bytes.h"

namespace {

TEST(ClipboardBytesRecord, KeepsZerosAndRefusesWhatIsNotARecord)
{
    const std::string bytes("A\0B\rC\nD\f\r\n\0\0end", 16);
    std::vector<uint8_t> record(ClipboardBytesHeader + bytes.size() + 3);   // blocks may be larger
    WriteClipboardBytesHeader(record.data(), static_cast<uint32_t>(bytes.size()), CodingKoi8);
    std::copy(bytes.begin(), bytes.end(), record.begin() + ClipboardBytesHeader);
    ClipboardBytes read{};
    ASSERT_TRUE(ReadClipboardBytes(record.data(), record.size(), read));
    EXPECT_EQ(read.coding, CodingKoi8);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(read.bytes), read.count), bytes);

    struct Bad {
        size_t size;
        uint8_t countLow, coding;
    };
    for (Bad bad : {Bad{4, 16, 0}, Bad{ClipboardBytesHeader + 15, 16, 0}, Bad{record.size(), 16, CodingIso}}) {
        std::vector<uint8_t> broken(record.begin(), record.begin() + bad.size);
        broken[0] = bad.countLow;
        if (bad.size > 4) broken[4] = bad.coding;
        EXPECT_FALSE(ReadClipboardBytes(broken.data(), broken.size(), read)) << "size " << bad.size;
    }
}

}   // namespace
