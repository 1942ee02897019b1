// A borderless box that shows the program icon stretched to its size.
#pragma once

#include <windows.h>

// The program icon's resource id.
constexpr int kProgramIconId = 1;

// Registers the window class LINKCONV_PICTURE_CLASS once; false on failure.
bool RegisterPictureBoxClass(HINSTANCE instance);
