// The five Cyrillic codings, the eight recode tables (OEM is the pivot of
// every conversion), transliteration and the Fido substitution.
#pragma once
#include <cstddef>
#include <cstdint>

// UTF-8 comes after the five one-byte codings: it has no recode table.
enum Coding : int { CodingAnsi = 0, CodingOem = 1, CodingKoi8 = 2, CodingIso = 3, CodingMac = 4, CodingUtf8 = 5 };
constexpr int CodingCount = 5;   // the one-byte codings, which have tables
constexpr int ViewCodingCount = 3;   // ANSI, OEM and KOI8 can be shown
extern const char* const CodingName[CodingCount];
constexpr bool IsViewCoding(int coding)
{
    return (coding >= 0 && coding < ViewCodingCount) || coding == CodingUtf8;
}
// Tables kept per view coding have a row for each: ANSI, OEM, KOI8, then UTF-8.
constexpr int ViewRowCount = ViewCodingCount + 1;
constexpr int ViewRow(Coding view)
{
    return view == CodingUtf8 ? ViewCodingCount : view;
}

enum RecodeSlot : int {
    SlotOemToAnsi = 0,
    SlotAnsiToOem = 1,
    SlotOemToKoi8 = 2,
    SlotKoi8ToOem = 3,
    SlotOemToMac = 4,
    SlotMacToOem = 5,
    SlotOemToIso = 6,
    SlotIsoToOem = 7,
};
constexpr int RecodeSlotCount = 8;
constexpr int NoSlot = -1;
constexpr int FidoTarget = 9;

// Entry i is the new value of byte 0x80 + i.
extern const uint8_t RecodeTable[RecodeSlotCount][128];
extern const int ToOemSlot[CodingCount];
extern const int FromOemSlot[CodingCount];

// In place; bytes below 0x80 never change; a slot outside 0..7 does nothing.
void RecodeBytes(uint8_t* bytes, size_t length, int slot);
// From any coding to any other through OEM (A = B still passes through OEM).
void ConvertCoding(uint8_t* bytes, size_t length, Coding from, Coding to);
// OEM 0x8D (Н) -> 'H', OEM 0xE0 (р) -> 'p'; nothing else.
void FidoSubstitute(uint8_t* oemBytes, size_t length);

// Latin letter for an OEM byte minus 0x80 (the byte itself for non-letters).
extern const uint8_t TranslitTable[128];
// The second Latin letter written after twelve OEM letters (Ж Ч Ш Щ Ю Я ж ч ш щ ю я), else 0.
uint8_t TranslitSecondLetter(uint8_t oemByte);
