#include "label_looks.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "expected_window.h"
#include "screen_probe.h"
#include "window_probe.h"

namespace e2e {

namespace {

struct Mask {
  int width, height;
  std::vector<char> bits;
  Mask(int w, int h) : width(w), height(h), bits(static_cast<size_t>(w) * h, 0) {}
  bool At(int x, int y) const { return x < 0 || y < 0 || x >= width || y >= height || bits[y * width + x]; }
  void Set(int x, int y) {
    if (x >= 0 && y >= 0 && x < width && y < height) bits[y * width + x] = 1;
  }
  void SetRect(const RECT& r) {
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) Set(x, y);
  }
};

const TextLook& LookOf(int id) {
  for (const auto& label : ExpectedLabels())
    if (label.id == id) return label.look;
  static const TextLook none{};
  return none;
}

// Pixels where a label's drawing differs from the plain background,
// grown by `grow` pixels on every side.
void AddInk(Mask& mask, const Image& drawing, std::uint32_t background, int grow) {
  for (int y = 0; y < drawing.height; ++y)
    for (int x = 0; x < drawing.width; ++x)
      if (drawing.At(x, y) != background)
        for (int dy = -grow; dy <= grow; ++dy)
          for (int dx = -grow; dx <= grow; ++dx) mask.Set(x + dx, y + dy);
}

std::string Hex(std::uint32_t pixel) {
  char text[16];
  std::snprintf(text, sizeof text, "%06X", static_cast<unsigned>(pixel));
  return text;
}

}  // namespace

std::string CompareLabelWithScreen(HWND main, int id, const std::string& caption) {
  RECT client{};
  GetClientRect(main, &client);
  POINT origin{0, 0};
  ClientToScreen(main, &origin);
  const SIZE size{client.right, client.bottom};
  const Image screen = CaptureScreen({origin.x, origin.y, origin.x + size.cx, origin.y + size.cy});
  const COLORREF face = GetSysColor(COLOR_3DFACE);
  const std::uint32_t background = PixelOf(face);

  const Image expected = RenderLabelText(size, face, Expected(id).rect, caption, LookOf(id));

  // Left out: every control that is not a label (they are opaque), and
  // wherever another label's caption may draw.
  Mask excluded(size.cx, size.cy);
  for (const auto& control : ExpectedControls()) {
    if (control.kind != ControlKind::Label) {
      excluded.SetRect(control.rect);
    } else if (control.id != id) {
      const std::string other = TextOf(GetDlgItem(main, control.id));
      AddInk(excluded, RenderLabelText(size, face, control.rect, other, LookOf(control.id)), background, 2);
    }
  }

  // Compared: the label's rectangle and wherever its caption draws.
  RECT region = Expected(id).rect;
  int ink = 0;
  for (int y = 0; y < size.cy; ++y)
    for (int x = 0; x < size.cx; ++x)
      if (expected.At(x, y) != background) {
        region.left = std::min<LONG>(region.left, x);
        region.top = std::min<LONG>(region.top, y);
        region.right = std::max<LONG>(region.right, x + 1);
        region.bottom = std::max<LONG>(region.bottom, y + 1);
        if (!excluded.At(x, y)) ++ink;
      }
  if (!caption.empty() && ink == 0) return "the expected drawing has no visible ink to compare";

  std::string best;
  long best_count = -1;
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx) {
      long count = 0;
      std::string first;
      for (int y = region.top; y < region.bottom; ++y)
        for (int x = region.left; x < region.right; ++x) {
          if (excluded.At(x, y) || excluded.At(x + dx, y + dy)) continue;
          const std::uint32_t want = expected.At(x, y);
          const std::uint32_t got = screen.At(x + dx, y + dy);
          if (want == got) continue;
          if (count++ < 5)
            first += " (" + std::to_string(x + dx) + "," + std::to_string(y + dy) + ") want " + Hex(want) +
                     " got " + Hex(got);
        }
      if (best_count < 0 || count < best_count) {
        best_count = count;
        best = "the screen differs from the caption drawn in the expected font, size and colour in " +
               std::to_string(count) + " pixel(s) (closest at a shift of " + std::to_string(dx) + "," +
               std::to_string(dy) + "); first, in client coordinates:" + first;
      }
      if (count == 0) return "";
    }
  return best;
}

}  // namespace e2e
