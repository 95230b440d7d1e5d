// The Font menu's Size - and Size + (Ctrl with the minus and plus keys): the
// current view coding's size one point down or up.
#pragma once

void FontSizeDownCommand();
void FontSizeUpCommand();
