// Times linkconv-cli.exe from its start to its exit.
#pragma once

#include <string>
#include <vector>

#include "bench/wine/timing.h"

namespace bench {

// Runs `program -0` with `link` alone on standard input, `runs` times; each
// run must print the four forms the window's Convert makes, NUL-ended, and
// exit with 0, else Failure. Returns the wall times in ms.
std::vector<double> TimeCliConvert(const std::string& program, const Text& link,
                                   const ConvertResults& expected, int runs);

// The same with nothing on standard input: the cost of starting the
// process and reading an empty stream, part of every figure above.
std::vector<double> TimeCliStart(const std::string& program, int runs);

}  // namespace bench
