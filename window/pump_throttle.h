// Looking at the message queue is costly next to the work between two
// calls of the event pump, so the pump looks at most once per gap.
#pragma once

#include <chrono>

class QueueLookThrottle {
 public:
  // Times are readings of one monotonic clock, from any fixed origin.
  using Time = std::chrono::nanoseconds;

  explicit QueueLookThrottle(Time min_gap) : min_gap_(min_gap) {}

  // True (and noted as the last look) for the first call and for every
  // call at least min_gap after the last look.
  bool ShouldLook(Time now) {
    if (looked_ && now - last_look_ < min_gap_) return false;
    looked_ = true;
    last_look_ = now;
    return true;
  }

 private:
  Time min_gap_;
  bool looked_ = false;
  Time last_look_{};
};
