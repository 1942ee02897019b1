#include "clipboard_probe.h"

#include <cstring>

#include "wait.h"

namespace e2e {

namespace {

constexpr char kClassName[] = "LinkconvE2EClipboardProbe";

}  // namespace

ClipboardProbe::ClipboardProbe() {
  WNDCLASSA window_class{};
  window_class.lpfnWndProc = DefWindowProcA;
  window_class.hInstance = GetModuleHandleA(nullptr);
  window_class.lpszClassName = kClassName;
  RegisterClassA(&window_class);  // fails harmlessly when already registered
  window_ = CreateWindowExA(0, kClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleA(nullptr),
                            nullptr);
}

ClipboardProbe::~ClipboardProbe() {
  Release();
  DestroyWindow(window_);
}

// The program opens the clipboard for moments of its own; try again for a
// while before calling the clipboard unavailable.
bool ClipboardProbe::Open() {
  return held_ || WaitUntil([&] { return OpenClipboard(window_) != FALSE; }, kActionTimeout);
}

bool ClipboardProbe::Put(const std::string& text) {
  if (!Open()) return false;
  EmptyClipboard();
  bool placed = false;
  if (HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1)) {
    std::memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    placed = SetClipboardData(CF_TEXT, block) != nullptr;
    if (!placed) GlobalFree(block);
  }
  if (!held_) CloseClipboard();
  return placed;
}

std::optional<std::string> ClipboardProbe::Read() {
  if (!Open()) return std::nullopt;
  std::optional<std::string> text;
  if (HANDLE block = GetClipboardData(CF_TEXT)) {
    const char* bytes = static_cast<const char*>(GlobalLock(block));
    const SIZE_T size = GlobalSize(block);
    if (bytes) text = std::string(bytes, strnlen(bytes, size));
    GlobalUnlock(block);
  }
  if (!held_) CloseClipboard();
  return text;
}

bool ClipboardProbe::Empty() {
  if (!Open()) return false;
  const bool emptied = EmptyClipboard() != FALSE;
  if (!held_) CloseClipboard();
  return emptied;
}

bool ClipboardProbe::Hold() {
  if (held_) return true;
  held_ = Open();
  return held_;
}

void ClipboardProbe::Release() {
  if (!held_) return;
  CloseClipboard();
  held_ = false;
}

}  // namespace e2e
