#include "codingui/font_choices.h"

#include <algorithm>

int CharsetChoiceIndex(uint32_t characterSet)
{
    for (int i = 0; i < CharsetChoiceCount; ++i)
        if (CharsetChoices[i].value == characterSet) return i;
    return -1;
}

int SizeChoiceIndex(uint32_t twips)
{
    if (twips % TwipsPerPoint != 0 || twips < SizeOfChoice(0) || twips > SizeOfChoice(SizeChoiceCount - 1)) return -1;
    return static_cast<int>(twips / TwipsPerPoint) - 1;
}

uint32_t SteppedSize(uint32_t twips, SizeStep step)
{
    if (step == SizeStep::Down && twips <= SmallestSteppedSize) return twips;
    if (step == SizeStep::Up && twips >= LargestSteppedSize) return twips;
    // A size stored off the one-point grid or outside the range (edited by hand)
    // steps into the range, never past its ends.
    uint64_t next = step == SizeStep::Up ? uint64_t{twips} + TwipsPerPoint : uint64_t{twips} - TwipsPerPoint;
    return static_cast<uint32_t>(std::clamp<uint64_t>(next, SmallestSteppedSize, LargestSteppedSize));
}
