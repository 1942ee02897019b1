// Owning BSTR, and the ANSI-to-UTF-16 conversion the browser box does
// for the addresses it hands to the browser.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <utility>

#include "codec/text.h"

class Bstr {
 public:
  Bstr() = default;
  explicit Bstr(const wchar_t* s, UINT length) : s_(SysAllocStringLen(s, length)) {}
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  Bstr(Bstr&& other) noexcept : s_(std::exchange(other.s_, nullptr)) {}
  Bstr& operator=(Bstr&& other) noexcept {
    std::swap(s_, other.s_);
    return *this;
  }
  ~Bstr() { SysFreeString(s_); }

  BSTR Get() const { return s_; }
  UINT Length() const { return SysStringLen(s_); }
  // Hands the string to a VARIANT or a callee that frees it.
  BSTR Detach() { return std::exchange(s_, nullptr); }

 private:
  BSTR s_ = nullptr;
};

// The text converted from the ANSI code page (CP_ACP) to UTF-16: one unit
// per character, single- or double-byte. Always a real string, empty for
// the empty text, never a null BSTR.
Bstr AnsiToBstr(const Text& text);
