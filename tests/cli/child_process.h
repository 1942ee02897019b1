// Runs a program as a child process with its standard streams wired to
// the test, for tests that drive a built program end to end. POSIX only.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

enum class StdoutTo {
  Capture,     // read by the test
  DevFull,     // /dev/full: every write fails with ENOSPC
  ClosedPipe,  // a pipe whose read end is closed before the child starts
};

struct ChildCommand {
  std::string program;
  std::vector<std::string> args;
  StdoutTo stdout_to = StdoutTo::Capture;
  // A child that runs longer is killed and the run reports timed_out.
  std::chrono::seconds timeout{60};
};

// Streaming hooks; the plain RunChild below fills them for whole strings.
struct ChildStreams {
  // Fills the next piece of standard input; false once there is no more,
  // and standard input is closed. An empty piece means "nothing yet": it
  // is asked again after the next output arrives.
  std::function<bool(std::string& piece)> next_input;
  std::function<void(const char* data, std::size_t n)> on_stdout;
  // Called after each piece of standard output, while the child still runs.
  std::function<void(pid_t child)> on_progress;
};

struct ChildResult {
  bool started = false;
  bool timed_out = false;
  bool exited = false;  // by exit(), not by a signal
  int exit_code = -1;
  int signal = 0;
  std::string out, err;  // out stays empty when a stdout hook takes it
  std::string Describe() const;
};

ChildResult RunChild(const ChildCommand& command, const std::string& input);
ChildResult RunChild(const ChildCommand& command, ChildStreams streams);

// Peak resident memory of a running process in KiB (VmHWM), -1 when it
// cannot be read (the process already ended).
long PeakResidentKiB(pid_t pid);
