#include "linkconv_process.h"

#include <winternl.h>

#include <cstdio>

#include "window/control_ids.h"

namespace e2e {

std::string BuildBinFolder() {
  char path[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, n);
  return folder.substr(0, folder.find_last_of("\\/"));
}

std::string ProgramPath() { return BuildBinFolder() + "\\linkconv.exe"; }

LinkconvProcess::~LinkconvProcess() {
  Kill();
  if (info_.hProcess) CloseHandle(info_.hProcess);
  if (info_.hThread) CloseHandle(info_.hThread);
}

std::string LinkconvProcess::Start(const std::string& arguments, const std::string& directory) {
  if (info_.hProcess) return "already started";
  const std::string program = ProgramPath();
  if (GetFileAttributesA(program.c_str()) == INVALID_FILE_ATTRIBUTES)
    return "no program at " + program;
  std::string command_line = "\"" + program + "\"";
  if (!arguments.empty()) command_line += " " + arguments;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  // Wine now and then loses a new process before the process has run any
  // code of its own, and CreateProcess then fails with ERROR_INTERNAL_ERROR.
  // That is no fault of linkconv.exe (whose image has not run yet), so such
  // a start is tried again, a few times at most; every other error stands.
  constexpr int kStartAttempts = 3;
  DWORD error = 0;
  for (int attempt = 1; attempt <= kStartAttempts; ++attempt) {
    if (CreateProcessA(program.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       directory.empty() ? nullptr : directory.c_str(), &startup, &info_))
      return "";
    error = GetLastError();
    info_ = {};
    if (error != ERROR_INTERNAL_ERROR) break;
    std::fprintf(stderr, "linkconv.exe was lost while starting (attempt %d of %d)\n", attempt, kStartAttempts);
  }
  return "CreateProcess failed with error " + std::to_string(error);
}

namespace {

struct WindowSearch {
  DWORD process;
  const char* class_name;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<WindowSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char name[256] = "";
  GetClassNameA(window, name, sizeof name);
  if (owner == search->process && lstrcmpA(name, search->class_name) == 0 && IsWindowVisible(window))
    search->found.push_back(window);
  return TRUE;
}

}  // namespace

std::vector<HWND> LinkconvProcess::TopLevelWindows(const char* class_name) const {
  WindowSearch search{info_.dwProcessId, class_name, {}};
  if (info_.hProcess) EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND LinkconvProcess::WaitForMainWindow(milliseconds timeout) const {
  HWND main = nullptr;
  WaitUntil(
      [&] {
        const auto windows = TopLevelWindows(LINKCONV_MAIN_CLASS);
        if (!windows.empty()) main = windows.front();
        return main != nullptr || !Running();
      },
      timeout);
  return main;
}

bool LinkconvProcess::WaitForInputIdle(milliseconds timeout) const {
  return info_.hProcess && ::WaitForInputIdle(info_.hProcess, static_cast<DWORD>(timeout.count())) == 0;
}

bool LinkconvProcess::Running() const { return ExitCode() == STILL_ACTIVE; }

bool LinkconvProcess::WaitForExit(milliseconds timeout) const {
  return info_.hProcess &&
         WaitForSingleObject(info_.hProcess, static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
}

DWORD LinkconvProcess::ExitCode() const {
  DWORD code = 0;
  if (!info_.hProcess || !GetExitCodeProcess(info_.hProcess, &code)) return 0;
  return code;
}

std::wstring LinkconvProcess::CurrentDirectory() const {
  // x64 layout: PEB.ProcessParameters at 0x20; in the parameter block the
  // current directory's DOS path (a UNICODE_STRING) at 0x38.
  constexpr SIZE_T kParametersInPeb = 0x20;
  constexpr SIZE_T kCurrentDirectoryInParameters = 0x38;
  if (!info_.hProcess) return L"";
  PROCESS_BASIC_INFORMATION basic{};
  ULONG length = 0;
  if (NtQueryInformationProcess(info_.hProcess, ProcessBasicInformation, &basic, sizeof basic, &length) != 0)
    return L"";
  auto read = [&](const void* at, void* into, SIZE_T size) {
    SIZE_T got = 0;
    return ReadProcessMemory(info_.hProcess, at, into, size, &got) && got == size;
  };
  const char* parameters = nullptr;
  UNICODE_STRING path{};
  if (!read(reinterpret_cast<const char*>(basic.PebBaseAddress) + kParametersInPeb, &parameters,
            sizeof parameters) ||
      !read(parameters + kCurrentDirectoryInParameters, &path, sizeof path))
    return L"";
  std::wstring text(path.Length / sizeof(wchar_t), L'\0');
  if (!text.empty() && !read(path.Buffer, text.data(), path.Length)) return L"";
  return text;
}

void LinkconvProcess::Kill() {
  if (!info_.hProcess || !Running()) return;
  TerminateProcess(info_.hProcess, 0xDEAD);
  WaitForSingleObject(info_.hProcess, 10000);
}

}  // namespace e2e
