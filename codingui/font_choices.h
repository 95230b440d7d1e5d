// What the font dialog offers and how Size - and Size + step: the arithmetic
// behind the Font menu, with no Windows in it.
#pragma once
#include <cstdint>

// The character sets the font dialog offers. Their values, in this order, are
// also the character sets ANSI, OEM and KOI8 are shown in by default.
struct CharsetChoice {
    const char* name;
    uint8_t value;
};
constexpr CharsetChoice CharsetChoices[] = {{"RUSSIAN_CHARSET", 204}, {"OEM_CHARSET", 255}, {"DEFAULT_CHARSET", 1}};
constexpr int CharsetChoiceCount = 3;
// The entry offering that character set; -1 when none does.
int CharsetChoiceIndex(uint32_t characterSet);

// The size list offers the whole points 1 to 20; sizes are kept in twips.
constexpr int SizeChoiceCount = 20;
constexpr uint32_t TwipsPerPoint = 20;
// The entry of a size; -1 when the size is not a whole number of points in the list.
int SizeChoiceIndex(uint32_t twips);
constexpr uint32_t SizeOfChoice(int index)
{
    return static_cast<uint32_t>(index + 1) * TwipsPerPoint;
}

// Size - takes a point off a size above 4 points, Size + adds one to a size
// below 26 points; a size at or beyond that end stays as it is.
constexpr uint32_t SmallestSteppedSize = 80;
constexpr uint32_t LargestSteppedSize = 520;
enum class SizeStep { Down, Up };
uint32_t SteppedSize(uint32_t twips, SizeStep step);
