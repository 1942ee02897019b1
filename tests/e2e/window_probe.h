// Reading and writing another process's windows through messages the
// system carries across processes (WM_GETTEXT, WM_SETTEXT) and through
// the window manager's own records (classes, places, z-order, focus).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

std::string ClassName(HWND window);

// The window's text in the ANSI code page. Edit and label texts live in
// the other process, so this asks the window with WM_GETTEXT.
// `ok` (optional) turns false when the window did not answer.
std::string TextOf(HWND window, bool* ok = nullptr);

// Replaces the window's text with WM_SETTEXT, as a paste would.
bool SetTextOf(HWND window, const std::string& text);

// The child's outer rectangle in the parent's client coordinates.
RECT RectInClient(HWND parent, HWND child);

// Children of `parent` from the top of the z-order to the bottom.
std::vector<HWND> ChildrenTopToBottom(HWND parent);

// The window with the keyboard focus in `window`'s thread, and the one
// owning its caret; nullptr when none.
HWND FocusOf(HWND window);
HWND CaretOwnerOf(HWND window);

// For messages: class, control id and owning process of a window.
std::string DescribeWindow(HWND window);

// Whether `window` is `control` or lies inside it (the browser box hosts
// windows of its own that may take the focus).
bool IsOrInside(HWND window, HWND control);

}  // namespace e2e
