// The private clipboard record that carries a selection's exact bytes: the
// text formats end at the first zero byte, so a document holding zeros
// (binary files are documents too) travels between Verko windows this way.
#pragma once
#include <cstddef>
#include <cstdint>

#include "coding/coding_tables.h"

constexpr char ClipboardBytesFormatName[] = "Verko Bytes";
// The count (4 bytes, least significant first) and the coding the bytes are
// shown in (1 byte) stand before the bytes.
constexpr size_t ClipboardBytesHeader = 5;

void WriteClipboardBytesHeader(uint8_t* record, uint32_t count, Coding coding);

struct ClipboardBytes {
    Coding coding;
    const uint8_t* bytes;
    size_t count;
};

// Reads a record of recordSize bytes; false when it is not one (too short, a
// count past its end, a coding that cannot be shown).
bool ReadClipboardBytes(const uint8_t* record, size_t recordSize, ClipboardBytes& read);
