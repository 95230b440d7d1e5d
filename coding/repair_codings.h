// The seven codings the repair of garbled text reads and writes: the five
// Codings, UTF-8 and Windows-1252. A byte that 1251 or 1252 leaves undefined
// reads as the character U+0080..U+00FF of the same number, as Windows reads
// it, so a text that went through such a reading can still be written back.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>
#include "coding/utf8.h"

constexpr int CodingWestern = CodingUtf8 + 1;   // Windows-1252
constexpr int RepairCodingCount = CodingWestern + 1;

// Short names for the status bar: "1251", "866", "KOI8-R", "ISO 8859-5", "Mac", "UTF-8", "1252".
extern const char* const RepairCodingName[RepairCodingCount];

// `out` becomes the bytes read in the coding; returns the number of invalid
// UTF-8 sequences, each read as '?' (a single-byte coding reads every byte).
size_t ReadBytesAs(int coding, const uint8_t* bytes, size_t length, std::u16string& out);

// `out` becomes the text written in the coding; returns the number of
// characters the coding lacks, each written as '?'.
size_t WriteTextAs(int coding, const char16_t* text, size_t length, std::vector<uint8_t>& out);
