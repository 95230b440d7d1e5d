// "P&age - N -": counts the pages for the current printer and asks whether
// printed pages carry their number.
#pragma once

void CountPages();
