// Program texts are ANSI (GBK) bytes; the driver compares them as such and
// shows them in failure messages as UTF-8.
#pragma once

#include <string>

namespace e2e {

// `ansi` as UTF-8 in quotes, with its length; long texts are shortened.
std::string Shown(const std::string& ansi);

std::string ToUtf8(const std::wstring& text);
std::wstring ToUtf16(const std::string& ansi);  // from the ANSI code page

// `ansi` as an edit box gives it back: the box keeps UTF-16, so a text
// comes back through the ANSI code page both ways.
std::string AsEditBoxKeepsIt(const std::string& ansi);

}  // namespace e2e
