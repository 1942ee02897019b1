// The driver's side of the system clipboard: a window of its own (under
// Wine only an open with a window locks other processes out), CF_TEXT
// reads and writes, and holding the clipboard open.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace e2e {

class ClipboardProbe {
 public:
  ClipboardProbe();
  ~ClipboardProbe();
  ClipboardProbe(const ClipboardProbe&) = delete;
  ClipboardProbe& operator=(const ClipboardProbe&) = delete;

  // Empties the clipboard and puts `text` on it as CF_TEXT.
  bool Put(const std::string& text);
  // The clipboard's CF_TEXT text; nullopt when it holds none.
  std::optional<std::string> Read();
  // Opens, empties and closes: the change another program's emptying makes.
  bool Empty();

  // Holds the clipboard open with the probe's window until Release().
  bool Hold();
  void Release();

 private:
  bool Open();
  HWND window_ = nullptr;
  bool held_ = false;
};

}  // namespace e2e
