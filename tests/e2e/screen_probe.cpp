#include "screen_probe.h"

#include <algorithm>
#include <cstring>

namespace e2e {

std::uint32_t PixelOf(COLORREF colour) {
  return (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
}

namespace {

// A top-down 32-bit DIB section selected into a memory DC.
class Canvas {
 public:
  Canvas(int width, int height) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
    old_ = SelectObject(dc_, bitmap_);
  }
  ~Canvas() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC dc() const { return dc_; }

  Image Take() const {
    GdiFlush();
    Image image{width_, height_, std::vector<std::uint32_t>(static_cast<size_t>(width_) * height_)};
    if (bits_) std::memcpy(image.pixels.data(), bits_, image.pixels.size() * 4);
    for (auto& pixel : image.pixels) pixel &= 0xFFFFFF;
    return image;
  }

 private:
  int width_, height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  void* bits_ = nullptr;
};

}  // namespace

Image CaptureScreen(const RECT& area) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  Canvas canvas(width, height);
  HDC screen = GetDC(nullptr);
  BitBlt(canvas.dc(), 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  ReleaseDC(nullptr, screen);
  return canvas.Take();
}

Image Draw(SIZE size, COLORREF background, const std::function<void(HDC)>& draw) {
  Canvas canvas(size.cx, size.cy);
  HBRUSH brush = CreateSolidBrush(background);
  RECT all{0, 0, size.cx, size.cy};
  FillRect(canvas.dc(), &all, brush);
  DeleteObject(brush);
  draw(canvas.dc());
  return canvas.Take();
}

Image RenderLabelText(SIZE size, COLORREF background, const RECT& rect, const std::string& text,
                      const TextLook& look) {
  return Draw(size, background, [&](HDC dc) {
    HFONT own = nullptr;
    if (look.face)
      own = CreateFontA(-look.char_height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY, DEFAULT_PITCH, look.face);
    HGDIOBJ old = SelectObject(dc, own ? static_cast<HGDIOBJ>(own) : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, look.colour);
    RECT box = rect;
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &box,
              DT_SINGLELINE | DT_VCENTER | DT_NOCLIP | DT_NOPREFIX | (look.centred ? DT_CENTER : DT_LEFT));
    SelectObject(dc, old);
    if (own) DeleteObject(own);
  });
}

Image DefaultFontInk(const std::string& text, COLORREF colour, COLORREF background) {
  const Image drawn = RenderLabelText({400, 40}, background, {4, 4, 396, 36}, text, {nullptr, 0, colour, false});
  const std::uint32_t plain = PixelOf(background);
  int left = drawn.width, top = drawn.height, right = -1, bottom = -1;
  for (int y = 0; y < drawn.height; ++y)
    for (int x = 0; x < drawn.width; ++x)
      if (drawn.At(x, y) != plain) {
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
      }
  Image ink;
  if (right < 0) return ink;
  ink.width = right - left + 1;
  ink.height = bottom - top + 1;
  for (int y = top; y <= bottom; ++y)
    for (int x = left; x <= right; ++x) ink.pixels.push_back(drawn.At(x, y));
  return ink;
}

bool Contains(const Image& area, const Image& needle) {
  if (needle.pixels.empty()) return false;
  for (int top = 0; top + needle.height <= area.height; ++top)
    for (int left = 0; left + needle.width <= area.width; ++left) {
      bool match = true;
      for (int y = 0; y < needle.height && match; ++y)
        for (int x = 0; x < needle.width && match; ++x) match = area.At(left + x, top + y) == needle.At(x, y);
      if (match) return true;
    }
  return false;
}

}  // namespace e2e
