#include "fatal_seam.h"

#include <cstdio>
#include <cstdlib>

#include "window/fatal_error.h"

namespace {
const char kHex[] = "0123456789abcdef";
}

std::string FatalOutput(int code, const std::string& message) {
  std::string line = "fatal code=" + std::to_string(code) + " message=";
  for (unsigned char b : message) {
    line += kHex[b >> 4];
    line += kHex[b & 15];
  }
  return line;
}

// Writes without allocating: it may be reporting a failed allocation.
void FatalRuntimeError(int code, const char* message) {
  std::fprintf(stderr, "fatal code=%d message=", code);
  for (const unsigned char* p = reinterpret_cast<const unsigned char*>(message); p && *p; ++p)
    std::fprintf(stderr, "%c%c", kHex[*p >> 4], kHex[*p & 15]);
  std::fprintf(stderr, "\n");
  std::fflush(stderr);
  std::_Exit(kFatalExitCode);
}
