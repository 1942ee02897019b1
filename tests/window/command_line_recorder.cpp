// Registered by the browser box tests for a URL protocol of their own: it
// appends the command line it was started with, unparsed, to the record
// file beside itself (its own path with ".rec" for ".exe").
#include <windows.h>

#include <string>

#include "fixtures/record_file.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  wchar_t self[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
  if (length < 4 || length >= MAX_PATH) return 1;
  std::wstring records(self, length - 4);
  records += L".rec";
  AppendRecord(records.c_str(), 0, GetCommandLineW());
  return 0;
}
