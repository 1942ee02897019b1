#include "bench/wine/cli_timing.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace bench {
namespace {

constexpr DWORD kRunTimeoutMs = 120000;

// A file in the temporary folder, deleted with its owner. Each has a name
// of its own: Wine may still hold a file of a process that has just ended.
class TempFile {
 public:
  explicit TempFile(const std::string& role) {
    static int files_made = 0;
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    path_ = std::string(folder) + "convert_timing_" + std::to_string(GetCurrentProcessId()) + "_" +
            std::to_string(++files_made) + "_" + role;
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  ~TempFile() { DeleteFileA(path_.c_str()); }

  void Write(const std::string& bytes) const {
    std::ofstream out(path_, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) throw Failure("cannot write " + path_);
  }
  std::string Read() const {
    std::ifstream in(path_, std::ios::binary);
    if (!in) throw Failure("cannot read " + path_);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  // An inheritable handle, for a child's standard stream.
  HANDLE Open(bool for_writing) const {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE h = CreateFileA(path_.c_str(), for_writing ? GENERIC_WRITE : GENERIC_READ, FILE_SHARE_READ,
                           &inherit, for_writing ? CREATE_ALWAYS : OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
      throw Failure("cannot open " + path_ + ": error " + std::to_string(GetLastError()));
    return h;
  }

 private:
  std::string path_;
};

struct CliRun {
  double ms;
  std::string output;
};

// One run of `program -0` on the bytes of `input`, timed from the
// CreateProcess call to the moment the process has ended.
CliRun RunOnce(const std::string& program, const TempFile& input) {
  const TempFile output("out"), errors("err");
  std::string command_line = "\"" + program + "\" -0";
  double ms = 0;
  {
    const Handle in(input.Open(false)), out(output.Open(true)), err(errors.Open(true));
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = in.get();
    startup.hStdOutput = out.get();
    startup.hStdError = err.get();
    PROCESS_INFORMATION info{};
    const double start = NowMs();
    if (!CreateProcessA(program.c_str(), command_line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                        nullptr, nullptr, &startup, &info))
      throw Failure("cannot start " + program + ": error " + std::to_string(GetLastError()));
    const Handle process(info.hProcess), thread(info.hThread);
    const DWORD waited = WaitForSingleObject(info.hProcess, kRunTimeoutMs);
    ms = NowMs() - start;
    if (waited != WAIT_OBJECT_0) {
      TerminateProcess(info.hProcess, 1);
      WaitForSingleObject(info.hProcess, kRunTimeoutMs);
      throw Failure("linkconv-cli.exe did not end in time");
    }
    DWORD code = 1;
    GetExitCodeProcess(info.hProcess, &code);
    if (code != 0) throw Failure("linkconv-cli.exe exited with " + std::to_string(code) + ": " + errors.Read());
  }
  return {ms, output.Read()};
}

}  // namespace

std::vector<double> TimeCliConvert(const std::string& program, const Text& link,
                                   const ConvertResults& expected, int runs) {
  const TempFile input("in");
  input.Write(link + '\0');
  // -0 prints the forms as thunder, flashget, qqdl, real, each NUL-ended.
  std::string want;
  for (const Text* form : {&expected.thunder, &expected.flashget, &expected.qq, &expected.real})
    want += *form + '\0';
  std::vector<double> times;
  for (int r = 0; r < runs; ++r) {
    const CliRun run = RunOnce(program, input);
    if (run.output != want) {
      const auto results = std::count(run.output.begin(), run.output.end(), '\0');
      throw Failure("linkconv-cli.exe printed " + std::to_string(results) + " results in " +
                    std::to_string(run.output.size()) + " bytes, not the four expected ones in " +
                    std::to_string(want.size()));
    }
    times.push_back(run.ms);
  }
  return times;
}

std::vector<double> TimeCliStart(const std::string& program, int runs) {
  const TempFile input("empty");
  input.Write("");
  std::vector<double> times;
  for (int r = 0; r < runs; ++r) {
    const CliRun run = RunOnce(program, input);
    if (!run.output.empty()) throw Failure("linkconv-cli.exe printed something for no input");
    times.push_back(run.ms);
  }
  return times;
}

}  // namespace bench
