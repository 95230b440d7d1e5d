// The buttons that may stand on the toolbar, their images, and the layout the
// toolbar starts with when none was saved.
#pragma once
#include <vector>

// Position i of the button list carries command i + FirstToolbarCommand.
constexpr int FirstToolbarCommand = 4;
constexpr int ToolbarButtonCount = 32;
// The common controls' standard images come first; the extra image file adds five.
constexpr int StandardImageCount = 15;
constexpr int ExtraImageCount = 5;

// The image of the button at a position of the list; -1 for a position outside it.
int ToolbarButtonImage(int position);
// The image of a command's button; -1 for a command that has no button.
int ToolbarCommandImage(int command);
// The commands of the default layout in order, 0 standing for a separator.
std::vector<int> DefaultToolbarLayout();
