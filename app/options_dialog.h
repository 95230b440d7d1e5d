// Command "Options ...": the shell's switches, applied at once on Ok, and the
// paragraph values that the alignment commands read.
#pragma once

void ShowOptionsDialog();
