#include "window/event_loop.h"

#include <chrono>

#include "window/pump_throttle.h"

namespace {

KeyFilter* g_key_filter = nullptr;
bool g_loop_entered = false;

// The decoder calls the pump after every four characters; a look at the
// queue costs far more than that, so the pump looks once a millisecond.
QueueLookThrottle g_pump_throttle(std::chrono::milliseconds(1));

// The performance counter: monotonic, and several times cheaper to read
// than std::chrono::steady_clock here, at a quarter million reads per
// megabyte of link.
QueueLookThrottle::Time Now() {
  static const LONGLONG frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f.QuadPart;
  }();
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  constexpr LONGLONG kNanosPerSecond = 1000000000;
  const LONGLONG c = counter.QuadPart;
  return QueueLookThrottle::Time(c / frequency * kNanosPerSecond +
                                 c % frequency * kNanosPerSecond / frequency);
}

void Dispatch(MSG& msg) {
  if (g_key_filter && g_key_filter->TranslateKey(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
}

}  // namespace

void InstallKeyFilter(KeyFilter* filter) { g_key_filter = filter; }

bool MainLoopEntered() { return g_loop_entered; }

int RunMainLoop(HWND window) {
  g_loop_entered = true;
  if (!IsWindow(window)) return 0;
  MSG msg{};
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) Dispatch(msg);
  return static_cast<int>(msg.wParam);
}

void ProcessPendingEvents() {
  if (!g_pump_throttle.ShouldLook(Now())) return;
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // The main loop ends on it: put it back for the loop to find.
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    Dispatch(msg);
  }
}
