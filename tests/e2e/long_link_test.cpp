// A 1 MiB link: the window keeps handling clicks and keys while it
// converts (a Copy clicked meanwhile runs inside the Convert), the rows
// end up with the codec's results, and closing the window meanwhile ends
// the program normally.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "codec/link_forms.h"
#include "expected_window.h"
#include "linkconv_test.h"
#include "text_display.h"
#include "user_input.h"
#include "window_probe.h"

namespace e2e {
namespace {

using LongLinkTest = LinkconvTest;

// "thunder://" and the Base64 of "AA", a 768 KiB address and "ZZ".
std::string LongThunderLink() {
  std::string address = "http://example.com/";
  const std::string pattern = "abcdefghijklmnopqrstuvwxyz0123456789-_/";
  while (address.size() < 768 * 1024) address += pattern;
  address.resize(768 * 1024);
  return ConvertLink(address, link_form::Thunder);
}

size_t TextLengthOf(HWND window) {
  DWORD_PTR length = 0;
  SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 30000, &length);
  return length;
}

const char kMarker[] = "#not written#";

TEST_F(LongLinkTest, WindowKeepsWorkingWhileALongLinkConverts) {
  const std::string input = LongThunderLink();
  ASSERT_GE(input.size(), 1024u * 1024u);
  ASSERT_NO_FATAL_FAILURE(Start());
  ASSERT_NO_FATAL_FAILURE(SetText(kId编辑框1, input));
  ASSERT_EQ(TextLengthOf(Control(kId编辑框1)), input.size());
  const RECT input_box = RectInClient(main_, Control(kId编辑框1));
  EXPECT_TRUE(EqualRect(&input_box, &Expected(kId编辑框1).rect)) << "the input box grew with its text";
  for (const Row& row : Rows()) ASSERT_NO_FATAL_FAILURE(SetText(row.box, kMarker));
  ASSERT_TRUE(clipboard_.Put("before"));

  // Both clicks are queued at once: the Copy can only run before the
  // Convert ends if the Convert hands the window its messages meanwhile.
  const Row& thunder = Rows()[0];
  ASSERT_TRUE(Activate(main_));
  Click(Control(kId按钮1));
  Click(Control(thunder.copy));

  ASSERT_TRUE(WaitForText(kId透明标签5, thunder.copied, kLongLinkTimeout)) << "the Copy was not handled";
  // Inside the Convert: the Copy found the row not yet written, or the
  // last row is still not written now.
  const bool last_row_pending = TextLengthOf(Control(kId真实)) == sizeof kMarker - 1;
  const auto copied = clipboard_.Read();
  EXPECT_TRUE(copied == std::string(kMarker) || copied == ConvertLink(input, thunder.form))
      << "the clipboard holds neither the row's old nor its new text";
  EXPECT_TRUE(copied == std::string(kMarker) || last_row_pending)
      << "the Copy ran only after the Convert had written its last row";

  // The rows are written in the order Thunder, QQ, FlashGet, real.
  std::vector<int> written;
  ASSERT_TRUE(WaitUntil(
      [&] {
        for (const int box : {kId迅雷, kId旋风, kId快车, kId真实}) {
          bool seen = false;
          for (int id : written) seen |= id == box;
          if (!seen && TextLengthOf(Control(box)) != sizeof kMarker - 1) written.push_back(box);
        }
        return written.size() == 4;
      },
      kLongLinkTimeout))
      << "the Convert did not finish";
  EXPECT_EQ(written, (std::vector<int>{kId迅雷, kId旋风, kId快车, kId真实}));

  for (const Row& row : Rows()) {
    SCOPED_TRACE(row.name);
    bool answered = false;
    const std::string got = TextOf(Control(row.box), &answered);
    ASSERT_TRUE(answered) << "the row's text cannot be read";
    const std::string want = ConvertLink(input, row.form);
    EXPECT_EQ(got.size(), want.size());
    EXPECT_TRUE(got == want) << "got " << Shown(got) << "\nwanted " << Shown(want);
  }
  EXPECT_TRUE(program_->Running());
}

TEST_F(LongLinkTest, ClosingTheWindowDuringAConvertEndsTheProgramWithCode0) {
  const std::string input = LongThunderLink();
  ASSERT_NO_FATAL_FAILURE(Start());
  ASSERT_NO_FATAL_FAILURE(SetText(kId编辑框1, input));
  ASSERT_TRUE(Activate(main_));
  Click(Control(kId按钮1));
  PressKey(VK_F4, {VK_MENU});

  bool error_box = false;
  const bool ended = WaitUntil(
      [&] {
        error_box = !program_->TopLevelWindows("#32770").empty();
        return error_box || !program_->Running();
      },
      kLongLinkTimeout);
  ASSERT_TRUE(ended) << "the program neither ended nor showed an error";
  ASSERT_FALSE(error_box) << "an error box opened";
  EXPECT_EQ(program_->ExitCode(), 0u);
}

}  // namespace
}  // namespace e2e
