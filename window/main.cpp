// Start-up, main loop and shut-down of linkconv.exe.
#include <windows.h>
#include <ole2.h>

#include <optional>

#include "codec/base64.h"
#include "codec/event_pump.h"
#include "window/clipboard.h"
#include "window/dll_calls.h"
#include "window/event_loop.h"
#include "window/exe_folder.h"
#include "window/exit_cleanup.h"
#include "window/fatal_error.h"
#include "window/fatal_text.h"
#include "window/main_window.h"

namespace {

// The program's two instances; both live from start-up to ExitCleanup.
std::optional<BASE64类> g_codec;
std::optional<剪辑板类> g_clipboard;

void ExitCleanup() {
  g_codec.reset();
  g_clipboard.reset();
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // Command-line arguments and the show command are not used.
  OleInitialize(nullptr);  // the browser box hosts an OLE control
  MakeExeFolderCurrent();
  g_codec.emplace();
  g_clipboard.emplace();
  RegisterExitCleanup(ExitCleanup);
  SetEventPump(ProcessPendingEvents);

  // Lives until the process ends: an action dispatching events may still
  // be running when the window is closed, and asks the object afterwards.
  static MainWindow window(*g_clipboard);
  if (!window.Create()) FatalRuntimeError(0, kMessageWindowNotLoaded);
  InstallKeyFilter(&window);

  const int exit_code = RunMainLoop(window.hwnd());

  RunExitCleanup();
  ReleaseCalledLibraries();
  OleUninitialize();
  return exit_code;
}
