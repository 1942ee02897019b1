#include "hand_off_records.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

#include "fixtures/record_file.h"
#include "text_display.h"

namespace e2e {

std::vector<HandOff> ReadHandOffs(const wchar_t* path) {
  std::vector<HandOff> records;
  for (const Record& record : ReadRecords(path)) records.push_back({record.number, record.text});
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
