#include "window/transparent_label.h"

#include <memory>

#include "window/gdi_handles.h"
#include "window/window_class.h"
#include "window/window_text.h"

namespace {

class TransparentLabel {
 public:
  explicit TransparentLabel(const LabelLook& look) : look_(look) {
    // A negative height asks for the character height, not the cell's.
    if (look.font_face)
      own_font_.reset(CreateFontA(-look.font_height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                  DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                  PROOF_QUALITY, DEFAULT_PITCH, look.font_face));
  }

  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam);

 private:
  HFONT Font() const {
    return own_font_ ? own_font_.get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  }
  LRESULT OnSetText(HWND hwnd, WPARAM wparam, LPARAM lparam);
  void OnPaint(HWND hwnd);
  // Where the caption's text lands, in label coordinates; it may reach
  // beyond the label.
  RECT TextBounds(HWND hwnd) const;

  LabelLook look_;
  UniqueFont own_font_;
};

RECT TransparentLabel::TextBounds(HWND hwnd) const {
  RECT client;
  GetClientRect(hwnd, &client);
  const Text text = WindowText(hwnd);
  SIZE extent{0, 0};
  if (HDC dc = GetDC(hwnd)) {
    const HGDIOBJ old = SelectObject(dc, Font());
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(dc, old);
    ReleaseDC(hwnd, dc);
  }
  const LONG left = look_.align == LabelAlign::Center ? (client.right - extent.cx) / 2 : 0;
  const LONG top = (client.bottom - extent.cy) / 2;
  return RECT{left, top, left + extent.cx, top + extent.cy};
}

LRESULT TransparentLabel::OnSetText(HWND hwnd, WPARAM wparam, LPARAM lparam) {
  // Having no background, the label cannot paint the old caption away:
  // the parent repaints everything beneath the old and the new caption,
  // and the label draws the new one after that.
  RECT area;
  GetClientRect(hwnd, &area);
  const RECT old_text = TextBounds(hwnd);
  const LRESULT result = DefWindowProcA(hwnd, WM_SETTEXT, wparam, lparam);
  const RECT new_text = TextBounds(hwnd);
  UnionRect(&area, &area, &old_text);
  UnionRect(&area, &area, &new_text);
  if (HWND parent = GetParent(hwnd)) {
    MapWindowPoints(hwnd, parent, reinterpret_cast<POINT*>(&area), 2);
    RedrawWindow(parent, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  } else {
    InvalidateRect(hwnd, nullptr, FALSE);
  }
  return result;
}

void TransparentLabel::OnPaint(HWND hwnd) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  const Text text = WindowText(hwnd);
  if (!text.empty()) {
    RECT client;
    GetClientRect(hwnd, &client);
    const HGDIOBJ old = SelectObject(dc, Font());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, look_.color);
    const UINT align = look_.align == LabelAlign::Center ? DT_CENTER : DT_LEFT;
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &client,
              align | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX);
    SelectObject(dc, old);
  }
  EndPaint(hwnd, &ps);
}

LRESULT CALLBACK TransparentLabel::Proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == WM_NCCREATE) {
    const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lparam);
    const auto* look = static_cast<const LabelLook*>(cs->lpCreateParams);
    auto* label = new TransparentLabel(*look);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(label));
  }
  auto* label = reinterpret_cast<TransparentLabel*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!label) return DefWindowProcA(hwnd, msg, wparam, lparam);
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;  // nothing of its own to erase
    case WM_PAINT:
      label->OnPaint(hwnd);
      return 0;
    case WM_SETTEXT:
      return label->OnSetText(hwnd, wparam, lparam);
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(label->Font());
    case WM_NCHITTEST:
      return HTTRANSPARENT;  // clicks go to what lies beneath
    case WM_NCDESTROY:
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
      delete label;
      break;
  }
  return DefWindowProcA(hwnd, msg, wparam, lparam);
}

}  // namespace

bool RegisterTransparentLabelClass(HINSTANCE instance) {
  WindowClassArgs args;  // no background: whatever lies beneath shows through
  args.name = LINKCONV_LABEL_CLASS;
  args.proc = TransparentLabel::Proc;
  return RegisterWindowClassOnce(instance, args);
}
