// The buttons the toolbar may carry, read from the command table: the rows
// with an image, in the table's order, make the Customize dialog's list.
#pragma once

constexpr int ToolbarButtonCount = 32;

// The image of the button at a position of the list; -1 for a position outside it.
int ToolbarButtonImage(int position);
// The command of the button at a position of the list; 0 outside it.
int ToolbarButtonCommand(int position);
// The image of a command's button; -1 for a command that has no button.
int ToolbarCommandImage(int command);
