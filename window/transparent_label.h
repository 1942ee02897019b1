// A caption without a background of its own: whatever lies beneath shows
// through. One line, vertically centred, drawn without a clipping
// rectangle; the label's window still bounds it, so that the siblings
// above it stay on top. The caption is the window text (WM_SETTEXT /
// WM_GETTEXT).
#pragma once

#include <windows.h>

#include "window/control_table.h"

struct LabelLook {
  COLORREF color;
  LabelAlign align;
  const char* font_face;  // nullptr: the default GUI font
  int font_height;
};

// Registers the window class LINKCONV_LABEL_CLASS once; false on failure.
bool RegisterTransparentLabelClass(HINSTANCE instance);

// A label is created with a pointer to its LabelLook as lpParam; the
// label keeps a copy.
