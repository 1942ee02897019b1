#include "text_display.h"

#include <windows.h>

namespace e2e {

std::wstring ToUtf16(const std::string& ansi) {
  if (ansi.empty()) return L"";
  const int n = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
  std::wstring wide(n, L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(), n);
  return wide;
}

std::string ToUtf8(const std::wstring& text) {
  if (text.empty()) return "";
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                    nullptr, nullptr);
  std::string utf8(n, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), n, nullptr, nullptr);
  return utf8;
}

std::string Shown(const std::string& ansi) {
  constexpr size_t kMost = 120;
  std::string utf8 = ToUtf8(ToUtf16(ansi.substr(0, kMost)));
  return "'" + utf8 + (ansi.size() > kMost ? "...'" : "'") + " (" + std::to_string(ansi.size()) + " bytes)";
}

std::string AsEditBoxKeepsIt(const std::string& ansi) {
  const std::wstring wide = ToUtf16(ansi);
  if (wide.empty()) return "";
  const int n = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr,
                                    nullptr);
  std::string back(n, '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), back.data(), n, nullptr, nullptr);
  return back;
}

}  // namespace e2e
