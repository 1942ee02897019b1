#include <windows.h>

#include "window/exe_folder.h"

void MakeExeFolderCurrent() {
  // Wide calls: a folder name need not fit the ANSI code page.
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return;
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    path.resize(path.size() * 2);
  }
  const std::wstring folder = FolderOfPath(path);
  if (!folder.empty()) SetCurrentDirectoryW(folder.c_str());
}
