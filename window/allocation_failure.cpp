// Every form of the global operator new: a request the heap cannot meet
// ends the program through the fatal error box, naming the byte count.
// No new-handler, no exception, no null result: nothing is retried.
#include <cstdlib>
#include <new>

#include "window/fatal_error.h"
#include "window/fatal_text.h"

namespace {

[[noreturn]] void AllocationFailed(std::size_t bytes) {
  char message[128];
  FormatAllocationFailed(bytes, message, sizeof message);
  FatalRuntimeError(0, message);
}

void* Allocate(std::size_t bytes) {
  // A zero-byte request still gets a distinct address.
  void* p = std::malloc(bytes ? bytes : 1);
  if (!p) AllocationFailed(bytes);
  return p;
}

void* AllocateAligned(std::size_t bytes, std::align_val_t alignment) {
  const std::size_t align = static_cast<std::size_t>(alignment);
#ifdef _WIN32
  void* p = _aligned_malloc(bytes ? bytes : 1, align);
#else
  // aligned_alloc wants a size that is a multiple of the alignment.
  const std::size_t rounded = bytes == 0 ? align : (bytes + align - 1) / align * align;
  void* p = rounded < bytes ? nullptr : std::aligned_alloc(align, rounded);
#endif
  if (!p) AllocationFailed(bytes);
  return p;
}

void FreeAligned(void* p) {
#ifdef _WIN32
  _aligned_free(p);
#else
  std::free(p);
#endif
}

}  // namespace

void* operator new(std::size_t n) { return Allocate(n); }
void* operator new[](std::size_t n) { return Allocate(n); }
void* operator new(std::size_t n, const std::nothrow_t&) noexcept { return Allocate(n); }
void* operator new[](std::size_t n, const std::nothrow_t&) noexcept { return Allocate(n); }
void* operator new(std::size_t n, std::align_val_t a) { return AllocateAligned(n, a); }
void* operator new[](std::size_t n, std::align_val_t a) { return AllocateAligned(n, a); }
void* operator new(std::size_t n, std::align_val_t a, const std::nothrow_t&) noexcept {
  return AllocateAligned(n, a);
}
void* operator new[](std::size_t n, std::align_val_t a, const std::nothrow_t&) noexcept {
  return AllocateAligned(n, a);
}

void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete(void* p, std::align_val_t) noexcept { FreeAligned(p); }
void operator delete[](void* p, std::align_val_t) noexcept { FreeAligned(p); }
void operator delete(void* p, std::size_t, std::align_val_t) noexcept { FreeAligned(p); }
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept { FreeAligned(p); }
void operator delete(void* p, std::align_val_t, const std::nothrow_t&) noexcept { FreeAligned(p); }
void operator delete[](void* p, std::align_val_t, const std::nothrow_t&) noexcept {
  FreeAligned(p);
}
