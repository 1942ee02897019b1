#include "window/control_factory.h"

#include "window/browser_box.h"
#include "window/transparent_label.h"

namespace {

HFONT DefaultGuiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

ControlArgs ArgsFor(HWND parent, const ControlRow& row) {
  ControlArgs args;
  args.parent = parent;
  args.text = row.text;
  args.id = row.id;
  args.place = RECT{row.x, row.y, row.x + row.width, row.y + row.height};
  return args;
}

HWND CreateEdit(HWND parent, const ControlRow& row) {
  ControlArgs args = ArgsFor(parent, row);
  args.class_name = "Edit";
  // No ES_NOHIDESEL: the selection hides while the box lacks the focus.
  args.style |= WS_TABSTOP | ES_AUTOHSCROLL | ES_LEFT;
  args.ex_style = WS_EX_CLIENTEDGE;
  args.font = DefaultGuiFont();
  HWND edit = CreateControl(args);
  // 0: the largest limit the system allows.
  if (edit) SendMessageA(edit, EM_SETLIMITTEXT, 0, 0);
  return edit;
}

HWND CreateButton(HWND parent, const ControlRow& row) {
  ControlArgs args = ArgsFor(parent, row);
  args.class_name = "Button";
  args.style |= WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE;
  args.font = DefaultGuiFont();
  return CreateControl(args);
}

HWND CreateLabel(HWND parent, const ControlRow& row) {
  LabelLook look{row.color, row.align, row.font_face, row.font_height};
  ControlArgs args = ArgsFor(parent, row);
  args.class_name = LINKCONV_LABEL_CLASS;
  // Painted after the controls beneath it; the siblings above it (the
  // picture box over the title) keep their place on top.
  args.style |= WS_CLIPSIBLINGS;
  args.ex_style = WS_EX_TRANSPARENT;
  args.create_param = &look;
  return CreateControl(args);
}

HWND CreatePicture(HWND parent, const ControlRow& row) {
  ControlArgs args = ArgsFor(parent, row);
  args.class_name = LINKCONV_PICTURE_CLASS;
  args.text = "";
  return CreateControl(args);
}

HWND CreateBrowser(HWND parent, const ControlRow& row) {
  BrowserBoxSettings settings;
  settings.字体大小 = 1;
  settings.离线浏览 = false;
  settings.静默 = false;
  settings.地址 = Text();  // goes nowhere until the first Download
  return CreateBrowserBox(parent, row.id, row.x, row.y, row.width, row.height, settings);
}

}  // namespace

HWND CreateControl(const ControlArgs& args) {
  const RECT& r = args.place;
  HWND hwnd = CreateWindowExA(args.ex_style, args.class_name, args.text, args.style, r.left,
                              r.top, r.right - r.left, r.bottom - r.top, args.parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.id)),
                              GetModuleHandleA(nullptr), args.create_param);
  if (hwnd && args.font) SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(args.font), FALSE);
  return hwnd;
}

HWND CreateControlFromRow(HWND parent, const ControlRow& row) {
  switch (row.kind) {
    case ControlKind::Edit:
      return CreateEdit(parent, row);
    case ControlKind::Button:
      return CreateButton(parent, row);
    case ControlKind::Label:
      return CreateLabel(parent, row);
    case ControlKind::Picture:
      return CreatePicture(parent, row);
    case ControlKind::Browser:
      return CreateBrowser(parent, row);
  }
  return nullptr;
}
