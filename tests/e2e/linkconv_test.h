// The fixture of every end-to-end test: the recording shdocvw.dll in the
// system folder, empty hand-off records, and a helper to start a run of
// linkconv.exe that never outlives the test.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

#include "clipboard_probe.h"
#include "hand_off_records.h"
#include "linkconv_process.h"
#include "wait.h"

namespace e2e {

enum class Shdocvw { Recording, NoExport };

class LinkconvTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

 public:
  // Starts a new run (ending one still going) from another current
  // directory and waits until its window is shown and in front.
  // Use with ASSERT_NO_FATAL_FAILURE.
  void Start(const std::string& arguments = "", const std::string& directory = "C:\\");

  // Puts the given shdocvw.dll into the system folder for runs started
  // after this.
  void Install(Shdocvw variant);

  HWND Control(int id) const { return GetDlgItem(main_, id); }
  std::string Text(int id) const;
  void SetText(int id, const std::string& text);
  // A real mouse click on the control.
  void ClickControl(int id);
  // Presses on the control and slides off, so it takes the focus without
  // its action; waits until it has the focus.
  void FocusWithMouse(int id);
  // Waits until the control shows `text`; false on time-out.
  bool WaitForText(int id, const std::string& text, milliseconds timeout = kActionTimeout) const;

  // Fills the four rows with a marker, puts `input` into the input box,
  // clicks Convert and waits until all four rows were written.
  void Convert(const std::string& input, milliseconds timeout = kActionTimeout);

  // Waits for the end of the run; its exit code, or nothing on time-out.
  bool WaitForExit(DWORD* code, milliseconds timeout = kExitTimeout);

  std::vector<HandOff> ProtocolHandOffs() const;
  std::vector<HandOff> DownloadHandOffs() const;

  // The run started last, its main window, the driver's clipboard.
  std::unique_ptr<LinkconvProcess> program_;
  HWND main_ = nullptr;
  ClipboardProbe clipboard_;
};

}  // namespace e2e
