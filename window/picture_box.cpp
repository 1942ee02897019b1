#include "window/picture_box.h"

#include "window/control_ids.h"
#include "window/gdi_handles.h"
#include "window/window_class.h"

namespace {

constexpr int kProgramIconId = 1;  // the icon's resource id

class PictureBox {
 public:
  explicit PictureBox(HWND hwnd) {
    RECT client;
    GetClientRect(hwnd, &client);
    // Loaded at the box's own size: the system scales it better than a
    // stretch at drawing time would.
    icon_.reset(LoadProgramIcon(client.right, client.bottom));
  }

  void Paint(HWND hwnd) const {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);
    if (icon_) DrawIconEx(dc, 0, 0, icon_.get(), client.right, client.bottom, 0, nullptr, DI_NORMAL);
    EndPaint(hwnd, &ps);
  }

  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
    auto* box = reinterpret_cast<PictureBox*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    switch (msg) {
      case WM_CREATE:
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new PictureBox(hwnd)));
        return 0;
      case WM_PAINT:
        if (box) {
          box->Paint(hwnd);
          return 0;
        }
        break;
      case WM_NCDESTROY:
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        delete box;
        break;
    }
    return DefWindowProcA(hwnd, msg, wparam, lparam);
  }

 private:
  UniqueIcon icon_;
};

}  // namespace

HICON LoadProgramIcon(int width, int height) {
  return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kProgramIconId),
                                       IMAGE_ICON, width, height, LR_DEFAULTCOLOR));
}

bool RegisterPictureBoxClass(HINSTANCE instance) {
  WindowClassArgs args;
  args.name = LINKCONV_PICTURE_CLASS;
  args.proc = PictureBox::Proc;
  args.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  return RegisterWindowClassOnce(instance, args);
}
