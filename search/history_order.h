// The order of the search history: ten texts, the newest first, each once.
#pragma once
#include <array>
#include <string>

constexpr int HistoryLength = 10;
using HistoryTexts = std::array<std::string, HistoryLength>;

// Puts the text at the head: the first slot that is empty or holds the text
// already (the last slot when none does) gives up its place and the slots
// before it move one down. Returns the highest slot that changed.
int PushHistory(HistoryTexts& texts, const std::string& text);
