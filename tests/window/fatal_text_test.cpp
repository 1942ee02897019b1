#include "window/fatal_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

std::string BoxText(int code, const char* message) {
  char out[1024];
  const std::size_t n = FormatFatalErrorText(code, message, out, sizeof out);
  EXPECT_EQ(n, std::string(out).size());
  return std::string(out, n);
}

TEST(FatalErrorText, LinesForCodeAndMessage) {
  struct Case {
    const char* name;
    int code;
    const char* message;
    std::string want;
  };
  const Case cases[] = {
      {"code and message", 6, "调用DLL命令后发现堆栈错误",
       "运行时出错!\r\n\r\n错误代码：6\r\n\r\n错误信息：调用DLL命令后发现堆栈错误\r\n"},
      {"code 0 shows no code line", 0, "载入启动窗口失败",
       "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n"},
      {"empty message shows no message line", 4, "", "运行时出错!\r\n\r\n错误代码：4\r\n\r\n"},
      {"null message as empty", 1, nullptr, "运行时出错!\r\n\r\n错误代码：1\r\n\r\n"},
      {"neither", 0, "", "运行时出错!\r\n\r\n"},
      {"several digits", 1234567, "x", "运行时出错!\r\n\r\n错误代码：1234567\r\n\r\n错误信息：x\r\n"},
      {"negative code", -1, "", "运行时出错!\r\n\r\n错误代码：-1\r\n\r\n"},
      {"most negative code", INT_MIN, "",
       "运行时出错!\r\n\r\n错误代码：" + std::to_string(INT_MIN) + "\r\n\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(BoxText(c.code, c.message), c.want);
  }
}

TEST(FatalErrorText, CutShortToTheRoomAndAlwaysTerminated) {
  const std::string full = BoxText(6, "载入启动窗口失败");
  for (std::size_t room : {std::size_t{1}, std::size_t{5}, full.size(), full.size() + 1}) {
    SCOPED_TRACE("room " + std::to_string(room));
    std::string out(room + 8, '#');  // guard bytes beyond the room
    const std::size_t n = FormatFatalErrorText(6, "载入启动窗口失败", out.data(), room);
    EXPECT_EQ(n, std::min(full.size(), room - 1));
    EXPECT_EQ(out[n], '\0');
    EXPECT_EQ(std::string(out.data(), n), full.substr(0, n));
    EXPECT_EQ(out.substr(room), std::string(8, '#'));
  }
  char untouched = '#';
  EXPECT_EQ(FormatFatalErrorText(6, "x", &untouched, 0), 0u);
  EXPECT_EQ(untouched, '#');
}

TEST(FatalMessages, AllocationFailedNamesTheFullByteCount) {
  struct Case {
    std::size_t bytes;
    std::string want;
  };
  const Case cases[] = {
      {0, "分配 0 字节内存失败!"},
      {1048577, "分配 1048577 字节内存失败!"},
      // Beyond an int: the count is not cut to 32 bits or shown negative.
      {std::size_t{1} << 40, "分配 1099511627776 字节内存失败!"},
      {SIZE_MAX, "分配 " + std::to_string(SIZE_MAX) + " 字节内存失败!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.want);
    char out[128];
    const std::size_t n = FormatAllocationFailed(c.bytes, out, sizeof out);
    EXPECT_EQ(std::string(out, n), c.want);
  }
}

TEST(FatalMessages, MissingFunctionWithAndWithoutLibrary) {
  struct Case {
    const char* library;
    const char* function;
    std::string want;
  };
  const Case cases[] = {
      {"shdocvw.dll", "DoFileDownloadEx",
       "无法找到指定DLL库文件“shdocvw.dll”中的输出命令“DoFileDownloadEx”"},
      {"kernel32", "MultiByteToWideChar",
       "无法找到指定DLL库文件“kernel32”中的输出命令“MultiByteToWideChar”"},
      {nullptr, "GlobalSize", "无法找到指定DLL库文件中的输出命令“GlobalSize”"},
      // A name holding the placeholder's characters is taken literally.
      {"a%sb.dll", "f%d", "无法找到指定DLL库文件“a%sb.dll”中的输出命令“f%d”"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.function);
    char out[256];
    const std::size_t n = FormatMissingFunction(c.library, c.function, out, sizeof out);
    EXPECT_EQ(std::string(out, n), c.want);
  }
}

}  // namespace
