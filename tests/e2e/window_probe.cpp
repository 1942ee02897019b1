#include "window_probe.h"

namespace e2e {

namespace {

constexpr UINT kAnswerMs = 30000;

}  // namespace

std::string ClassName(HWND window) {
  char name[256] = "";
  const int n = GetClassNameA(window, name, sizeof name);
  return std::string(name, n > 0 ? n : 0);
}

std::string TextOf(HWND window, bool* ok) {
  if (ok) *ok = false;
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, kAnswerMs, &length)) return "";
  // Room for two bytes a character, in case the length came in characters.
  std::string text(2 * length + 2, '\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                           SMTO_NORMAL, kAnswerMs, &copied))
    return "";
  text.resize(copied);
  if (ok) *ok = true;
  return text;
}

bool SetTextOf(HWND window, const std::string& text) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_NORMAL,
                             kAnswerMs, &result) &&
         result;
}

RECT RectInClient(HWND parent, HWND child) {
  RECT rect{};
  GetWindowRect(child, &rect);
  MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

std::vector<HWND> ChildrenTopToBottom(HWND parent) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    children.push_back(child);
  return children;
}

namespace {

GUITHREADINFO ThreadInfoOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) info = {};
  return info;
}

}  // namespace

HWND FocusOf(HWND window) { return ThreadInfoOf(window).hwndFocus; }
HWND CaretOwnerOf(HWND window) { return ThreadInfoOf(window).hwndCaret; }

std::string DescribeWindow(HWND window) {
  if (!window) return "no window";
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return "window of class '" + ClassName(window) + "', id " + std::to_string(GetDlgCtrlID(window)) +
         ", process " + std::to_string(process);
}

bool IsOrInside(HWND window, HWND control) {
  return window && (window == control || IsChild(control, window));
}

}  // namespace e2e
