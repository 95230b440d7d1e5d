#include "codingui/transform_rules.h"
#include "res/resource.h"

const char* ConversionCodingName(int coding)
{
    return coding == CodingUtf8 ? "UTF-8" : CodingName[coding];
}

int DialogEntry(uint32_t stored, int fallback)
{
    return stored < uint32_t(ConversionCodingCount) ? int(stored) : fallback;
}

Coding RecodeTarget(int command)
{
    switch (command) {
    case CMD_TO_ANSI:
        return CodingAnsi;
    case CMD_TO_KOI8:
        return CodingKoi8;
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
