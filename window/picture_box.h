// A borderless box that shows the program icon stretched to its size.
#pragma once

#include <windows.h>

// The program icon at the given size, picked and scaled by the system
// from the icon's images; the caller destroys it.
HICON LoadProgramIcon(int width, int height);

// Registers the window class LINKCONV_PICTURE_CLASS once; false on failure.
bool RegisterPictureBoxClass(HINSTANCE instance);
