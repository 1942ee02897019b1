// Times linkconv.exe's Convert as a user gets it: from the click on the
// Convert button until the last row shows its result.
#pragma once

#include <string>
#include <vector>

#include "bench/wine/timing.h"

namespace bench {

struct WindowRun {
  double total_ms;    // click to the real-address row filled
  double rows_ms[4];  // click to each row filled, in the order written
  double shown_ms;    // click to the window having painted all four
};

// What one of the program's row boxes costs with the thunder result in it,
// timed from outside: most of a Convert of a long link is spent in them.
struct RowBoxCosts {
  double write_ms;  // WM_SETTEXT of the text into the empty box
  double paint_ms;  // from there until the window has painted it
  double empty_ms;  // WM_SETTEXT of "" over the text
};

struct WindowTimings {
  std::vector<WindowRun> runs;
  RowBoxCosts row_box;
};

// Starts the program at `program`, puts `link` into its input box and
// clicks Convert `runs` times, emptying the rows and letting the window
// finish painting before each click. Every row must end up holding
// `expected`; throws Failure otherwise. Then times one row box.
WindowTimings TimeWindowConvert(const std::string& program, const Text& link,
                                const ConvertResults& expected, int runs);

}  // namespace bench
