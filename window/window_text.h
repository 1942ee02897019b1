// A window's text (an edit box's contents, a label's caption) as a Text.
#pragma once

#include <windows.h>

#include "codec/text.h"

inline Text WindowText(HWND hwnd) {
  Text text(GetWindowTextLengthA(hwnd), '\0');
  // The length may be an overestimate for double-byte text: keep what came.
  text.resize(GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size() + 1)));
  return text;
}
