// The flat toolbar along the top edge: the common controls' standard images and
// five of the program's own from an image file beside it, a button layout the
// control keeps in the settings, and the Customize dialog. Every call does
// nothing while there is no toolbar (CustomizeToolbar creates one).
#pragma once
#include <windows.h>
#include <commctrl.h>

void CreateToolbar();
// The enabled button of a command with its image and no text; a separator for command 0.
TBBUTTON ToolbarButton(int command);
void DestroyToolbar();
// The layout, saved under "TBS" and restored from it by the control itself.
void SaveToolbarLayout();
void RestoreToolbarLayout();
// Command "ToolBar ...": the Customize Toolbar dialog, after making a toolbar when there is none.
void CustomizeToolbar();
