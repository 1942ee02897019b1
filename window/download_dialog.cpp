#include "window/download_dialog.h"

#include "window/system_calls.h"

std::vector<wchar_t> AnsiToUtf16Buffer(const Text& text) {
  std::vector<wchar_t> buffer(text.size() + 1, L'\0');
  // -1: the text's NUL is converted too. The result is not needed: what
  // the conversion does not reach stays zero.
  by_name::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, buffer.data(),
                               static_cast<int>(buffer.size()));
  return buffer;
}

void OpenDownloadDialog(const Text& address) {
  const std::vector<wchar_t> url = AnsiToUtf16Buffer(address);
  by_name::DoFileDownloadEx(url.data(), 0);
}
