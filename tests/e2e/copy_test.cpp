// Copy against the system clipboard: each row's bytes go on it as
// CF_TEXT with the row's message in the status line; an empty row copies
// an empty text; a clipboard held by another program gives "复制失败。"
// and keeps its content; the Thunder, QQ and real rows empty the
// clipboard in an opening of their own first.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "codec/link_forms.h"
#include "expected_window.h"
#include "label_looks.h"
#include "linkconv_test.h"
#include "text_display.h"
#include "user_input.h"

namespace e2e {
namespace {

using CopyTest = LinkconvTest;

const char kSentinel[] = "clipboard before the copy";

// Clicks the row's Copy and waits for the status line to show `message`.
void CopyAndWaitForStatus(LinkconvTest& test, const Row& row, const std::string& message) {
  ASSERT_NO_FATAL_FAILURE(test.ClickControl(row.copy));
  ASSERT_TRUE(test.WaitForText(kId透明标签5, message))
      << "status line shows " << Shown(test.Text(kId透明标签5)) << ", wanted " << Shown(message);
}

TEST_F(CopyTest, EachRowGoesOnTheClipboardWithItsMessage) {
  ASSERT_NO_FATAL_FAILURE(Start());
  for (const std::string input : {"thunder://QUFhYmNaWg==", "http://example.com/你好.zip", "你好"}) {
    SCOPED_TRACE("after Convert of " + Shown(input));
    ASSERT_NO_FATAL_FAILURE(Convert(input));
    for (const Row& row : Rows()) {
      SCOPED_TRACE(row.name);
      const std::string text = Text(row.box);
      ASSERT_EQ(text, AsEditBoxKeepsIt(ConvertLink(input, row.form)));
      ASSERT_TRUE(clipboard_.Put(kSentinel));
      // The status line changes with every row, so each wait sees this Copy.
      ASSERT_NO_FATAL_FAILURE(CopyAndWaitForStatus(*this, row, row.copied));
      EXPECT_EQ(clipboard_.Read(), text) << "clipboard holds " << Shown(clipboard_.Read().value_or("(no text)"));
    }
  }
}

TEST_F(CopyTest, StatusLineShowsOnlyTheLatestMessageInRed) {
  ASSERT_NO_FATAL_FAILURE(Start());
  ASSERT_NO_FATAL_FAILURE(Convert("abc"));
  MoveMouseTo({0, 0});
  // Longer and shorter messages in turn: no trace of an earlier one may
  // remain under a later one.
  const Row& thunder = Rows()[0];
  const Row& real = Rows()[3];
  ASSERT_NO_FATAL_FAILURE(CopyAndWaitForStatus(*this, thunder, thunder.copied));
  ASSERT_TRUE(clipboard_.Hold());
  ASSERT_NO_FATAL_FAILURE(CopyAndWaitForStatus(*this, real, kCopyFailed));
  clipboard_.Release();
  MoveMouseTo({0, 0});
  std::string difference;
  EXPECT_TRUE(WaitUntil(
      [&] { return (difference = CompareLabelWithScreen(main_, kId透明标签5, kCopyFailed)).empty(); },
      kActionTimeout))
      << difference;
  ASSERT_NO_FATAL_FAILURE(CopyAndWaitForStatus(*this, real, real.copied));
  MoveMouseTo({0, 0});
  EXPECT_TRUE(WaitUntil(
      [&] { return (difference = CompareLabelWithScreen(main_, kId透明标签5, real.copied)).empty(); },
      kActionTimeout))
      << difference;
}

TEST_F(CopyTest, RowChangedByHandIsWhatGetsCopied) {
  ASSERT_NO_FATAL_FAILURE(Start());
  ASSERT_NO_FATAL_FAILURE(Convert("abc"));
  const std::string typed[] = {"thunder://QUFkZWZaWg==", "flashget://typed", "qqdl://5L2g", "下载 by hand"};
  for (size_t i = 0; i < Rows().size(); ++i) {
    const Row& row = Rows()[i];
    SCOPED_TRACE(row.name);
    ASSERT_NO_FATAL_FAILURE(SetText(row.box, typed[i]));
    ASSERT_TRUE(clipboard_.Put(kSentinel));
    ASSERT_NO_FATAL_FAILURE(CopyAndWaitForStatus(*this, row, row.copied));
    EXPECT_EQ(clipboard_.Read(), typed[i]);
  }
}

TEST_F(CopyTest, EmptyRowCopiesAnEmptyText) {
  ASSERT_NO_FATAL_FAILURE(Start());
  for (const Row& row : Rows()) {
    SCOPED_TRACE(row.name);
    ASSERT_NO_FATAL_FAILURE(SetText(row.box, ""));
    ASSERT_TRUE(clipboard_.Put(kSentinel));
    ASSERT_NO_FATAL_FAILURE(CopyAndWaitForStatus(*this, row, row.copied));
    EXPECT_EQ(clipboard_.Read(), std::string()) << "no empty CF_TEXT on the clipboard";
  }
}

TEST_F(CopyTest, ClipboardHeldByAnotherProgramFailsAndKeepsItsContent) {
  ASSERT_NO_FATAL_FAILURE(Start());
  ASSERT_NO_FATAL_FAILURE(Convert("abc"));
  for (const Row& row : Rows()) {
    SCOPED_TRACE(row.name);
    // A successful Copy first, so that the status line changes again.
    ASSERT_NO_FATAL_FAILURE(CopyAndWaitForStatus(*this, row, row.copied));
    ASSERT_TRUE(clipboard_.Put(kSentinel));
    ASSERT_TRUE(clipboard_.Hold());
    ASSERT_NO_FATAL_FAILURE(CopyAndWaitForStatus(*this, row, kCopyFailed));
    clipboard_.Release();
    EXPECT_EQ(clipboard_.Read(), std::string(kSentinel)) << "the held clipboard changed";
  }
}

TEST_F(CopyTest, HeldClipboardAndAnEmptyRowStillReportSuccess) {
  ASSERT_NO_FATAL_FAILURE(Start());
  for (const Row& row : Rows()) {
    SCOPED_TRACE(row.name);
    // A failing Copy first, so that the status line changes again.
    ASSERT_NO_FATAL_FAILURE(SetText(row.box, "x"));
    ASSERT_TRUE(clipboard_.Put(kSentinel));
    ASSERT_TRUE(clipboard_.Hold());
    ASSERT_NO_FATAL_FAILURE(CopyAndWaitForStatus(*this, row, kCopyFailed));
    ASSERT_NO_FATAL_FAILURE(SetText(row.box, ""));
    // The read-back finds no text, which equals the empty row.
    ASSERT_NO_FATAL_FAILURE(CopyAndWaitForStatus(*this, row, row.copied));
    clipboard_.Release();
    EXPECT_EQ(clipboard_.Read(), std::string(kSentinel));
  }
}

TEST_F(CopyTest, ThunderQqAndRealRowsEmptyTheClipboardInAnOpeningOfTheirOwn) {
  ASSERT_NO_FATAL_FAILURE(Start());
  ASSERT_NO_FATAL_FAILURE(Convert("abc"));

  // What one open-empty-close of a clipboard holding text does to the
  // clipboard's sequence number, measured with the driver's own opening.
  ASSERT_TRUE(clipboard_.Put(kSentinel));
  const DWORD before_emptying = GetClipboardSequenceNumber();
  ASSERT_TRUE(clipboard_.Empty());
  const DWORD one_emptying = GetClipboardSequenceNumber() - before_emptying;
  ASSERT_GT(one_emptying, 0u) << "emptying the clipboard leaves no trace to observe";

  auto changes_by_copy = [&](const Row& row) {
    EXPECT_TRUE(clipboard_.Put(kSentinel));
    const DWORD before = GetClipboardSequenceNumber();
    CopyAndWaitForStatus(*this, row, row.copied);
    return GetClipboardSequenceNumber() - before;
  };
  const Row& flashget = Rows()[1];
  ASSERT_FALSE(flashget.empties_first);
  const DWORD single_opening = changes_by_copy(flashget);
  ASSERT_GT(single_opening, 0u) << "the FlashGet row's Copy changed nothing";
  for (const Row& row : Rows()) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(changes_by_copy(row), single_opening + (row.empties_first ? one_emptying : 0))
        << "changes of the clipboard's sequence number";
  }
}

}  // namespace
}  // namespace e2e
