// The clean-up that runs once at a normal end of the program. A fatal
// error drops it, so it never runs after one.
#pragma once

using ExitCleanupFunction = void (*)();

void RegisterExitCleanup(ExitCleanupFunction cleanup);
// Runs the registered clean-up, at most once over the whole process.
void RunExitCleanup();
void DropExitCleanup();
