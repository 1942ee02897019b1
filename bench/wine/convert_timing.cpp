// convert_timing [RUNS]: under Wine, times the window's Convert of a 1 MiB
// thunder link against linkconv-cli.exe doing the same four conversions,
// checks both results, and prints the figures and their ratio.
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench/wine/cli_timing.h"
#include "bench/wine/window_timing.h"
#include "codec/link_forms.h"

namespace {

using bench::Figures;

// The window should take at most this many times the command line's time.
constexpr double kTargetRatio = 5.0;

// "thunder://" + Base64("AA" + address + "ZZ"): 786,420 address bytes
// make the link just over 1 MiB.
constexpr std::size_t kAddressSize = 786420;

Text LongAddress() {
  Text address = "http://example.com/files/";
  const Text pattern = "abcdefghijklmnopqrstuvwxyz0123456789-_/";
  while (address.size() < kAddressSize) address += pattern;
  address.resize(kAddressSize);
  return address;
}

void PrintFigures(const char* what, const Figures& f, int runs) {
  std::printf("%-52s %9.1f ms (best of %d), median %9.1f ms\n", what, f.best_ms, runs, f.median_ms);
}

int Run(int runs) {
  const Text address = LongAddress();
  const Text link = ConvertLink(address, link_form::Thunder);
  const bench::ConvertResults expected = bench::ExpectedResults(link);
  if (expected.real != address) throw bench::Failure("the codec does not return the link's address");
  const std::string folder = bench::OwnFolder();

  std::printf("Convert of a thunder link of %zu bytes (address %zu bytes) under Wine, %d runs each\n",
              link.size(), address.size(), runs);
  std::fflush(stdout);
  const bench::WindowTimings window_timings =
      bench::TimeWindowConvert(folder + "\\linkconv.exe", link, expected, runs);
  const auto& window_runs = window_timings.runs;
  const auto cli_times = bench::TimeCliConvert(folder + "\\linkconv-cli.exe", link, expected, runs);
  const auto start_times = bench::TimeCliStart(folder + "\\linkconv-cli.exe", runs);

  std::vector<double> window_times;
  const bench::WindowRun* best = &window_runs.front();
  for (const auto& run : window_runs) {
    window_times.push_back(run.total_ms);
    if (run.total_ms < best->total_ms) best = &run;
  }
  const Figures window = bench::Summarise(window_times);
  const Figures cli = bench::Summarise(cli_times);
  const Figures start = bench::Summarise(start_times);

  PrintFigures("window Convert of a 1 MiB thunder link:", window, runs);
  std::printf("  rows filled in the best run (ms after the click): thunder %.1f, qqdl %.1f, flashget %.1f, "
              "real %.1f; all painted %.1f\n",
              best->rows_ms[0], best->rows_ms[1], best->rows_ms[2], best->rows_ms[3], best->shown_ms);
  const bench::RowBoxCosts& box = window_timings.row_box;
  std::printf("  one row box with the %zu-byte thunder result, timed from outside: write %.1f ms, "
              "paint %.1f ms, empty %.1f ms\n",
              expected.thunder.size(), box.write_ms, box.paint_ms, box.empty_ms);
  PrintFigures("linkconv-cli.exe -0, same four conversions:", cli, runs);
  PrintFigures("  of which starting it (empty input):", start, runs);
  const double ratio = window.best_ms / cli.best_ms;
  std::printf("ratio window/cli: %.2f (best), %.2f (median); target at most %.0f: %s\n", ratio,
              window.median_ms / cli.median_ms, kTargetRatio, ratio <= kTargetRatio ? "met" : "NOT met");
  std::printf("results checked: every row of the window and the four results of linkconv-cli.exe\n");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::atoi(argv[1]) : 5;
  if (runs < 1) {
    std::fprintf(stderr, "usage: convert_timing [RUNS]  (RUNS: at least 1, default 5)\n");
    return 2;
  }
  try {
    return Run(runs);
  } catch (const bench::Failure& failure) {
    std::fprintf(stderr, "convert_timing: %s\n", failure.what());
    return 1;
  }
}
