#include "wait.h"

#include <windows.h>

namespace e2e {

void PumpOwnMessagesFor(unsigned long ms) {
  MsgWaitForMultipleObjects(0, nullptr, FALSE, ms, QS_ALLINPUT);
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

bool WaitUntil(const std::function<bool()>& done, milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (done()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return done();
    // The caller's own windows (the driver's clipboard window) keep
    // answering while it waits.
    PumpOwnMessagesFor(15);
  }
}

}  // namespace e2e
