#include "window/download_dialog.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "window/dll_calls.h"

namespace {

TEST(AnsiToUtf16Buffer, OneUnitPerCharacterInAZeroedBufferOfLengthPlusOne) {
  // The expectations are GBK bytes: the system's code page must be 936.
  ASSERT_EQ(GetACP(), 936u) << "run under a GBK locale (LC_ALL=zh_CN.UTF-8)";
  struct Case {
    Text text;
    std::vector<wchar_t> want;
  };
  const Case cases[] = {
      {"", {0}},
      {"abc", {L'a', L'b', L'c', 0}},
      // Two double-byte characters: four bytes, two units, the rest zero.
      {"中文", {0x4E2D, 0x6587, 0, 0, 0}},
      {"http://例子.com/", {L'h', L't', L't', L'p', L':', L'/', L'/', 0x4F8B, 0x5B50, L'.', L'c',
                           L'o', L'm', L'/', 0, 0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("'" + c.text + "'");
    EXPECT_EQ(AnsiToUtf16Buffer(c.text), c.want);
  }
  ReleaseCalledLibraries();
}

}  // namespace
