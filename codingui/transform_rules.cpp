#include "codingui/transform_rules.h"

const char* ConversionCodingName(int coding)
{
    return coding == CodingUtf8 ? "UTF-8" : CodingName[coding];
}

int DialogEntry(uint32_t stored, int fallback)
{
    return stored < uint32_t(ConversionCodingCount) ? int(stored) : fallback;
}

RangeRule RangeOf(Transformation transformation)
{
    if (transformation == Transformation::RtfToAnsi) return RangeRule::WholeText;
    return transformation >= Transformation::Justify ? RangeRule::WholeLines : RangeRule::Selection;
}

AlignMode AlignModeOf(Transformation transformation)
{
    switch (transformation) {
    case Transformation::Center:
        return AlignCenter;
    case Transformation::Left:
        return AlignLeft;
    case Transformation::Right:
        return AlignRight;
    default:
        return AlignJustify;
    }
}

Coding RecodeTarget(Transformation recoding)
{
    switch (recoding) {
    case Transformation::ToAnsi:
        return CodingAnsi;
    case Transformation::ToKoi8:
        return CodingKoi8;
    case Transformation::ToUtf8:
        return CodingUtf8;
    default:   // ->OEM and Fido
        return CodingOem;
    }
}

Coding ViewAfterConversion(int from, int to, bool wholeText, Coding view)
{
    return from == CodingUtf8 && to >= 0 && to < ViewCodingCount && wholeText ? Coding(to) : view;
}

size_t ResultRoom(size_t textLength, size_t rangeLength, size_t limit)
{
    const size_t rest = textLength - rangeLength;
    return rest < limit ? limit - rest : 0;
}
