// The two enabling passes over the command table: the File and Edit menus as
// they open, the toolbar each time the message queue has drained.
#pragma once
#include <windows.h>

// popupInfo is WM_INITMENUPOPUP's lParam: only the File and Edit menus are set.
void EnableMenuItems(HMENU popup, LPARAM popupInfo);
// Greys or enables the toolbar buttons whose rule is not Enable::Always.
void IdleToolbarUpdate();
