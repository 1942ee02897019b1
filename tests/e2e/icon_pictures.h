// The program's icon as it can look on screen: every image of the icon in
// linkconv.exe's resources, and the system's own pick for a size, each
// drawn at that size. Which image the program shows is its own choice, so
// a check accepts any of them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "screen_probe.h"

namespace e2e {

// One way the icon may look: drawn over black and over white, so that the
// pixels equal in both are its opaque ones.
struct IconPicture {
  Image on_black;
  Image on_white;
};

std::vector<IconPicture> ProgramIconPictures(const std::string& exe, SIZE size);

// Whether `area` shows one of `pictures` (its opaque pixels) with its top
// left corner anywhere in `corners` (a rectangle of `area` coordinates).
bool ShowsOneOf(const Image& area, const std::vector<IconPicture>& pictures, const RECT& corners);

}  // namespace e2e
