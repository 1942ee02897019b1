// One run of the real linkconv.exe, started the way Explorer would start
// it, and what can be seen of it from outside: its windows, its current
// directory and its exit code. The destructor ends a run still going.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "wait.h"

namespace e2e {

// The folder of the driver, where the build puts linkconv.exe and the
// fixtures too.
std::string BuildBinFolder();
std::string ProgramPath();

class LinkconvProcess {
 public:
  LinkconvProcess() = default;
  LinkconvProcess(const LinkconvProcess&) = delete;
  LinkconvProcess& operator=(const LinkconvProcess&) = delete;
  ~LinkconvProcess();

  // Starts linkconv.exe with `arguments` after the program name, in the
  // current directory `directory`. Empty string on success, else why not.
  std::string Start(const std::string& arguments, const std::string& directory);

  // The main window (class LINKCONV_MAIN_CLASS, this process), visible;
  // nullptr when it did not appear in time.
  HWND WaitForMainWindow(milliseconds timeout) const;

  // Top-level windows of the process with the given class ("#32770" for a
  // message box), visible ones only.
  std::vector<HWND> TopLevelWindows(const char* class_name) const;

  // Waits until the program waits for input with nothing left to handle
  // (and so has painted what it shows).
  bool WaitForInputIdle(milliseconds timeout) const;

  bool Running() const;
  bool WaitForExit(milliseconds timeout) const;
  DWORD ExitCode() const;  // STILL_ACTIVE while running
  DWORD Id() const { return info_.dwProcessId; }

  // The current directory as the process itself keeps it (its parameter
  // block), e.g. "C:\\dir\\"; empty when it cannot be read.
  std::wstring CurrentDirectory() const;

  // Ends the process if it still runs and waits for it to be gone.
  void Kill();

 private:
  PROCESS_INFORMATION info_{};
};

}  // namespace e2e
