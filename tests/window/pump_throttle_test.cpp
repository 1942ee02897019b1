#include "window/pump_throttle.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using std::chrono::microseconds;

TEST(QueueLookThrottle, LooksAtMostOncePerGapAndAlwaysAfterIt) {
  struct Case {
    const char* name;
    std::vector<long> calls_us;  // times of successive calls
    std::vector<bool> looks;
  };
  const Case cases[] = {
      {"the first call looks, even at time zero", {0}, {true}},
      {"the first call looks at any time", {-5000}, {true}},
      {"calls within the gap skip", {0, 1, 500, 999}, {true, false, false, false}},
      {"a call exactly one gap later looks", {0, 1000}, {true, true}},
      {"the gap runs from the last look, not the last call",
       {0, 600, 1200, 1700, 2300},
       {true, false, true, false, true}},
      {"every call later than the gap looks", {0, 5000, 10000, 10001}, {true, true, true, false}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QueueLookThrottle throttle(microseconds(1000));
    for (std::size_t i = 0; i < c.calls_us.size(); ++i)
      EXPECT_EQ(throttle.ShouldLook(microseconds(c.calls_us[i])), c.looks[i]) << "call " << i;
  }
}

}  // namespace
