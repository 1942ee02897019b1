// Every wait of the driver: poll a condition until it holds or the time
// runs out, so a hung or wrong program fails a test instead of hanging it.
#pragma once

#include <chrono>
#include <functional>

namespace e2e {

using std::chrono::milliseconds;

// Generous because two cores are shared with builds: a slow Wine is not
// a fault, a program that never gets there is.
constexpr milliseconds kStartTimeout{45000};   // process start to window shown
constexpr milliseconds kActionTimeout{15000};  // a click or key to its effect
constexpr milliseconds kExitTimeout{20000};    // a close request to the exit code
constexpr milliseconds kLongLinkTimeout{300000};  // a Convert of a 1 MiB link

// True as soon as `done` returns true; false when `timeout` ran out first.
bool WaitUntil(const std::function<bool()>& done, milliseconds timeout);

// Waits up to `ms` for this thread's messages and handles all there are,
// so the caller's own windows keep answering.
void PumpOwnMessagesFor(unsigned long ms);

}  // namespace e2e
