#include "window/keyboard.h"

#include "window/browser_box.h"
#include "window/control_table.h"
#include "window/tab_order.h"

namespace {

constexpr int kTabStops = sizeof kTabOrder / sizeof kTabOrder[0];

bool Holds(HWND outer, HWND inner) { return inner && (inner == outer || IsChild(outer, inner)); }

bool KeyDown(int key) { return (GetKeyState(key) & 0x8000) != 0; }

// The tab stop that has the focus or holds the focused window, or -1.
int FocusedStop(HWND main_window, HWND focus) {
  for (int i = 0; i < kTabStops; ++i)
    if (Holds(GetDlgItem(main_window, kTabOrder[i]), focus)) return i;
  return -1;
}

void MoveFocus(HWND main_window, bool forward) {
  const int current = FocusedStop(main_window, GetFocus());
  const int next = NextTabStop(kTabStops, current, forward, [&](int i) {
    HWND control = GetDlgItem(main_window, kTabOrder[i]);
    return control && IsWindowVisible(control) && IsWindowEnabled(control);
  });
  if (next < 0) return;
  // Moving by keyboard: let buttons show their focus rectangle.
  SendMessageA(main_window, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
  SetFocus(GetDlgItem(main_window, kTabOrder[next]));
}

}  // namespace

bool TranslateWindowKey(HWND main_window, MSG& msg) {
  if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) return false;
  if (!main_window || !Holds(main_window, msg.hwnd)) return false;

  HWND browser = GetDlgItem(main_window, kId超文本浏览框1);
  if (browser && Holds(browser, GetFocus()) && BrowserBoxTranslateKey(browser, msg)) return true;

  if (msg.message != WM_KEYDOWN) return false;
  switch (msg.wParam) {
    case VK_TAB:
      if (KeyDown(VK_CONTROL)) return false;
      MoveFocus(main_window, !KeyDown(VK_SHIFT));
      return true;
    case VK_RETURN:
      return true;  // no default button to press
    case VK_ESCAPE:
      SendMessageA(main_window, WM_CLOSE, 0, 0);
      return true;
  }
  return false;
}
