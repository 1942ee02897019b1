// The program's one window: the input box, the Convert button, the four
// rows and the status line. The object outlives its window, so that an
// action that resumes after the window was closed can still ask it.
#pragma once

#include <windows.h>

#include "window/actions.h"
#include "window/clipboard.h"
#include "window/event_loop.h"
#include "window/gdi_handles.h"

class MainWindow final : public ActionContext, public KeyFilter {
 public:
  explicit MainWindow(TextClipboard& clipboard) : clipboard_(clipboard) {}
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Creates the window and its controls, centred on the screen, and shows
  // it with the focus in the input box. False when anything fails.
  bool Create();
  HWND hwnd() const { return hwnd_; }

  // ActionContext. Reading or writing a control once the window is gone
  // is a fatal error.
  Text ReadText(ControlId id) override;
  void WriteText(ControlId id, const Text& text) override;
  bool WindowDestroyed() const override { return destroyed_; }
  void NavigateBrowser(const Text& address) override;
  void OpenDownloadDialog(const Text& address) override;
  TextClipboard& Clipboard() override { return clipboard_; }

  // KeyFilter.
  bool TranslateKey(MSG& msg) override;

 private:
  static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam);
  LRESULT HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam);

  bool CreateControls();
  void Stack() const;
  HWND Control(ControlId id) const;

  void OnCommand(WPARAM wparam, LPARAM lparam);
  void OnActivate(WPARAM wparam);
  void OnSetFocus();
  void OnClose();
  void OnDestroy();
  void OnNcDestroy();
  void RestoreFocus();

  TextClipboard& clipboard_;
  HWND hwnd_ = nullptr;
  bool destroyed_ = false;
  HWND remembered_focus_ = nullptr;
  UniqueIcon large_icon_;
  UniqueIcon small_icon_;
};
