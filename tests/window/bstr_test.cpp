#include "window/bstr.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The browser gets its addresses in UTF-16, converted from the ANSI code
// page; these tests run with code page 936 (GBK) as on the systems the
// program is made for.
TEST(AnsiToBstr, ConvertsFromTheAnsiCodePage) {
  ASSERT_EQ(GetACP(), 936u) << "run under a zh_CN locale (LC_ALL=zh_CN.UTF-8 with Wine)";
  const struct {
    const char* name;
    Text ansi;
    std::wstring wide;
  } cases[] = {
      {"ASCII link", "thunder://QUFhYmNaWg==", L"thunder://QUFhYmNaWg=="},
      {"two GBK characters", "\xD6\xD0\xCE\xC4", L"\u4E2D\u6587"},
      {"GBK inside an address", "http://a/\xCF\xC2\xD4\xD8 1.rar", L"http://a/\u4E0B\u8F7D 1.rar"},
      {"GBK extension area", "\x81\x40\x95\x41", L"\u4E02\u65F3"},
      {"full-width colon", "\xA3\xBA", L"\uFF1A"},
      {"empty text", "", L""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Bstr converted = AnsiToBstr(c.ansi);
    ASSERT_NE(converted.Get(), nullptr);
    EXPECT_EQ(std::wstring(converted.Get(), converted.Length()), c.wide);
    // The string is terminated where its length says, as a BSTR must be.
    EXPECT_EQ(converted.Get()[converted.Length()], L'\0');
  }
}

TEST(AnsiToBstr, LongTextKeepsEveryCharacter) {
  ASSERT_EQ(GetACP(), 936u);
  Text ansi;
  std::wstring wide;
  for (int i = 0; i < 40000; ++i) {
    ansi += (i % 3 == 0) ? Text("\xC4\xE3") : Text(1, static_cast<char>('a' + i % 26));
    wide += (i % 3 == 0) ? L'\u4F60' : static_cast<wchar_t>(L'a' + i % 26);
  }
  const Bstr converted = AnsiToBstr(ansi);
  ASSERT_EQ(converted.Length(), wide.size());
  EXPECT_EQ(std::wstring(converted.Get(), converted.Length()), wide);
}

}  // namespace
