// A failed memory request of any form ends the program through the fatal
// error routine, naming the byte count.
#include <gtest/gtest.h>

#include <cstdint>
#include <new>
#include <string>
#include <vector>

#include "fatal_seam.h"

namespace {

// Far beyond any address space: the request cannot succeed.
constexpr std::size_t kHuge = std::size_t{1} << 62;

void* volatile g_sink;

TEST(AllocationFailureDeathTest, EveryFormOfNewReportsTheByteCount) {
  struct Case {
    const char* form;
    std::size_t asked;  // what reaches operator new
    void (*allocate)();
  };
  const Case cases[] = {
      {"new", kHuge, [] { g_sink = ::operator new(kHuge); }},
      {"new[]", kHuge + 1, [] { g_sink = ::operator new[](kHuge + 1); }},
      {"new nothrow", kHuge + 2, [] { g_sink = ::operator new(kHuge + 2, std::nothrow); }},
      {"new[] nothrow", kHuge + 3, [] { g_sink = ::operator new[](kHuge + 3, std::nothrow); }},
      {"new aligned", kHuge + 4,
       [] { g_sink = ::operator new(kHuge + 4, std::align_val_t{64}); }},
      {"new[] aligned", kHuge + 5,
       [] { g_sink = ::operator new[](kHuge + 5, std::align_val_t{64}); }},
      {"new aligned nothrow", kHuge + 6,
       [] { g_sink = ::operator new(kHuge + 6, std::align_val_t{64}, std::nothrow); }},
      {"new[] aligned nothrow", kHuge + 7,
       [] { g_sink = ::operator new[](kHuge + 7, std::align_val_t{64}, std::nothrow); }},
      // A library container.
      {"a vector", kHuge, [] {
         std::vector<char> v;
         v.reserve(kHuge);
         g_sink = v.data();
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.form);
    EXPECT_EXIT(c.allocate(), testing::ExitedWithCode(kFatalExitCode),
                FatalOutput(0, "分配 " + std::to_string(c.asked) + " 字节内存失败!"));
  }
}

TEST(AllocationFailure, OrdinaryRequestsStillWork) {
  for (std::size_t n : {std::size_t{0}, std::size_t{1}, std::size_t{1} << 20}) {
    SCOPED_TRACE(n);
    char* plain = static_cast<char*>(::operator new(n));
    char* aligned = static_cast<char*>(::operator new[](n, std::align_val_t{256}));
    EXPECT_NE(plain, nullptr);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(aligned) % 256, 0u);
    if (n) {
      plain[n - 1] = 'x';
      aligned[n - 1] = 'y';
    }
    ::operator delete(plain);
    ::operator delete[](aligned, std::align_val_t{256});
  }
  // Zero-byte requests still get distinct addresses.
  void* a = ::operator new(0);
  void* b = ::operator new(0);
  EXPECT_NE(a, b);
  ::operator delete(a);
  ::operator delete(b);
}

}  // namespace
