// Download: the Thunder, FlashGet and QQ rows reach the program registered
// for their URL protocol with exactly the row's text; the real row hands
// its text as UTF-16 to DoFileDownloadEx of the system's shdocvw.dll,
// with 0 as the second argument. Neither touches the status line or the
// clipboard.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "codec/link_forms.h"
#include "expected_window.h"
#include "linkconv_test.h"
#include "text_display.h"

namespace e2e {
namespace {

using DownloadTest = LinkconvTest;

bool IsProtocolRow(const Row& row) { return row.box != kId真实; }

// Clicks the row's Download and waits for one more record of `records`.
std::vector<HandOff> DownloadAndWait(LinkconvTest& test, const Row& row,
                                     std::vector<HandOff> (LinkconvTest::*records)() const) {
  const size_t before = (test.*records)().size();
  test.ClickControl(row.download);
  std::vector<HandOff> now;
  WaitUntil([&] { return (now = (test.*records)()).size() > before; }, kActionTimeout);
  return now;
}

TEST_F(DownloadTest, ProtocolRowsReachTheRegisteredProgramWithTheRowText) {
  ASSERT_NO_FATAL_FAILURE(Start());
  std::vector<HandOff> expected;
  for (const std::string input :
       {"http://example.com/a.zip", "thunder://QUFhYmNaWg==", "http://example.com/dir/你好.rar"}) {
    SCOPED_TRACE("after Convert of " + Shown(input));
    ASSERT_NO_FATAL_FAILURE(Convert(input));
    for (const Row& row : Rows()) {
      if (!IsProtocolRow(row)) continue;
      SCOPED_TRACE(row.name);
      const std::string text = Text(row.box);
      ASSERT_EQ(text, ConvertLink(input, row.form));
      expected.push_back({1, ToUtf16(text)});
      const auto records = DownloadAndWait(*this, row, &LinkconvTest::ProtocolHandOffs);
      EXPECT_EQ(records, expected) << Describe(records);
    }
  }
  EXPECT_TRUE(DownloadHandOffs().empty()) << Describe(DownloadHandOffs());
}

TEST_F(DownloadTest, RealRowHandsUtf16AndZeroToDoFileDownloadEx) {
  ASSERT_NO_FATAL_FAILURE(Start());
  const struct {
    const char* name;
    std::string text;
    std::wstring arrives;
  } cases[] = {
      {"plain address", "http://example.com/dir/a.zip", L"http://example.com/dir/a.zip"},
      {"Chinese address", "你好", L"\u4F60\u597D"},
      {"mixed address", "http://下载.example/文件 1.rar", L"http://\u4E0B\u8F7D.example/\u6587\u4EF6 1.rar"},
      {"empty row", "", L""},
      {"same text again", "你好", L"\u4F60\u597D"},
  };
  std::vector<HandOff> expected;
  const Row& real = Rows()[3];
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_NO_FATAL_FAILURE(SetText(real.box, c.text));
    expected.push_back({0, c.arrives});
    const auto records = DownloadAndWait(*this, real, &LinkconvTest::DownloadHandOffs);
    EXPECT_EQ(records, expected) << Describe(records);
  }
  EXPECT_TRUE(ProtocolHandOffs().empty()) << Describe(ProtocolHandOffs());
}

TEST_F(DownloadTest, RowChangedByHandIsWhatGetsHandedOn) {
  ASSERT_NO_FATAL_FAILURE(Start());
  ASSERT_NO_FATAL_FAILURE(Convert("abc"));
  const std::string typed[] = {"thunder://QUFkZWZaWg==", "flashget://W0ZMQVNIR0VUXWRlZltGTEFTSEdFVF0=",
                               "qqdl://ZGVm", "http://example.com/typed.zip"};
  std::vector<HandOff> protocol;
  for (size_t i = 0; i < Rows().size(); ++i) {
    const Row& row = Rows()[i];
    SCOPED_TRACE(row.name);
    ASSERT_NO_FATAL_FAILURE(SetText(row.box, typed[i]));
    if (IsProtocolRow(row)) {
      protocol.push_back({1, ToUtf16(typed[i])});
      const auto records = DownloadAndWait(*this, row, &LinkconvTest::ProtocolHandOffs);
      EXPECT_EQ(records, protocol) << Describe(records);
    } else {
      const auto records = DownloadAndWait(*this, row, &LinkconvTest::DownloadHandOffs);
      EXPECT_EQ(records, (std::vector<HandOff>{{0, ToUtf16(typed[i])}})) << Describe(records);
    }
  }
}

TEST_F(DownloadTest, EmptyProtocolRowsHandNothingOnAndShowNothing) {
  ASSERT_NO_FATAL_FAILURE(Start());
  for (const Row& row : Rows()) {
    if (!IsProtocolRow(row)) continue;
    ASSERT_NO_FATAL_FAILURE(ClickControl(row.download));
  }
  // Clicks are handled in order: once this one's hand-off is recorded,
  // the empty rows' clicks have been handled too.
  const Row& thunder = Rows()[0];
  ASSERT_NO_FATAL_FAILURE(SetText(thunder.box, "thunder://QUFhYmNaWg=="));
  const auto records = DownloadAndWait(*this, thunder, &LinkconvTest::ProtocolHandOffs);
  EXPECT_EQ(records, (std::vector<HandOff>{{1, L"thunder://QUFhYmNaWg=="}})) << Describe(records);
  EXPECT_TRUE(program_->TopLevelWindows("#32770").empty()) << "a dialog opened";
  EXPECT_EQ(Text(kId透明标签5), std::string(kStatusAtStart));
}

TEST_F(DownloadTest, DownloadLeavesTheStatusLineAndTheClipboardAlone) {
  ASSERT_NO_FATAL_FAILURE(Start());
  ASSERT_NO_FATAL_FAILURE(Convert("abc"));
  const Row& thunder = Rows()[0];
  ASSERT_NO_FATAL_FAILURE(ClickControl(thunder.copy));
  ASSERT_TRUE(WaitForText(kId透明标签5, thunder.copied));
  const std::string on_clipboard = "held by the user";
  ASSERT_TRUE(clipboard_.Put(on_clipboard));
  for (const Row& row : Rows()) {
    SCOPED_TRACE(row.name);
    const auto records =
        DownloadAndWait(*this, row, IsProtocolRow(row) ? &LinkconvTest::ProtocolHandOffs : &LinkconvTest::DownloadHandOffs);
    EXPECT_FALSE(records.empty());
    EXPECT_EQ(Text(kId透明标签5), std::string(thunder.copied));
    EXPECT_EQ(clipboard_.Read(), on_clipboard);
  }
}

}  // namespace
}  // namespace e2e

