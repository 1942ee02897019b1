// The program's one way of failing: an error box, then the process ends
// with exit code -1 without running the exit clean-up.
#pragma once

#include "codec/text.h"

[[noreturn]] void FatalRuntimeError(int code, const char* message);
[[noreturn]] inline void FatalRuntimeError(int code, const Text& message) {
  FatalRuntimeError(code, message.c_str());
}
