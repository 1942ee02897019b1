#include "linkconv_test.h"

#include "expected_window.h"
#include "fixture_paths.h"
#include "text_display.h"
#include "user_input.h"
#include "window_probe.h"

namespace e2e {

void LinkconvTest::SetUp() {
  ASSERT_NO_FATAL_FAILURE(Install(Shdocvw::Recording));
  ASSERT_TRUE(ClearHandOffs(LINKCONV_E2E_PROTOCOL_RECORDS));
  ASSERT_TRUE(ClearHandOffs(LINKCONV_E2E_DOWNLOAD_RECORDS));
  // The protocol hand-off needs the fixture that scripts/test_windows.sh
  // installs in the prefix.
  ASSERT_NE(GetFileAttributesW(LINKCONV_E2E_DIR L"\\protocol_recorder.exe"), INVALID_FILE_ATTRIBUTES)
      << "the Wine prefix was not prepared by scripts/test_windows.sh";
}

void LinkconvTest::TearDown() {
  if (program_) program_->Kill();
  program_.reset();
}

void LinkconvTest::Install(Shdocvw variant) {
  const std::string source = BuildBinFolder() + (variant == Shdocvw::Recording ? "\\shdocvw_recording.dll"
                                                                                : "\\shdocvw_no_export.dll");
  char system[MAX_PATH];
  GetSystemDirectoryA(system, MAX_PATH);
  const std::string target = std::string(system) + "\\shdocvw.dll";
  ASSERT_TRUE(CopyFileA(source.c_str(), target.c_str(), FALSE))
      << "copying " << source << " to " << target << " failed with error " << GetLastError();
}

void LinkconvTest::Start(const std::string& arguments, const std::string& directory) {
  if (program_) program_->Kill();
  program_ = std::make_unique<LinkconvProcess>();
  main_ = nullptr;
  const std::string error = program_->Start(arguments, directory);
  ASSERT_EQ(error, "") << "cannot start linkconv.exe";
  main_ = program_->WaitForMainWindow(kStartTimeout);
  ASSERT_NE(main_, nullptr) << "no main window within " << kStartTimeout.count() << " ms (process "
                            << (program_->Running() ? "still running" : "ended") << ")";
  // Start-up is over once the program waits for input.
  ASSERT_TRUE(program_->WaitForInputIdle(kStartTimeout)) << "the program does not come to wait for input";
  ASSERT_TRUE(Activate(main_)) << "the main window does not come to the front";
}

std::string LinkconvTest::Text(int id) const { return TextOf(Control(id)); }

void LinkconvTest::SetText(int id, const std::string& text) {
  ASSERT_TRUE(SetTextOf(Control(id), text)) << "cannot set the text of control " << id;
}

void LinkconvTest::ClickControl(int id) {
  ASSERT_NE(Control(id), nullptr) << "no control " << id;
  ASSERT_TRUE(Activate(main_));
  Click(Control(id));
}

void LinkconvTest::FocusWithMouse(int id) {
  ASSERT_TRUE(Activate(main_));
  // A point of the window's own background, clear of every control.
  POINT background{400, 190};
  ClientToScreen(main_, &background);
  PressAndSlideOff(Control(id), background);
  ASSERT_TRUE(WaitUntil([&] { return FocusOf(main_) == Control(id); }, kActionTimeout))
      << Expected(id).name << " does not take the focus; focus: " << DescribeWindow(FocusOf(main_))
      << "; in front: " << DescribeWindow(GetForegroundWindow());
}

bool LinkconvTest::WaitForText(int id, const std::string& text, milliseconds timeout) const {
  return WaitUntil([&] { return Text(id) == text; }, timeout);
}

void LinkconvTest::Convert(const std::string& input, milliseconds timeout) {
  // No form of a plain input in these tests equals the marker.
  const std::string marker = "#not written#";
  for (const Row& row : Rows()) ASSERT_NO_FATAL_FAILURE(SetText(row.box, marker));
  ASSERT_NO_FATAL_FAILURE(SetText(kId编辑框1, input));
  ASSERT_NO_FATAL_FAILURE(ClickControl(kId按钮1));
  ASSERT_TRUE(WaitUntil(
      [&] {
        for (const Row& row : Rows())
          if (Text(row.box) == marker) return false;
        return true;
      },
      timeout))
      << "Convert of " << Shown(input) << " did not write all four rows";
}

bool LinkconvTest::WaitForExit(DWORD* code, milliseconds timeout) {
  if (!program_->WaitForExit(timeout)) return false;
  *code = program_->ExitCode();
  return true;
}

std::vector<HandOff> LinkconvTest::ProtocolHandOffs() const { return ReadHandOffs(LINKCONV_E2E_PROTOCOL_RECORDS); }
std::vector<HandOff> LinkconvTest::DownloadHandOffs() const { return ReadHandOffs(LINKCONV_E2E_DOWNLOAD_RECORDS); }

}  // namespace e2e
