// What both timings share: a clock, the figures of several runs, the four
// forms a Convert must produce, and owned handles.
#pragma once

#include <windows.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "codec/text.h"

namespace bench {

// A run that went wrong: the figures of a wrong or hung program mean nothing.
struct Failure : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// The performance counter, in milliseconds from an arbitrary origin.
double NowMs();

// Best (lowest) and median of a set of run times.
struct Figures {
  double best_ms;
  double median_ms;
};
Figures Summarise(std::vector<double> times_ms);

// The results of one Convert, in the order the window writes its rows.
struct ConvertResults {
  Text thunder, qq, flashget, real;
};
ConvertResults ExpectedResults(const Text& link);

// The folder of this program, where the build puts the programs it times.
std::string OwnFolder();

class Handle {
 public:
  explicit Handle(HANDLE h = nullptr) : h_(h == INVALID_HANDLE_VALUE ? nullptr : h) {}
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  ~Handle() {
    if (h_) CloseHandle(h_);
  }
  HANDLE get() const { return h_; }
  explicit operator bool() const { return h_ != nullptr; }

 private:
  HANDLE h_;
};

}  // namespace bench
