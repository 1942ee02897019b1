#include "hand_off_records.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

#include "text_display.h"

namespace e2e {

std::vector<HandOff> ReadHandOffs(const wchar_t* path) {
  std::vector<HandOff> records;
  HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return records;
  std::string bytes;
  char chunk[65536];
  DWORD got = 0;
  while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got) bytes.append(chunk, got);
  CloseHandle(file);

  // A record still being written at the end is left for the next read.
  size_t at = 0;
  while (bytes.size() - at >= 8) {
    std::uint32_t number = 0, units = 0;
    std::memcpy(&number, bytes.data() + at, 4);
    std::memcpy(&units, bytes.data() + at + 4, 4);
    if (bytes.size() - at - 8 < units * sizeof(wchar_t)) break;
    std::wstring text(units, L'\0');
    if (units) std::memcpy(text.data(), bytes.data() + at + 8, units * sizeof(wchar_t));
    records.push_back({number, text});
    at += 8 + units * sizeof(wchar_t);
  }
  return records;
}

bool ClearHandOffs(const wchar_t* path) {
  return DeleteFileW(path) || GetLastError() == ERROR_FILE_NOT_FOUND;
}

std::string Describe(const std::vector<HandOff>& records) {
  std::string out = std::to_string(records.size()) + " record(s)";
  for (const HandOff& record : records) {
    out += "\n  number " + std::to_string(record.number) + ", text '" + ToUtf8(record.text.substr(0, 200)) +
           "' units";
    for (wchar_t unit : record.text.substr(0, 64)) {
      char hex[8];
      std::snprintf(hex, sizeof hex, " %04X", static_cast<unsigned>(unit));
      out += hex;
    }
  }
  return out;
}

}  // namespace e2e