namespace e2e {
namespace {

// A file put beside the program for the length of a test.
class FileBesideProgram {
 public:
  FileBesideProgram(const std::string& source, const std::string& name)
      : path_(BuildBinFolder() + "\\" + name) {
    placed_ = CopyFileA(source.c_str(), path_.c_str(), FALSE) != FALSE;
  }
  ~FileBesideProgram() { DeleteFileA(path_.c_str()); }
  bool placed() const { return placed_; }

 private:
  std::string path_;
  bool placed_;
};

TEST_F(DownloadTest, ShdocvwBesideTheProgramIsNotTheOneCalled) {
  // A shdocvw.dll without the function lies in the program's folder; the
  // one in the system folder records. Only the system's may be used.
  FileBesideProgram planted(BuildBinFolder() + "\\shdocvw_no_export.dll", "shdocvw.dll");
  ASSERT_TRUE(planted.placed()) << "cannot put shdocvw.dll beside the program";
  ASSERT_NO_FATAL_FAILURE(Start());
  const Row& real = Rows()[3];
  ASSERT_NO_FATAL_FAILURE(SetText(real.box, "http://example.com/a.zip"));
  const auto records = DownloadAndWait(*this, real, &LinkconvTest::DownloadHandOffs);
  EXPECT_EQ(records, (std::vector<HandOff>{{0, L"http://example.com/a.zip"}})) << Describe(records);
  EXPECT_TRUE(program_->TopLevelWindows("#32770").empty()) << "an error box opened";
  program_->Kill();  // before the planted file goes
}

}  // namespace
}  // namespace e2e
