#include "window/tab_order.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(NextTabStop, MovesWrapsAndSkips) {
  struct Case {
    const char* name;
    std::vector<bool> focusable;
    int current;
    bool forward;
    int want;
  };
  const std::vector<bool> all5(5, true);
  const Case cases[] = {
      {"next", all5, 0, true, 1},
      {"previous", all5, 3, false, 2},
      {"wraps after the last", all5, 4, true, 0},
      {"wraps before the first", all5, 0, false, 4},
      {"skips refused stops", {true, false, false, true, true}, 0, true, 3},
      {"skips refused stops backward", {true, true, false, false, true}, 4, false, 1},
      {"skips over the wrap", {false, true, true, true, false}, 3, true, 1},
      {"no focus: forward starts at the first", all5, -1, true, 0},
      {"no focus: backward starts at the last", all5, -1, false, 4},
      {"no focus, first refused", {false, true, true, true, true}, -1, true, 1},
      {"only the current stop can take it", {false, false, true, false, false}, 2, true, 2},
      {"none can take it", std::vector<bool>(5, false), 1, true, -1},
      {"out of range current counts as none", all5, 9, true, 0},
      {"one stop", {true}, 0, false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const int count = static_cast<int>(c.focusable.size());
    const int got = NextTabStop(count, c.current, c.forward, [&](int i) {
      EXPECT_GE(i, 0);
      EXPECT_LT(i, count);
      return c.focusable[i];
    });
    EXPECT_EQ(got, c.want);
  }
  EXPECT_EQ(NextTabStop(0, -1, true, [](int) { return true; }), -1);
}

TEST(NextTabStop, RepeatedTabsVisitEveryFocusableStopOnceARound) {
  const std::vector<bool> focusable = {true, true, false, true, true, false, true};
  const int count = static_cast<int>(focusable.size());
  for (bool forward : {true, false}) {
    SCOPED_TRACE(forward ? "forward" : "backward");
    std::vector<int> visits(count, 0);
    int at = 0;
    for (int step = 0; step < 5; ++step) {
      at = NextTabStop(count, at, forward, [&](int i) { return focusable[i]; });
      ++visits[at];
    }
    EXPECT_EQ(at, 0);  // five focusable stops: back where it started
    for (int i = 0; i < count; ++i) EXPECT_EQ(visits[i], focusable[i] ? 1 : 0) << "stop " << i;
  }
}

}  // namespace
