// What the screen shows: pixels captured from the screen, and the same
// kind of picture drawn by the driver itself the way a label is meant to
// look, for comparing the two.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace e2e {

// 0x00RRGGBB pixels, rows from the top.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
  std::uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
};

std::uint32_t PixelOf(COLORREF colour);

// The pixels of a rectangle of the screen (screen coordinates).
Image CaptureScreen(const RECT& area);

// A canvas of `size` filled with `background`, after `draw` drew on it.
Image Draw(SIZE size, COLORREF background, const std::function<void(HDC)>& draw);

// `text` drawn in the default GUI font in `colour` over `background`, cut
// to the pixels its ink covers.
Image DefaultFontInk(const std::string& text, COLORREF colour, COLORREF background);

// Whether `needle` appears in `area`, pixel for pixel, anywhere.
bool Contains(const Image& area, const Image& needle);

// How a transparent label draws its caption.
struct TextLook {
  const char* face;  // nullptr: the default GUI font
  int char_height;   // character height in pixels (ignored without face)
  COLORREF colour;
  bool centred;      // else left-aligned
};

// A canvas of `size` filled with `background`, with `text` drawn in
// `rect` as a label with `look` draws it: one line, vertically centred,
// transparent background, not clipped to the rectangle.
Image RenderLabelText(SIZE size, COLORREF background, const RECT& rect, const std::string& text,
                      const TextLook& look);

}  // namespace e2e
