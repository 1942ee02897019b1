// Start and end of a run: the current directory becomes the program's
// folder, command-line arguments change nothing, and a missing
// DoFileDownloadEx ends the program through the error box with code -1.
#include <gtest/gtest.h>

#include <cwctype>
#include <string>

#include "expected_window.h"
#include "linkconv_test.h"
#include "text_display.h"
#include "user_input.h"
#include "window_probe.h"

namespace e2e {
namespace {

using LifecycleTest = LinkconvTest;

std::wstring Lower(std::wstring text) {
  for (auto& c : text) c = static_cast<wchar_t>(std::towlower(c));
  return text;
}

TEST_F(LifecycleTest, StartsTheSameWhateverTheArgumentsAndTheStartingDirectory) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const struct {
    const char* arguments;
    std::string directory;
  } cases[] = {
      {"", "C:\\"},
      {"thunder://QUFhYmNaWg==", temp},
      {"/? --help -x \"two words\"", "C:\\windows"},
      {"abc", BuildBinFolder()},
  };
  const std::wstring own_folder = Lower(ToUtf16(BuildBinFolder()) + L"\\");
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("arguments '") + c.arguments + "', started in " + c.directory);
    ASSERT_NO_FATAL_FAILURE(Start(c.arguments, c.directory));
    EXPECT_EQ(Lower(program_->CurrentDirectory()), own_folder)
        << "current directory " << ToUtf8(program_->CurrentDirectory());
    EXPECT_EQ(TextOf(main_), std::string(kCaption));
    for (const auto& control : ExpectedControls()) {
      if (control.text) {
        EXPECT_EQ(TextOf(Control(control.id)), std::string(control.text)) << control.name;
      }
    }
    EXPECT_EQ(FocusOf(main_), Control(kId编辑框1));
    EXPECT_TRUE(ProtocolHandOffs().empty()) << Describe(ProtocolHandOffs());
    EXPECT_TRUE(DownloadHandOffs().empty()) << Describe(DownloadHandOffs());
  }
}

// The error box's text: the static control that is not the icon.
std::string MessageBoxText(HWND box) {
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    const LONG type = GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK;
    if (ClassName(child) == "Static" && type != SS_ICON) {
      const std::string text = TextOf(child);
      if (!text.empty()) return text;
    }
  }
  return "";
}

bool HasErrorIcon(HWND box) {
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (ClassName(child) != "Static" || (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON) continue;
    DWORD_PTR shown = 0;
    SendMessageTimeoutA(child, STM_GETICON, 0, 0, SMTO_NORMAL, 10000, &shown);
    return shown != 0 && IsWindowVisible(child);
  }
  return false;
}

TEST_F(LifecycleTest, MissingDownloadFunctionEndsTheRunThroughTheErrorBox) {
  ASSERT_NO_FATAL_FAILURE(Install(Shdocvw::NoExport));
  ASSERT_NO_FATAL_FAILURE(Start());

  // Until the real row's Download, the program works: the protocol rows
  // hand their links on.
  ASSERT_NO_FATAL_FAILURE(Convert("abc"));
  for (const Row& row : Rows()) {
    if (row.box == kId真实) continue;
    SCOPED_TRACE(row.name);
    const size_t before = ProtocolHandOffs().size();
    ASSERT_NO_FATAL_FAILURE(ClickControl(row.download));
    ASSERT_TRUE(WaitUntil([&] { return ProtocolHandOffs().size() > before; }, kActionTimeout))
        << "no hand-off to the protocol handler";
    EXPECT_EQ(ProtocolHandOffs().back(), (HandOff{1, ToUtf16(Text(row.box))})) << Describe(ProtocolHandOffs());
  }

  ASSERT_NO_FATAL_FAILURE(ClickControl(kId真实x));
  HWND box = nullptr;
  ASSERT_TRUE(WaitUntil(
      [&] {
        const auto boxes = program_->TopLevelWindows("#32770");
        box = boxes.empty() ? nullptr : boxes.front();
        return box != nullptr || !program_->Running();
      },
      kActionTimeout))
      << "no error box";
  ASSERT_NE(box, nullptr) << "the program ended without an error box, exit code " << program_->ExitCode();

  EXPECT_EQ(TextOf(box), std::string("错误")) << Shown(TextOf(box));
  EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr) << "the error box has an owner";
  const std::string want =
      "运行时出错!\r\n\r\n错误信息：无法找到指定DLL库文件“shdocvw.dll”中的输出命令“DoFileDownloadEx”\r\n";
  std::string text;
  WaitUntil([&] { return (text = MessageBoxText(box)) == want; }, kActionTimeout);
  EXPECT_EQ(text, want) << Shown(text);
  EXPECT_TRUE(HasErrorIcon(box)) << "no icon in the error box";
  const HWND ok = GetDlgItem(box, IDOK);
  ASSERT_NE(ok, nullptr) << "no OK button";
  EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr) << "more than an OK button";
  EXPECT_TRUE(IsWindowEnabled(main_)) << "the main window is disabled behind the box";
  EXPECT_TRUE(DownloadHandOffs().empty()) << Describe(DownloadHandOffs());

  ASSERT_TRUE(Activate(box));
  Click(ok);
  DWORD code = 0;
  ASSERT_TRUE(WaitForExit(&code)) << "the program did not end after OK";
  EXPECT_EQ(code, 0xFFFFFFFFu);
}

}  // namespace
}  // namespace e2e
