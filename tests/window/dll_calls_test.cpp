#include "window/dll_calls.h"

#include <gtest/gtest.h>

#include <string>

#include "fatal_seam.h"

namespace {

std::string OwnFolder() {
  char path[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string s(path, n);
  return s.substr(0, s.find_last_of('\\') + 1);
}

// Entries bound in a test are released before they go out of scope.
class DllCalls : public testing::Test {
 protected:
  void TearDown() override { ReleaseCalledLibraries(); }
};
using DllCallsDeathTest = DllCalls;

TEST_F(DllCalls, EntriesWithoutLibraryFindTheFunctionInTheUsualDlls) {
  struct Case {
    const char* function;
    const char* home;  // the first of the usual DLLs that exports it
  };
  const Case cases[] = {
      {"GetTickCount", "kernel32.dll"},  {"GetStockObject", "gdi32.dll"},
      {"GetDesktopWindow", "user32.dll"}, {"GetUserNameA", "advapi32.dll"},
      {"WNetGetUserA", "mpr.dll"},        {"ShellExecuteA", "shell32.dll"},
      // Exported by kernel32 and advapi32 alike: kernel32 comes first.
      {"RegCloseKey", "kernel32.dll"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.function);
    DllEntry entry(nullptr, c.function);
    HMODULE home = LoadLibraryA(c.home);
    ASSERT_NE(home, nullptr);
    EXPECT_EQ(entry.Address(), GetProcAddress(home, c.function));
    FreeLibrary(home);
  }
}

TEST_F(DllCalls, TypedEntryCallsTheFunction) {
  DllFunction<DWORD WINAPI(DWORD, LPSTR)> get_temp_path{"kernel32", "GetTempPathA"};
  char ours[MAX_PATH], direct[MAX_PATH];
  const DWORD n = get_temp_path(MAX_PATH, ours);
  ASSERT_EQ(n, GetTempPathA(MAX_PATH, direct));
  EXPECT_EQ(std::string(ours, n), std::string(direct, n));
}

TEST_F(DllCalls, ABareNameIsNotLoadedFromTheProgramsFolder) {
  // The DLL is there, beside the test program ...
  const std::string beside = OwnFolder() + "planted_probe.dll";
  ASSERT_NE(GetFileAttributesA(beside.c_str()), INVALID_FILE_ATTRIBUTES) << beside;
  // ... and a name with a path (":") loads it as it stands.
  DllFunction<int WINAPI()> by_path{beside.c_str(), "PlantedProbe"};
  EXPECT_EQ(by_path(), 4242);
}

TEST_F(DllCallsDeathTest, ABareNameOfAPlantedDllIsAFatalError) {
  DllFunction<int WINAPI()> planted{"planted_probe.dll", "PlantedProbe"};
  EXPECT_EXIT(planted(), testing::ExitedWithCode(kFatalExitCode),
              FatalOutput(0, "无法找到指定DLL库文件“planted_probe.dll”中的输出命令“PlantedProbe”"));
}

TEST_F(DllCallsDeathTest, AnEntryThatCannotBeBoundIsAFatalError) {
  struct Case {
    const char* library;
    const char* function;
    std::string message;
  };
  const Case cases[] = {
      {"kernel32", "NoSuchFunction",
       "无法找到指定DLL库文件“kernel32”中的输出命令“NoSuchFunction”"},
      {"no_such_library.dll", "GetTickCount",
       "无法找到指定DLL库文件“no_such_library.dll”中的输出命令“GetTickCount”"},
      {"C:\\no\\such\\folder\\x.dll", "F",
       "无法找到指定DLL库文件“C:\\no\\such\\folder\\x.dll”中的输出命令“F”"},
      {nullptr, "NoSuchFunction", "无法找到指定DLL库文件中的输出命令“NoSuchFunction”"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    DllEntry entry(c.library, c.function);
    EXPECT_EXIT(entry.Address(), testing::ExitedWithCode(kFatalExitCode),
                FatalOutput(0, c.message));
  }
}

TEST_F(DllCalls, StaysBoundUntilReleasedThenFreesItsLibrary) {
  const std::string path = OwnFolder() + "planted_probe.dll";
  DllEntry entry(path.c_str(), "PlantedProbe");
  ASSERT_EQ(GetModuleHandleA(path.c_str()), nullptr);
  const FARPROC first = entry.Address();
  ASSERT_NE(GetModuleHandleA(path.c_str()), nullptr);
  EXPECT_EQ(entry.Address(), first);
  // One release frees it: the second call did not load it again.
  ReleaseCalledLibraries();
  EXPECT_EQ(GetModuleHandleA(path.c_str()), nullptr);
  // A released entry binds again at its next call.
  EXPECT_NE(entry.Address(), nullptr);
  EXPECT_NE(GetModuleHandleA(path.c_str()), nullptr);
}

}  // namespace
