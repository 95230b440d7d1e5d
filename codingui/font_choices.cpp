#include "codingui/font_choices.h"

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
    if (step == SizeStep::Down) return twips > SmallestSteppedSize ? twips - TwipsPerPoint : twips;
    return twips < LargestSteppedSize ? twips + TwipsPerPoint : twips;
}
