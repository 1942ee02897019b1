// Focus and keys as a user meets them: the first focus, Tab and Shift+Tab
// over the whole tab order, Esc / Alt+F4 / the Close button ending the
// program with code 0, Enter doing nothing, a caption double-click not
// maximising. All input is real (SendInput) and goes through the
// program's own message loop.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "expected_window.h"
#include "linkconv_test.h"
#include "text_display.h"
#include "user_input.h"
#include "window_probe.h"

namespace e2e {
namespace {

using KeyboardTest = LinkconvTest;

std::string NameOfFocus(HWND main, HWND focus) {
  for (const auto& control : ExpectedControls())
    if (IsOrInside(focus, GetDlgItem(main, control.id))) return control.name;
  return focus ? "a window of class " + ClassName(focus) : "nothing";
}

TEST_F(KeyboardTest, InputBoxHasTheFocusAndTheCaretAtStart) {
  ASSERT_NO_FATAL_FAILURE(Start());
  EXPECT_EQ(FocusOf(main_), Control(kId编辑框1)) << "focus on " << NameOfFocus(main_, FocusOf(main_));
  EXPECT_EQ(CaretOwnerOf(main_), Control(kId编辑框1)) << "no caret in the input box";
}

TEST_F(KeyboardTest, TabAndShiftTabCycleThroughTheTabOrder) {
  ASSERT_NO_FATAL_FAILURE(Start());
  const std::vector<int>& order = ExpectedTabOrder();
  const size_t n = order.size();
  struct Direction {
    const char* name;
    bool shift;
  };
  for (const Direction direction : {Direction{"Tab", false}, Direction{"Shift+Tab", true}}) {
    // One full round from the input box, ending where it began.
    for (size_t step = 1; step <= n; ++step) {
      const int want = order[direction.shift ? (n - step % n) % n : step % n];
      SCOPED_TRACE(std::string(direction.name) + " number " + std::to_string(step) + " to " + Expected(want).name);
      if (direction.shift)
        PressKey(VK_TAB, {VK_SHIFT});
      else
        PressKey(VK_TAB);
      ASSERT_TRUE(WaitUntil([&] { return IsOrInside(FocusOf(main_), Control(want)); }, kActionTimeout))
          << "focus on " << NameOfFocus(main_, FocusOf(main_));
    }
  }
}

// How a user can close the window. Each run gets the close request with
// the focus where the case puts it.
struct CloseCase {
  const char* name;
  int focus;  // control to focus first; 0: leave it in the input box
  enum { Escape, AltF4, CloseButton, SystemMenuClose } how;
};

void RequestClose(HWND main, const CloseCase& c) {
  switch (c.how) {
    case CloseCase::Escape:
      PressKey(VK_ESCAPE);
      break;
    case CloseCase::AltF4:
      PressKey(VK_F4, {VK_MENU});
      break;
    case CloseCase::CloseButton: {
      // The caption bar's Close button, found where the window says it is.
      RECT outer{};
      GetWindowRect(main, &outer);
      const int y = outer.top + GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
      for (int x = outer.right - 2; x > outer.right - 60; --x) {
        DWORD_PTR hit = 0;
        SendMessageTimeoutA(main, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_NORMAL, 10000, &hit);
        if (hit == HTCLOSE) {
          ClickAt({x - 3, y});
          return;
        }
      }
      ADD_FAILURE() << "no Close button in the caption bar";
      break;
    }
    case CloseCase::SystemMenuClose:
      PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
      break;
  }
}

TEST_F(KeyboardTest, EveryWayOfClosingEndsTheProgramWithCode0) {
  std::vector<CloseCase> cases = {
      {"Alt+F4", 0, CloseCase::AltF4},
      {"Close button of the caption bar", 0, CloseCase::CloseButton},
      {"Close of the system menu", 0, CloseCase::SystemMenuClose},
  };
  for (const auto& control : ExpectedControls())
    if (control.kind == ControlKind::Edit || control.kind == ControlKind::Button)
      cases.push_back({control.name, control.id, CloseCase::Escape});

  for (const CloseCase& c : cases) {
    SCOPED_TRACE(c.how == CloseCase::Escape ? std::string("Esc with the focus on ") + c.name : c.name);
    ASSERT_NO_FATAL_FAILURE(Start());
    if (c.focus) {
      ASSERT_NO_FATAL_FAILURE(FocusWithMouse(c.focus));
    }
    RequestClose(main_, c);
    DWORD code = 0;
    ASSERT_TRUE(WaitForExit(&code)) << "the program did not end";
    EXPECT_EQ(code, 0u);
  }
}

TEST_F(KeyboardTest, EnterDoesNothingInAnEditBoxOrOnAButton) {
  ASSERT_NO_FATAL_FAILURE(Start());
  // Any action that Enter might start would show: Convert would fill the
  // rows, Copy would change the status line and the clipboard, Download
  // would leave a hand-off record, a close would end the program.
  const std::string marker = "#unchanged#";
  const std::string sentinel = "clipboard before";
  ASSERT_NO_FATAL_FAILURE(SetText(kId编辑框1, "abc"));
  for (const Row& row : Rows()) ASSERT_NO_FATAL_FAILURE(SetText(row.box, marker));
  ASSERT_TRUE(clipboard_.Put(sentinel));

  std::vector<int> focus_order;
  for (const auto& control : ExpectedControls())
    if (control.kind == ControlKind::Edit || control.kind == ControlKind::Button)
      focus_order.push_back(control.id);
  for (int id : focus_order) {
    SCOPED_TRACE(std::string("Enter on ") + Expected(id).name);
    ASSERT_NO_FATAL_FAILURE(FocusWithMouse(id));
    PressKey(VK_RETURN);
  }
  // Input is handled in order: once this focus change is seen, every
  // Enter before it has been handled.
  ASSERT_NO_FATAL_FAILURE(FocusWithMouse(kId编辑框1));

  EXPECT_EQ(Text(kId编辑框1), "abc");
  for (const Row& row : Rows()) EXPECT_EQ(Text(row.box), marker) << row.name;
  EXPECT_EQ(Text(kId透明标签5), std::string(kStatusAtStart)) << Shown(Text(kId透明标签5));
  EXPECT_EQ(clipboard_.Read(), sentinel);
  EXPECT_TRUE(DownloadHandOffs().empty()) << Describe(DownloadHandOffs());
  EXPECT_TRUE(program_->Running());
  EXPECT_TRUE(IsWindowVisible(main_));
}

TEST_F(KeyboardTest, FocusComesBackWhenTheWindowIsActivatedAgain) {
  ASSERT_NO_FATAL_FAILURE(Start());
  for (const int id : {kId快车x, kId真实, kId按钮1}) {
    SCOPED_TRACE(Expected(id).name);
    ASSERT_NO_FATAL_FAILURE(FocusWithMouse(id));
    {
      // Another program's window takes the front for a moment.
      const HWND other = CreateWindowExA(0, "STATIC", "another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10,
                                         200, 100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
      ASSERT_NE(other, nullptr);
      const bool in_front = Activate(other);
      DestroyWindow(other);
      ASSERT_TRUE(in_front) << "the other window does not come to the front";
    }
    ASSERT_TRUE(Activate(main_));
    EXPECT_TRUE(WaitUntil([&] { return FocusOf(main_) == Control(id); }, kActionTimeout))
        << "focus on " << NameOfFocus(main_, FocusOf(main_));
  }
}

TEST_F(KeyboardTest, CaptionDoubleClickDoesNotMaximise) {
  ASSERT_NO_FATAL_FAILURE(Start());
  RECT before{};
  GetWindowRect(main_, &before);
  DoubleClickAt({(before.left + before.right) / 2,
                 before.top + GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2});
  // Input is handled in order: once this focus change is seen, the
  // double-click has been handled.
  ASSERT_NO_FATAL_FAILURE(FocusWithMouse(kId迅雷));
  RECT after{};
  GetWindowRect(main_, &after);
  EXPECT_FALSE(IsZoomed(main_));
  EXPECT_TRUE(EqualRect(&before, &after)) << "the window changed its size or place";
}

}  // namespace
}  // namespace e2e
