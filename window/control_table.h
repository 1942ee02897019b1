// The main window's controls as data: what each one is, where it sits,
// what it shows at start; and the two orders they are kept in.
#pragma once

#include <windows.h>

#include "window/control_ids.h"

enum class ControlKind { Picture, Label, Edit, Button, Browser };
enum class LabelAlign { Left, Center };

struct ControlRow {
  const char* name;
  ControlKind kind;
  ControlId id;
  int x, y, width, height;     // client coordinates of the main window
  const char* text;            // initial text or caption
  const char* font_face;       // nullptr: the default GUI font
  int font_height;             // character height in pixels
  COLORREF color;              // label text colour
  LabelAlign align;
};

// In creation order.
extern const ControlRow kControls[24];

// Top to bottom.
extern const ControlId kStackingOrder[24];

// The tab stops, in the order Tab visits them.
extern const ControlId kTabOrder[15];
