#include "search/history_order.h"

int PushHistory(HistoryTexts& texts, const std::string& text)
{
    int freed = 0;
    while (freed < HistoryLength - 1 && !texts[freed].empty() && texts[freed] != text) ++freed;
    for (int slot = freed; slot > 0; --slot) texts[slot] = texts[slot - 1];
    texts[0] = text;
    return freed;
}
