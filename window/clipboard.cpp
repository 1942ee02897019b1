#include "window/clipboard.h"

#include <cstring>

#include "window/system_calls.h"

namespace {

constexpr UINT kFormat = CF_TEXT;
constexpr UINT kBlockFlags = GMEM_MOVEABLE | GMEM_ZEROINIT;

}  // namespace

bool 剪辑板类::ClearClipboard() {
  if (!by_name::OpenClipboard(nullptr)) return false;
  const bool emptied = by_name::EmptyClipboard() != FALSE;
  by_name::CloseClipboard();
  return emptied;
}

bool 剪辑板类::SetClipboardText(const Text& text) {
  if (!by_name::OpenClipboard(nullptr)) return false;
  by_name::EmptyClipboard();
  // The zero fill leaves the terminating NUL in the last byte.
  HGLOBAL block = by_name::GlobalAlloc(kBlockFlags, text.size() + 1);
  if (!block) {
    by_name::CloseClipboard();
    return false;
  }
  void* bytes = by_name::GlobalLock(block);
  if (!bytes) {
    by_name::GlobalFree(block);
    by_name::CloseClipboard();
    return false;
  }
  by_name::MoveBytes(bytes, text.data(), text.size());
  by_name::GlobalUnlock(block);
  // Once taken, the block is the clipboard's.
  const bool taken = by_name::SetClipboardData(kFormat, block) != nullptr;
  if (!taken) by_name::GlobalFree(block);
  by_name::CloseClipboard();
  return taken;
}

Text 剪辑板类::GetClipboardText() {
  if (!by_name::IsClipboardFormatAvailable(kFormat)) return Text();
  if (!by_name::OpenClipboard(nullptr)) return Text();
  Text text;
  if (HANDLE block = by_name::GetClipboardData(kFormat)) {
    // Another program may have left a block without its NUL: never read
    // past the block's end.
    const SIZE_T size = by_name::GlobalSize(block);
    if (const char* bytes = static_cast<const char*>(by_name::GlobalLock(block))) {
      const void* nul = std::memchr(bytes, '\0', size);
      text.assign(bytes, nul ? static_cast<const char*>(nul) - bytes : size);
      by_name::GlobalUnlock(block);
    }
  }
  by_name::CloseClipboard();
  return text;
}
