// The UI thread's message loop, and the event pump the codec calls while
// it decodes: both hand every message to the same key filter first.
#pragma once

#include <windows.h>

class KeyFilter {
 public:
  // True when the message was handled and must not be dispatched.
  virtual bool TranslateKey(MSG& msg) = 0;

 protected:
  ~KeyFilter() = default;
};

void InstallKeyFilter(KeyFilter* filter);

// True from the moment the main loop starts.
bool MainLoopEntered();

// Runs until the quit message arrives and returns its exit code. Returns
// 0 at once when `window` no longer exists.
int RunMainLoop(HWND window);

// Dispatches the waiting messages as the main loop would, until the queue
// is empty or the quit message is next (which stays queued). Never waits.
// Looks at the queue at most once a millisecond.
void ProcessPendingEvents();
