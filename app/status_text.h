// The texts of the status bar's panes.
#pragma once
#include <cstdint>
#include <string>

// Column padded to four places, then line, both counted from 1: "   1:1".
std::string CaretPaneText(uint32_t column, uint32_t line);
// "EN" or "RU" for the two layouts of the program's users, else the eight-digit name itself.
std::string KeyboardPaneText(const char* layoutName);
const char* InsertModePaneText(bool overwrite);
