// The ten owner-drawn recent-file items of the File menu: each file's small
// shell icon and its label, built afresh from the settings each time.
#pragma once
#include <windows.h>

// An item that shows nothing takes no room.
void MeasureRecentItem(MEASUREITEMSTRUCT& item);
void DrawRecentItem(const DRAWITEMSTRUCT& item);
// True for the items of the recent files in a menu.
bool IsRecentItem(UINT controlType, UINT id);
