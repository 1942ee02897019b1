// Texts of the fatal error box, built without touching the heap: the box
// also reports a failed memory request, when no allocation may succeed.
#pragma once

#include <cstddef>

// The messages, with their placeholders (%s text, %d decimal count).
extern const char kMessageWindowNotLoaded[];    // "载入启动窗口失败"
extern const char kMessageWindowGone[];         // "指定窗口尚未载入"
extern const char kMessageAllocationFailed[];   // "分配 %d 字节内存失败!"
extern const char kMessageMissingFunctionIn[];  // library, function
extern const char kMessageMissingFunction[];    // function

// Each writes a NUL-terminated text into out[0..room) and returns its
// length. A text longer than the room is cut short (always terminated).
std::size_t FormatFatalErrorText(int code, const char* message, char* out, std::size_t room);
std::size_t FormatAllocationFailed(std::size_t bytes, char* out, std::size_t room);
// library == nullptr: an entry that names no library.
std::size_t FormatMissingFunction(const char* library, const char* function, char* out,
                                  std::size_t room);
