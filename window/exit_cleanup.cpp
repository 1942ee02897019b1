#include "window/exit_cleanup.h"

namespace {
ExitCleanupFunction g_cleanup = nullptr;
}

void RegisterExitCleanup(ExitCleanupFunction cleanup) { g_cleanup = cleanup; }

void RunExitCleanup() {
  const ExitCleanupFunction cleanup = g_cleanup;
  g_cleanup = nullptr;
  if (cleanup) cleanup();
}

void DropExitCleanup() { g_cleanup = nullptr; }
