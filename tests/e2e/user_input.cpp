#include "user_input.h"

#include <vector>

namespace e2e {

namespace {

INPUT KeyInput(WORD key, bool down) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
  return input;
}

INPUT MouseInput(DWORD flags, POINT screen = {}) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  if (flags & MOUSEEVENTF_ABSOLUTE) {
    // Normalised 0..65535 over the primary screen, rounded up: the system
    // scales back rounding down, and lands on the intended pixel.
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    input.mi.dx = (screen.x * 65536 + width - 1) / width;
    input.mi.dy = (screen.y * 65536 + height - 1) / height;
  }
  return input;
}

void Send(std::vector<INPUT> inputs) {
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace

bool Activate(HWND window, milliseconds timeout) {
  return WaitUntil(
      [&] {
        if (GetForegroundWindow() == window) return true;
        SetForegroundWindow(window);
        return GetForegroundWindow() == window;
      },
      timeout);
}

void PressKey(WORD key, std::initializer_list<WORD> held) {
  std::vector<INPUT> inputs;
  for (WORD modifier : held) inputs.push_back(KeyInput(modifier, true));
  inputs.push_back(KeyInput(key, true));
  inputs.push_back(KeyInput(key, false));
  for (auto it = held.end(); it != held.begin();) inputs.push_back(KeyInput(*--it, false));
  Send(inputs);
}

// Every mouse event carries its own place: under Wine the system's own
// pointer events can arrive late and move the pointer back in between,
// and a press or release must not happen there.
INPUT MouseAt(POINT screen, DWORD buttons = 0) {
  return MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttons, screen);
}

void MoveMouseTo(POINT screen) {
  Send({MouseAt(screen)});
  WaitUntil(
      [&] {
        POINT now{};
        GetCursorPos(&now);
        return now.x == screen.x && now.y == screen.y;
      },
      kActionTimeout);
}

void DoubleClickAt(POINT screen) {
  MoveMouseTo(screen);
  Send({MouseAt(screen, MOUSEEVENTF_LEFTDOWN), MouseAt(screen, MOUSEEVENTF_LEFTUP),
        MouseAt(screen, MOUSEEVENTF_LEFTDOWN), MouseAt(screen, MOUSEEVENTF_LEFTUP)});
}

POINT CentreOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void ClickAt(POINT screen) {
  MoveMouseTo(screen);
  Send({MouseAt(screen, MOUSEEVENTF_LEFTDOWN), MouseAt(screen, MOUSEEVENTF_LEFTUP)});
}

void Click(HWND window) { ClickAt(CentreOf(window)); }

void PressAndSlideOff(HWND control, POINT elsewhere) {
  const POINT centre = CentreOf(control);
  MoveMouseTo(centre);
  Send({MouseAt(centre, MOUSEEVENTF_LEFTDOWN), MouseAt(elsewhere), MouseAt(elsewhere, MOUSEEVENTF_LEFTUP)});
}

}  // namespace e2e
