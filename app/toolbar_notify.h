// The toolbar's notifications to the main window: tooltip texts and the
// Customize dialog's questions.
#pragma once
#include <windows.h>

// True when the notification was answered here; result is then the window procedure's result.
bool HandleToolbarNotification(NMHDR& header, LRESULT& result);
