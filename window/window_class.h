// Registration of the program's window classes.
#pragma once

#include <windows.h>

struct WindowClassArgs {
  const char* name = nullptr;
  WNDPROC proc = nullptr;
  HBRUSH background = nullptr;  // nullptr: the window paints all of itself
  HICON large_icon = nullptr;
  HICON small_icon = nullptr;
};

// Registers the class unless this module has it already, so that every
// window of a kind may ask for it. False when registering failed.
bool RegisterWindowClassOnce(HINSTANCE instance, const WindowClassArgs& args);
