#include "window/main_window.h"

#include "window/browser_box.h"
#include "window/control_factory.h"
#include "window/control_table.h"
#include "window/download_dialog.h"
#include "window/fatal_error.h"
#include "window/fatal_text.h"
#include "window/keyboard.h"
#include "window/picture_box.h"
#include "window/transparent_label.h"
#include "window/window_class.h"
#include "window/window_text.h"

namespace {

const char kCaption[] = "Movrane下载地址转换器";
constexpr int kWidth = 537;   // outer size, frame and caption bar included
constexpr int kHeight = 219;
// A fixed frame with Close and Minimise only.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

HICON LoadIconOfMetric(int size_metric) {
  const int size = GetSystemMetrics(size_metric);
  return LoadProgramIcon(size, size);
}

bool RegisterMainClass(HINSTANCE instance, WNDPROC proc, HICON large_icon, HICON small_icon) {
  WindowClassArgs args;
  args.name = LINKCONV_MAIN_CLASS;
  args.proc = proc;
  args.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  args.large_icon = large_icon;
  args.small_icon = small_icon;
  return RegisterWindowClassOnce(instance, args);
}

}  // namespace

bool MainWindow::Create() {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  large_icon_.reset(LoadIconOfMetric(SM_CXICON));
  small_icon_.reset(LoadIconOfMetric(SM_CXSMICON));
  if (!RegisterMainClass(instance, WndProc, large_icon_.get(), small_icon_.get()) ||
      !RegisterTransparentLabelClass(instance) || !RegisterPictureBoxClass(instance))
    return false;

  // Centred on the whole primary screen, not the work area.
  const int left = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
  // No WS_CLIPCHILDREN: the labels need the window's background beneath.
  if (!CreateWindowExA(0, LINKCONV_MAIN_CLASS, kCaption, kStyle, left, top, kWidth, kHeight,
                       nullptr, nullptr, instance, this))
    return false;
  SendMessageA(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(large_icon_.get()));
  SendMessageA(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small_icon_.get()));
  SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
               FALSE);

  if (!CreateControls()) {
    DestroyWindow(hwnd_);
    return false;
  }
  Stack();
  for (const ControlRow& row : kControls) ShowWindow(Control(row.id), SW_SHOWNOACTIVATE);
  ShowWindow(hwnd_, SW_SHOWNORMAL);
  UpdateWindow(hwnd_);
  SetFocus(Control(kTabOrder[0]));
  return true;
}

bool MainWindow::CreateControls() {
  for (const ControlRow& row : kControls)
    if (!CreateControlFromRow(hwnd_, row)) return false;
  return true;
}

void MainWindow::Stack() const {
  HWND above = HWND_TOP;
  for (ControlId id : kStackingOrder) {
    HWND control = Control(id);
    SetWindowPos(control, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    above = control;
  }
}

HWND MainWindow::Control(ControlId id) const { return GetDlgItem(hwnd_, id); }

Text MainWindow::ReadText(ControlId id) {
  if (destroyed_) FatalRuntimeError(0, kMessageWindowGone);
  return WindowText(Control(id));
}

void MainWindow::WriteText(ControlId id, const Text& text) {
  if (destroyed_) FatalRuntimeError(0, kMessageWindowGone);
  SetWindowTextA(Control(id), text.c_str());
}

void MainWindow::NavigateBrowser(const Text& address) {
  if (destroyed_) FatalRuntimeError(0, kMessageWindowGone);
  SetBrowserAddress(Control(kId超文本浏览框1), address);
}

void MainWindow::OpenDownloadDialog(const Text& address) { ::OpenDownloadDialog(address); }

bool MainWindow::TranslateKey(MSG& msg) { return !destroyed_ && TranslateWindowKey(hwnd_, msg); }

LRESULT CALLBACK MainWindow::WndProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  MainWindow* self;
  if (msg == WM_NCCREATE) {
    self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTA*>(lparam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  }
  return self ? self->HandleMessage(msg, wparam, lparam) : DefWindowProcA(hwnd, msg, wparam, lparam);
}

LRESULT MainWindow::HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case WM_COMMAND:
      OnCommand(wparam, lparam);
      return 0;
    case WM_ACTIVATE:
      OnActivate(wparam);
      return 0;
    case WM_SETFOCUS:
      OnSetFocus();
      return 0;
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_DESTROY:
      OnDestroy();
      return 0;
    case WM_NCDESTROY: {
      const LRESULT result = DefWindowProcA(hwnd_, msg, wparam, lparam);
      OnNcDestroy();
      return result;
    }
  }
  return DefWindowProcA(hwnd_, msg, wparam, lparam);
}

void MainWindow::OnCommand(WPARAM wparam, LPARAM lparam) {
  // Only a button's click starts anything; no other notification is used.
  if (lparam == 0 || HIWORD(wparam) != BN_CLICKED) return;
  RunButtonAction(*this, LOWORD(wparam));
}

void MainWindow::OnActivate(WPARAM wparam) {
  if (LOWORD(wparam) == WA_INACTIVE) {
    HWND focus = GetFocus();
    if (focus && IsChild(hwnd_, focus)) remembered_focus_ = focus;
  } else if (HIWORD(wparam) == 0) {  // not while minimised
    RestoreFocus();
  }
}

void MainWindow::OnSetFocus() { RestoreFocus(); }

void MainWindow::RestoreFocus() {
  // A click that activated the window may have placed the focus already.
  HWND focus = GetFocus();
  if (focus && IsChild(hwnd_, focus)) return;
  HWND target = remembered_focus_;
  if (!target || !IsWindow(target) || !IsChild(hwnd_, target)) target = Control(kTabOrder[0]);
  if (target) SetFocus(target);
}

void MainWindow::OnClose() { DestroyWindow(hwnd_); }

void MainWindow::OnDestroy() {
  if (MainLoopEntered()) PostQuitMessage(0);
}

void MainWindow::OnNcDestroy() {
  SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
  hwnd_ = nullptr;
  destroyed_ = true;
  remembered_focus_ = nullptr;
}
