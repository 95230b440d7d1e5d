#include "app/status_text.h"
#include <cstdio>
#include <cstring>

std::string CaretPaneText(uint32_t column, uint32_t line)
{
    char text[32];
    std::snprintf(text, sizeof text, "%4u:%u", static_cast<unsigned>(column), static_cast<unsigned>(line));
    return text;
}

std::string KeyboardPaneText(const char* layoutName)
{
    if (std::strcmp(layoutName, "00000409") == 0) return "EN";
    if (std::strcmp(layoutName, "00000419") == 0) return "RU";
    return layoutName;
}

const char* InsertModePaneText(bool overwrite)
{
    return overwrite ? "Overwrite" : "Insert";
}
