#include "wait.h"

#include <windows.h>

namespace e2e {

namespace {

// The driver's own windows (the clipboard window) keep answering while it
// waits.
void PumpOwnMessagesFor(DWORD ms) {
  MsgWaitForMultipleObjects(0, nullptr, FALSE, ms, QS_ALLINPUT);
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

}  // namespace

bool WaitUntil(const std::function<bool()>& done, milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (done()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return done();
    PumpOwnMessagesFor(15);
  }
}

}  // namespace e2e
