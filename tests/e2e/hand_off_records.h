// What the hand-off fixtures recorded: the protocol recorder (one record
// per start, number = how many arguments it got, text = the first) and
// the recording shdocvw.dll (number = second argument, text = the URL).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace e2e {

struct HandOff {
  std::uint32_t number;
  std::wstring text;
  bool operator==(const HandOff& other) const { return number == other.number && text == other.text; }
};

std::vector<HandOff> ReadHandOffs(const wchar_t* path);
// Removes the record file; false when it could not be removed.
bool ClearHandOffs(const wchar_t* path);

// For messages: a UTF-16 text as UTF-8 with its units in hex.
std::string Describe(const std::vector<HandOff>& records);

}  // namespace e2e
