// Whether a transparent label shows its caption as it should: the screen
// is compared with the driver's own drawing of the caption in the font,
// colour and alignment the label is meant to have, on the window's face
// colour. Same text engine on both sides, so face, size, weight and
// colour must match to the pixel; a shift of one pixel in either
// direction is allowed (centring may round either way).
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

// Empty when label `id` of `main` shows `caption` as expected, else what
// differs. Pixels where other controls lie, or where another label's
// caption may draw, are left out.
std::string CompareLabelWithScreen(HWND main, int id, const std::string& caption);

}  // namespace e2e
