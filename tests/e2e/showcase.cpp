// Shows the window for a screenshot: starts linkconv.exe, converts
// 'thunder://QUFhYmNaWg==' so that the rows are filled, creates the file
// named by the first argument, and closes the window once the file named
// by the second argument exists (or after a minute).
#include <windows.h>

#include <cstdio>

#include "expected_window.h"
#include "linkconv_process.h"
#include "user_input.h"
#include "wait.h"
#include "window_probe.h"

using namespace e2e;

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: linkconv_showcase READY_FILE DONE_FILE\n");
    return 2;
  }
  LinkconvProcess program;
  const std::string error = program.Start("", "C:\\");
  if (!error.empty()) {
    std::fprintf(stderr, "cannot start linkconv.exe: %s\n", error.c_str());
    return 1;
  }
  const HWND main = program.WaitForMainWindow(kStartTimeout);
  if (!main || !Activate(main)) {
    std::fprintf(stderr, "no main window\n");
    return 1;
  }
  SetTextOf(GetDlgItem(main, kId编辑框1), "thunder://QUFhYmNaWg==");
  Click(GetDlgItem(main, kId按钮1));
  if (!WaitUntil([&] { return !TextOf(GetDlgItem(main, kId真实)).empty(); }, kActionTimeout)) {
    std::fprintf(stderr, "Convert did not fill the rows\n");
    return 1;
  }
  // Back to the input box, with the pointer out of the picture.
  Click(GetDlgItem(main, kId编辑框1));
  MoveMouseTo({0, 0});
  program.WaitForInputIdle(kActionTimeout);  // painted what it shows

  HANDLE ready = CreateFileA(argv[1], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (ready == INVALID_HANDLE_VALUE) return 1;
  CloseHandle(ready);
  WaitUntil([&] { return GetFileAttributesA(argv[2]) != INVALID_FILE_ATTRIBUTES; }, milliseconds(60000));

  PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
  if (!program.WaitForExit(kExitTimeout)) return 1;
  return program.ExitCode() == 0 ? 0 : 1;
}
