// Whether the edit commands can act now; shared by the menus and the toolbar.
#pragma once

// Text in any of the formats the system converts into one another.
bool ClipboardHasText();
bool EditorHasSelection();
// The single-level undo asks the editor; the multilevel one its own history.
bool UndoPossible();
