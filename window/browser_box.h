// The browser box: a child window hosting the system's WebBrowser control
// (through a small OLE in-place container of our own). Download hands the
// protocol links to it; the browser passes them to the program registered
// for the link's URL protocol.
#pragma once

#include <windows.h>

#include "codec/text.h"

// The box's own settings, handed to the browser when the box is created.
struct BrowserBoxSettings {
  int 字体大小 = 1;          // text size of shown pages, 0 (smallest) to 4
  bool 离线浏览 = false;     // read pages from the cache only
  bool 静默 = false;         // forbid the browser's own dialogs
  Text 地址;                 // navigated to at creation only when not empty
};

// Creates the box (window class LINKCONV_BROWSER_CLASS, white background,
// WS_CHILD | WS_VISIBLE | WS_TABSTOP) with the browser over its whole
// client area. Returns nullptr when the window cannot be created; the
// browser itself failing to start leaves an empty box, never an error.
HWND CreateBrowserBox(HWND parent, int id, int x, int y, int width, int height,
                      const BrowserBoxSettings& settings);

// Sets the box's address to a copy of `address` and calls
// IWebBrowser2::Navigate with it (converted from the ANSI code page to
// UTF-16), Flags 0, empty TargetFrameName, no PostData, empty Headers.
// Every call navigates, also for the same or an empty address; the result
// of Navigate is not examined.
void SetBrowserAddress(HWND box, const Text& address);

// The browser's first chance at a key while the focus is inside the box:
// true when it took the message, which must then not be dispatched.
bool BrowserBoxTranslateKey(HWND box, MSG& msg);
