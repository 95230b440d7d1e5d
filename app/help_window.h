// Command "&Help" (F1): the help file when one stands beside the program, else
// the program's own help window, a read-only text that Esc closes.
#pragma once

void ShowHelp();
