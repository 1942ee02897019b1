// Creates the main window's controls from their table rows.
#pragma once

#include <windows.h>

#include "window/control_table.h"

// Everything one CreateWindowExA call needs; the defaults fit a plain
// hidden child window.
struct ControlArgs {
  HWND parent = nullptr;
  const char* class_name = nullptr;
  const char* text = "";
  DWORD style = WS_CHILD;
  DWORD ex_style = 0;
  int id = 0;
  RECT place{};  // left, top, right, bottom in the parent's client area
  HFONT font = nullptr;  // sent with WM_SETFONT when set
  void* create_param = nullptr;
};

// The one place a control window is made. nullptr on failure.
HWND CreateControl(const ControlArgs& args);

// Makes the control a table row describes (still hidden, except the
// browser box, which shows itself). nullptr on failure.
HWND CreateControlFromRow(HWND parent, const ControlRow& row);
