// The main window as the user is meant to see it: every control with its
// class, place, size and first text, the labels' looks, the stacking and
// tab orders, and the four rows. Texts are the program's own bytes (GBK);
// names are UTF-8, for messages.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "screen_probe.h"
#include "window/control_ids.h"

namespace e2e {

extern const char kCaption[];
constexpr int kWindowWidth = 537;
constexpr int kWindowHeight = 219;

enum class ControlKind { Edit, Button, Label, Picture, Browser };

struct ExpectedControl {
  int id;
  const char* name;  // UTF-8
  ControlKind kind;
  RECT rect;         // in the main window's client area
  const char* text;  // first text; nullptr where the control shows none
};
const std::vector<ExpectedControl>& ExpectedControls();
const ExpectedControl& Expected(int id);
const char* KindClass(ControlKind kind);

struct ExpectedLabel {
  int id;
  TextLook look;
};
const std::vector<ExpectedLabel>& ExpectedLabels();

// Control ids from the top of the z-order to the bottom.
const std::vector<int>& ExpectedStacking();
// The tab stops in tab order.
const std::vector<int>& ExpectedTabOrder();

extern const char kStatusAtStart[];
extern const char kCopyFailed[];

// One output row: its box, its buttons, the form Convert writes into it
// and what Copy reports.
struct Row {
  const char* name;  // UTF-8
  int box, copy, download;
  long long form;
  const char* copied;  // the status message after a successful Copy
  bool empties_first;  // Copy empties the clipboard in an opening of its own
};
const std::vector<Row>& Rows();

}  // namespace e2e
