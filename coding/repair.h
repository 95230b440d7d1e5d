// Repair of garbled text: a search over chains of one to three wrong readings
// for the one whose undoing reads most Russian.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>
#include "coding/repair_codings.h"

constexpr int RepairMaxSteps = 3;

// One wrong reading: bytes in coding `actual` were read as coding `readAs`
// (both RepairCoding numbers). What was read was written in the next step's
// `actual` coding; after the last step, in the coding the text is viewed in.
struct RepairStep {
    int actual = 0;
    int readAs = 0;
};

struct RepairChain {
    int length = 0;
    RepairStep steps[RepairMaxSteps];   // in the order they happened
};

struct Repair {
    bool found = false;           // false: no chain reads clearly more Russian than the text as it is
    std::vector<uint8_t> bytes;   // the repaired text
    int coding = 0;               // the coding of `bytes`: ANSI, OEM, KOI8 or CodingUtf8
    RepairChain chain;
    size_t lost = 0;   // characters that had to become '?'
};

// The bytes as they are viewed in viewCoding (ANSI, OEM, KOI8 or CodingUtf8;
// any other finds nothing). Every chain that loses no character ranks above
// every chain that loses some.
Repair RepairBytes(const uint8_t* bytes, size_t length, int viewCoding);

// Undoes the chain on the whole text: each step from the last one back reads
// the bytes in the coding they were written in and writes them in the coding
// they were read as.
Repair UndoChain(const uint8_t* bytes, size_t length, int viewCoding, const RepairChain& chain);

// Writes the repaired text in `coding` instead (ANSI, OEM, KOI8 or
// CodingUtf8); returns the characters that coding lacks, each written as '?'.
size_t WriteRepairAs(Repair& repair, int coding);

// "Repaired: UTF-8 read as 1251", steps joined by ", then ".
std::string RepairStatusText(const RepairChain& chain);
