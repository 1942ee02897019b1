// Test builds replace the error box: FatalRuntimeError writes one line
// "fatal code=<code> message=<hex bytes>" to stderr and ends the process
// with kFatalExitCode, for death tests to match.
#pragma once

#include <string>

constexpr int kFatalExitCode = 86;

// The line the seam writes for this code and message, as a death-test
// pattern (hex digits only, so it matches byte for byte).
std::string FatalOutput(int code, const std::string& message);
