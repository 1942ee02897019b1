// The main window's look at every key press before its controls get it:
// the browser box's first chance, Tab / Shift+Tab along the tab order,
// Enter swallowed (there is no default button), Esc closes the window.
#pragma once

#include <windows.h>

// True when the message was handled here and must not be dispatched.
bool TranslateWindowKey(HWND main_window, MSG& msg);
