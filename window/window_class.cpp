#include "window/window_class.h"

bool RegisterWindowClassOnce(HINSTANCE instance, const WindowClassArgs& args) {
  WNDCLASSEXA existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExA(instance, args.name, &existing)) return true;
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = args.proc;
  wc.hInstance = instance;
  wc.hIcon = args.large_icon;
  wc.hIconSm = args.small_icon;
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.hbrBackground = args.background;
  wc.lpszClassName = args.name;
  return RegisterClassExA(&wc) != 0;
}
