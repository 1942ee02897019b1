#include "window/fatal_text.h"

#include <cstring>

const char kMessageWindowNotLoaded[] = "载入启动窗口失败";
const char kMessageWindowGone[] = "指定窗口尚未载入";
const char kMessageAllocationFailed[] = "分配 %d 字节内存失败!";
const char kMessageMissingFunctionIn[] = "无法找到指定DLL库文件“%s”中的输出命令“%s”";
const char kMessageMissingFunction[] = "无法找到指定DLL库文件中的输出命令“%s”";

namespace {

// Appends to a fixed buffer, dropping what does not fit.
class Appender {
 public:
  Appender(char* out, std::size_t room) : out_(out), room_(room) {
    if (room_ > 0) out_[0] = '\0';
  }
  void Add(const char* s, std::size_t n) {
    if (room_ == 0) return;
    const std::size_t fits = room_ - 1 - length_;
    if (n > fits) n = fits;
    std::memcpy(out_ + length_, s, n);
    length_ += n;
    out_[length_] = '\0';
  }
  void Add(const char* s) { Add(s, std::strlen(s)); }
  std::size_t length() const { return length_; }

 private:
  char* out_;
  std::size_t room_;
  std::size_t length_ = 0;
};

void AddUnsigned(Appender& a, unsigned long long v) {
  char digits[24];
  int i = sizeof digits;
  do {
    digits[--i] = static_cast<char>('0' + v % 10);
    v /= 10;
  } while (v != 0);
  a.Add(digits + i, sizeof digits - i);
}

// Decimal digits of v, with a minus sign when negative.
void AddDecimal(Appender& a, long long v) {
  if (v < 0) a.Add("-", 1);
  // The unsigned magnitude, so that the most negative value survives.
  AddUnsigned(a, v < 0 ? 0ull - static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v));
}

// Copies a template, handing each "%s" or "%d" to fill(index).
template <typename Fill>
void AddTemplate(Appender& a, const char* tmpl, Fill fill) {
  int index = 0;
  const char* run = tmpl;
  for (const char* p = tmpl; *p; ++p) {
    if (p[0] == '%' && (p[1] == 's' || p[1] == 'd')) {
      a.Add(run, p - run);
      fill(index++);
      run = ++p + 1;
    }
  }
  a.Add(run);
}

}  // namespace

std::size_t FormatFatalErrorText(int code, const char* message, char* out, std::size_t room) {
  Appender a(out, room);
  a.Add("运行时出错!\r\n\r\n");
  if (code != 0) {
    a.Add("错误代码：");
    AddDecimal(a, code);
    a.Add("\r\n\r\n");
  }
  if (message && *message) {
    a.Add("错误信息：");
    a.Add(message);
    a.Add("\r\n");
  }
  return a.length();
}

std::size_t FormatAllocationFailed(std::size_t bytes, char* out, std::size_t room) {
  Appender a(out, room);
  // The full count, also beyond the range of an int.
  AddTemplate(a, kMessageAllocationFailed, [&](int) { AddUnsigned(a, bytes); });
  return a.length();
}

std::size_t FormatMissingFunction(const char* library, const char* function, char* out,
                                  std::size_t room) {
  Appender a(out, room);
  if (library) {
    AddTemplate(a, kMessageMissingFunctionIn,
                [&](int i) { a.Add(i == 0 ? library : function); });
  } else {
    AddTemplate(a, kMessageMissingFunction, [&](int) { a.Add(function); });
  }
  return a.length();
}
