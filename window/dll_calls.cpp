#include "window/dll_calls.h"

#include <cstring>

#include "window/fatal_error.h"
#include "window/fatal_text.h"

namespace {

// Where an entry without a library name looks, in this order.
const char* const kUsualLibraries[] = {"Kernel32.dll", "Gdi32.dll",    "User32.dll",
                                       "Advapi32.dll", "Mpr.dll",      "Shell32.dll"};

DllEntry* g_bound = nullptr;  // entries holding a library, newest first

// A bare name comes from the system directory only: the program's own
// folder is often a downloads folder, where anyone can leave a DLL.
// A name with a drive or path (":") is loaded as it stands.
HMODULE LoadNamed(const char* library) {
  if (std::strchr(library, ':')) return LoadLibraryA(library);
  return LoadLibraryExA(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
}

[[noreturn]] void CannotBind(const char* library, const char* function) {
  char message[1024];
  FormatMissingFunction(library, function, message, sizeof message);
  FatalRuntimeError(0, message);
}

}  // namespace

FARPROC DllEntry::Bind() {
  HMODULE module = nullptr;
  FARPROC address = nullptr;
  if (library_) {
    module = LoadNamed(library_);
    if (module) address = GetProcAddress(module, function_);
    if (!address) {
      if (module) FreeLibrary(module);
      CannotBind(library_, function_);
    }
  } else {
    for (const char* name : kUsualLibraries) {
      module = LoadNamed(name);
      if (!module) continue;
      address = GetProcAddress(module, function_);
      if (address) break;
      FreeLibrary(module);
      module = nullptr;
    }
    if (!address) CannotBind(nullptr, function_);
  }
  module_ = module;
  address_ = address;
  next_bound_ = g_bound;
  g_bound = this;
  return address_;
}

void ReleaseCalledLibraries() {
  while (DllEntry* e = g_bound) {
    g_bound = e->next_bound_;
    FreeLibrary(e->module_);
    e->module_ = nullptr;
    e->address_ = nullptr;
    e->next_bound_ = nullptr;
  }
}
