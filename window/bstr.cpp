#include "window/bstr.h"

#include <climits>
#include <vector>

Bstr AnsiToBstr(const Text& text) {
  // A text longer than an int can count is cut there; no address is.
  const int length = text.size() > INT_MAX ? INT_MAX : static_cast<int>(text.size());
  const int needed = length == 0 ? 0 : MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
  if (needed <= 0) return Bstr(L"", 0);
  std::vector<wchar_t> wide(static_cast<size_t>(needed));
  const int units = MultiByteToWideChar(CP_ACP, 0, text.data(), length, wide.data(), needed);
  return Bstr(wide.data(), units > 0 ? static_cast<UINT>(units) : 0);
}
