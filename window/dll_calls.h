// System functions called by library and function name rather than
// imported: each entry is bound at its first call and stays bound; the
// libraries loaded for the entries are released at the end of the run.
#pragma once

#include <windows.h>

// One (library, function) pair and what binding it found. Entries are
// objects of static storage duration (or, in tests, outlive their use
// until ReleaseCalledLibraries).
class DllEntry {
 public:
  // library == nullptr: look the function up in the usual system DLLs.
  constexpr DllEntry(const char* library, const char* function)
      : library_(library), function_(function) {}
  DllEntry(const DllEntry&) = delete;
  DllEntry& operator=(const DllEntry&) = delete;

  const char* library() const { return library_; }
  const char* function() const { return function_; }

  // The function's address; binds on the first call. A library or
  // function that cannot be found ends the program (fatal error).
  FARPROC Address() { return address_ ? address_ : Bind(); }

 private:
  friend void ReleaseCalledLibraries();
  FARPROC Bind();

  const char* library_;
  const char* function_;
  FARPROC address_ = nullptr;
  HMODULE module_ = nullptr;     // loaded for this entry, released at exit
  DllEntry* next_bound_ = nullptr;
};

// A typed entry: DllFunction<BOOL WINAPI(HWND)> open{nullptr, "OpenClipboard"};
template <typename Signature>
class DllFunction;

template <typename R, typename... Args>
class DllFunction<R WINAPI(Args...)> {
 public:
  constexpr DllFunction(const char* library, const char* function) : entry_(library, function) {}

  R operator()(Args... args) {
    using Pointer = R(WINAPI*)(Args...);
    return reinterpret_cast<Pointer>(reinterpret_cast<void (*)()>(entry_.Address()))(args...);
  }

  DllEntry& entry() { return entry_; }

 private:
  DllEntry entry_;
};

// Frees every library loaded for an entry and unbinds those entries.
void ReleaseCalledLibraries();
