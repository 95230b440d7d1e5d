#include "editor/clipboard_bytes.h"

void WriteClipboardBytesHeader(uint8_t* record, uint32_t count, Coding coding)
{
    for (int i = 0; i < 4; ++i) record[i] = static_cast<uint8_t>(count >> (8 * i));
    record[4] = static_cast<uint8_t>(coding);
}

bool ReadClipboardBytes(const uint8_t* record, size_t recordSize, ClipboardBytes& read)
{
    if (recordSize < ClipboardBytesHeader || !IsViewCoding(record[4])) return false;
    uint32_t count = 0;
    for (int i = 0; i < 4; ++i) count |= static_cast<uint32_t>(record[i]) << (8 * i);
    if (count > recordSize - ClipboardBytesHeader) return false;
    read = {static_cast<Coding>(record[4]), record + ClipboardBytesHeader, count};
    return true;
}
