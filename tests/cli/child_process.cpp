#include "child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>

extern char** environ;

namespace {

class Fd {
 public:
  Fd() = default;
  explicit Fd(int fd) : fd_(fd) {}
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  ~Fd() { Close(); }
  int get() const { return fd_; }
  void Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }
  void Reset(int fd) {
    Close();
    fd_ = fd;
  }

 private:
  int fd_ = -1;
};

struct Pipe {
  Fd read, write;
  bool Open() {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) return false;
    read.Reset(fds[0]);
    write.Reset(fds[1]);
    return true;
  }
};

class SpawnActions {
 public:
  SpawnActions() { posix_spawn_file_actions_init(&actions_); }
  ~SpawnActions() { posix_spawn_file_actions_destroy(&actions_); }
  SpawnActions(const SpawnActions&) = delete;
  SpawnActions& operator=(const SpawnActions&) = delete;
  // dup2 clears close-on-exec on the target, so only 0, 1 and 2 reach the child.
  void Dup(int fd, int target) { posix_spawn_file_actions_adddup2(&actions_, fd, target); }
  void Open(int target, const char* path, int flags) {
    posix_spawn_file_actions_addopen(&actions_, target, path, flags, 0);
  }
  const posix_spawn_file_actions_t* get() const { return &actions_; }

 private:
  posix_spawn_file_actions_t actions_;
};

class SpawnAttributes {
 public:
  SpawnAttributes() {
    posix_spawnattr_init(&attributes_);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigdefault(&attributes_, &defaults);
    posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETSIGDEF);
  }
  ~SpawnAttributes() { posix_spawnattr_destroy(&attributes_); }
  SpawnAttributes(const SpawnAttributes&) = delete;
  SpawnAttributes& operator=(const SpawnAttributes&) = delete;
  const posix_spawnattr_t* get() const { return &attributes_; }

 private:
  posix_spawnattr_t attributes_;
};

void SetNonBlocking(int fd) { ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK); }

// Reads what is there; false at end of stream.
bool Drain(int fd, const std::function<void(const char*, std::size_t)>& sink) {
  char buffer[1 << 16];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n > 0) {
      sink(buffer, static_cast<std::size_t>(n));
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    return n < 0 && errno == EAGAIN;
  }
}

}  // namespace

std::string ChildResult::Describe() const {
  if (!started) return "the child did not start";
  if (timed_out) return "the child timed out and was killed";
  std::string s = exited ? "exit code " + std::to_string(exit_code)
                         : "killed by signal " + std::to_string(signal);
  return s + "; stderr: '" + err + "'";
}

ChildResult RunChild(const ChildCommand& command, const std::string& input) {
  bool fed = false;
  ChildStreams streams;
  streams.next_input = [&](std::string& piece) {
    if (fed || input.empty()) return false;
    piece = input;
    fed = true;
    return true;
  };
  return RunChild(command, std::move(streams));
}

ChildResult RunChild(const ChildCommand& command, ChildStreams streams) {
  // A child that stops reading must not kill the test with SIGPIPE.
  ::signal(SIGPIPE, SIG_IGN);
  ChildResult result;
  Pipe in, out, err;
  if (!in.Open() || !out.Open() || !err.Open()) return result;

  SpawnActions actions;
  actions.Dup(in.read.get(), 0);
  switch (command.stdout_to) {
    case StdoutTo::Capture:
      actions.Dup(out.write.get(), 1);
      break;
    case StdoutTo::DevFull:
      actions.Open(1, "/dev/full", O_WRONLY);
      break;
    case StdoutTo::ClosedPipe:
      out.read.Close();  // no reader from the start: every write gets EPIPE
      actions.Dup(out.write.get(), 1);
      break;
  }
  actions.Dup(err.write.get(), 2);

  std::vector<std::string> argv_strings{command.program};
  argv_strings.insert(argv_strings.end(), command.args.begin(), command.args.end());
  std::vector<char*> argv;
  for (std::string& s : argv_strings) argv.push_back(&s[0]);
  argv.push_back(nullptr);

  // The child starts as from a shell, with SIGPIPE's default action,
  // not with the disposition the test gave itself.
  SpawnAttributes attributes;
  pid_t pid = -1;
  if (posix_spawn(&pid, command.program.c_str(), actions.get(), attributes.get(), argv.data(), environ) != 0)
    return result;
  result.started = true;
  in.read.Close();
  out.write.Close();
  err.write.Close();
  SetNonBlocking(in.write.get());
  if (out.read.get() >= 0) SetNonBlocking(out.read.get());
  SetNonBlocking(err.read.get());

  const auto on_stdout = [&](const char* data, std::size_t n) {
    if (streams.on_stdout)
      streams.on_stdout(data, n);
    else
      result.out.append(data, n);
    if (streams.on_progress) streams.on_progress(pid);
  };
  const auto on_stderr = [&](const char* data, std::size_t n) { result.err.append(data, n); };

  std::string pending;
  std::size_t pending_at = 0;
  const auto deadline = std::chrono::steady_clock::now() + command.timeout;
  while (in.write.get() >= 0 || out.read.get() >= 0 || err.read.get() >= 0) {
    if (in.write.get() >= 0 && pending_at == pending.size()) {
      pending.clear();
      pending_at = 0;
      if (!streams.next_input || !streams.next_input(pending)) in.write.Close();
    }
    pollfd fds[3];
    nfds_t count = 0;
    if (in.write.get() >= 0 && pending_at < pending.size()) fds[count++] = {in.write.get(), POLLOUT, 0};
    if (out.read.get() >= 0) fds[count++] = {out.read.get(), POLLIN, 0};
    if (err.read.get() >= 0) fds[count++] = {err.read.get(), POLLIN, 0};
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) {
      result.timed_out = true;
      ::kill(pid, SIGKILL);
      break;
    }
    const int ready = ::poll(fds, count, static_cast<int>(left.count()));
    if (ready < 0 && errno != EINTR) break;
    for (nfds_t i = 0; i < count && ready > 0; ++i) {
      if (fds[i].revents == 0) continue;
      if (fds[i].fd == in.write.get()) {
        const ssize_t n = ::write(in.write.get(), pending.data() + pending_at, pending.size() - pending_at);
        if (n > 0) pending_at += static_cast<std::size_t>(n);
        else if (n < 0 && errno != EAGAIN && errno != EINTR) in.write.Close();  // the child stopped reading
      } else if (fds[i].fd == out.read.get()) {
        if (!Drain(out.read.get(), on_stdout)) out.read.Close();
      } else if (fds[i].fd == err.read.get()) {
        if (!Drain(err.read.get(), on_stderr)) err.read.Close();
      }
    }
  }

  int status = 0;
  // Streams are closed; a child still running past the deadline is killed.
  for (;;) {
    const pid_t done = ::waitpid(pid, &status, WNOHANG);
    if (done == pid) break;
    if (done < 0 && errno != EINTR) return result;
    if (std::chrono::steady_clock::now() > deadline) {
      result.timed_out = true;
      ::kill(pid, SIGKILL);
      ::waitpid(pid, &status, 0);
      break;
    }
    ::usleep(1000);
  }
  result.exited = WIFEXITED(status);
  if (result.exited) result.exit_code = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) result.signal = WTERMSIG(status);
  return result;
}

long PeakResidentKiB(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string key;
  while (status >> key) {
    if (key == "VmHWM:") {
      long kib = -1;
      status >> kib;
      return kib;
    }
    status.ignore(1 << 12, '\n');
  }
  return -1;
}
