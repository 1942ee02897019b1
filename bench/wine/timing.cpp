#include "bench/wine/timing.h"

#include <algorithm>

#include "codec/link_forms.h"

namespace bench {

double NowMs() {
  static const double ticks_per_ms = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart) / 1000.0;
  }();
  LARGE_INTEGER c;
  QueryPerformanceCounter(&c);
  return static_cast<double>(c.QuadPart) / ticks_per_ms;
}

Figures Summarise(std::vector<double> times_ms) {
  if (times_ms.empty()) throw Failure("no runs to summarise");
  std::sort(times_ms.begin(), times_ms.end());
  const std::size_t n = times_ms.size();
  const double median = n % 2 ? times_ms[n / 2] : (times_ms[n / 2 - 1] + times_ms[n / 2]) / 2;
  return {times_ms.front(), median};
}

ConvertResults ExpectedResults(const Text& link) {
  return {ConvertLink(link, link_form::Thunder), ConvertLink(link, link_form::Qq),
          ConvertLink(link, link_form::FlashGet), ConvertLink(link, link_form::Real)};
}

std::string OwnFolder() {
  char path[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  const std::string full(path, n);
  return full.substr(0, full.find_last_of("\\/"));
}

}  // namespace bench
