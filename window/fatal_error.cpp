#include "window/fatal_error.h"

#include <windows.h>
#include <ole2.h>

#include "window/dll_calls.h"
#include "window/exit_cleanup.h"
#include "window/fatal_text.h"

void FatalRuntimeError(int code, const char* message) {
  // On the stack: this may be reporting that the heap is exhausted.
  char text[4096];
  FormatFatalErrorText(code, message, text, sizeof text);
  // No owner: the main window stays usable while the box is open.
  MessageBoxA(nullptr, text, "错误", MB_ICONERROR | MB_OK);
  DropExitCleanup();
  ReleaseCalledLibraries();
  OleUninitialize();
  ExitProcess(0xFFFFFFFFu);
}
