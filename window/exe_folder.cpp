#include "window/exe_folder.h"

std::wstring FolderOfPath(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L"\\/");
  if (slash == std::wstring::npos) return std::wstring();
  // A root keeps its backslash: "\" alone, or "X:\" (also behind "\\?\").
  if (slash == 0) return path.substr(0, 1);
  if (slash >= 2 && path[slash - 1] == L':') return path.substr(0, slash + 1);
  return path.substr(0, slash);
}
