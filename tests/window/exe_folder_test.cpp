#include "window/exe_folder.h"

#include <gtest/gtest.h>

namespace {

TEST(FolderOfPath, FolderPartOfFullPaths) {
  struct Case {
    std::wstring path, want;
  };
  const Case cases[] = {
      {L"C:\\Program Files\\linkconv\\linkconv.exe", L"C:\\Program Files\\linkconv"},
      {L"C:\\linkconv.exe", L"C:\\"},  // a root keeps its backslash
      {L"\\\\?\\C:\\linkconv.exe", L"\\\\?\\C:\\"},
      {L"\\\\?\\C:\\a\\linkconv.exe", L"\\\\?\\C:\\a"},
      {L"\\\\server\\share\\tools\\linkconv.exe", L"\\\\server\\share\\tools"},
      {L"\\linkconv.exe", L"\\"},
      {L"D:\\下载\\链接\\linkconv.exe", L"D:\\下载\\链接"},
      {L"linkconv.exe", L""},
      {L"", L""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.path));
    EXPECT_EQ(FolderOfPath(c.path), c.want);
  }
}

}  // namespace
