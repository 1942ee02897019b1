// Compiled with the GBK execution character set: the texts below are the
// program's ANSI bytes.
#include "expected_window.h"

#include <stdexcept>

namespace e2e {

const char kCaption[] = "Movrane下载地址转换器";
const char kStatusAtStart[] = "您复制了###下载地址。";
const char kCopyFailed[] = "复制失败。";

namespace {

constexpr RECT At(int x, int y, int width, int height) { return {x, y, x + width, y + height}; }

}  // namespace

const std::vector<ExpectedControl>& ExpectedControls() {
  using K = ControlKind;
  static const std::vector<ExpectedControl> controls = {
      {kId图片框1, u8"图片框1", K::Picture, At(119, 10, 24, 19), nullptr},
      {kId透明标签7, u8"透明标签7", K::Label, At(99, 4, 272, 32), "Movrane下载地址转换器"},
      {kId透明标签8, u8"透明标签8", K::Label, At(324, 15, 104, 16), "作者：Movrane"},
      {kId透明标签1, u8"透明标签1", K::Label, At(3, 39, 72, 16), "原地址："},
      {kId编辑框1, u8"编辑框1", K::Edit, At(56, 34, 392, 24), ""},
      {kId按钮1, u8"按钮1", K::Button, At(452, 36, 75, 20), "转  换"},
      {kId透明标签2, u8"透明标签2", K::Label, At(3, 64, 72, 16), "迅  雷："},
      {kId迅雷, u8"迅雷", K::Edit, At(56, 59, 392, 24), ""},
      {kId迅雷f, u8"迅雷f", K::Button, At(452, 62, 36, 20), "复制"},
      {kId迅雷x, u8"迅雷x", K::Button, At(490, 62, 36, 20), "下载"},
      {kId透明标签3, u8"透明标签3", K::Label, At(3, 90, 72, 16), "快  车："},
      {kId快车, u8"快车", K::Edit, At(56, 85, 392, 24), ""},
      {kId快车f, u8"快车f", K::Button, At(452, 88, 36, 20), "复制"},
      {kId快车x, u8"快车x", K::Button, At(490, 88, 36, 20), "下载"},
      {kId透明标签4, u8"透明标签4", K::Label, At(3, 116, 72, 16), "旋  风："},
      {kId旋风, u8"旋风", K::Edit, At(56, 111, 392, 24), ""},
      {kId旋风f, u8"旋风f", K::Button, At(453, 114, 36, 20), "复制"},
      {kId旋风x, u8"旋风x", K::Button, At(491, 114, 36, 20), "下载"},
      {kId透明标签6, u8"透明标签6", K::Label, At(3, 142, 72, 16), "真  实："},
      {kId真实, u8"真实", K::Edit, At(56, 137, 392, 24), ""},
      {kId真实f, u8"真实f", K::Button, At(453, 138, 36, 20), "复制"},
      {kId真实x, u8"真实x", K::Button, At(491, 138, 36, 20), "下载"},
      {kId透明标签5, u8"透明标签5", K::Label, At(57, 166, 264, 16), "您复制了###下载地址。"},
      {kId超文本浏览框1, u8"超文本浏览框1", K::Browser, At(488, 200, 24, 16), nullptr},
  };
  return controls;
}

const ExpectedControl& Expected(int id) {
  for (const auto& control : ExpectedControls())
    if (control.id == id) return control;
  throw std::out_of_range("no control " + std::to_string(id));
}

const char* KindClass(ControlKind kind) {
  switch (kind) {
    case ControlKind::Edit: return "Edit";
    case ControlKind::Button: return "Button";
    case ControlKind::Label: return LINKCONV_LABEL_CLASS;
    case ControlKind::Picture: return LINKCONV_PICTURE_CLASS;
    case ControlKind::Browser: return LINKCONV_BROWSER_CLASS;
  }
  return "";
}

const std::vector<ExpectedLabel>& ExpectedLabels() {
  constexpr COLORREF kBlack = RGB(0, 0, 0);
  static const std::vector<ExpectedLabel> labels = {
      {kId透明标签7, {"方正综艺_GBK", 20, kBlack, true}},
      {kId透明标签8, {"楷体_GB2312", 13, kBlack, true}},
      {kId透明标签1, {nullptr, 0, kBlack, false}},
      {kId透明标签2, {nullptr, 0, kBlack, false}},
      {kId透明标签3, {nullptr, 0, kBlack, false}},
      {kId透明标签4, {nullptr, 0, kBlack, false}},
      {kId透明标签6, {nullptr, 0, kBlack, false}},
      {kId透明标签5, {nullptr, 0, RGB(255, 0, 0), false}},
  };
  return labels;
}

const std::vector<int>& ExpectedStacking() {
  static const std::vector<int> order = {
      kId图片框1, kId透明标签8, kId透明标签7, kId透明标签5, kId超文本浏览框1, kId真实x,
      kId真实f,   kId旋风x,     kId旋风f,     kId快车x,     kId快车f,         kId迅雷x,
      kId迅雷f,   kId按钮1,     kId真实,      kId透明标签6, kId旋风,          kId透明标签4,
      kId快车,    kId透明标签3, kId迅雷,      kId透明标签2, kId透明标签1,     kId编辑框1,
  };
  return order;
}

const std::vector<int>& ExpectedTabOrder() {
  static const std::vector<int> order = {
      kId编辑框1, kId迅雷,  kId快车,  kId旋风,  kId真实,  kId按钮1, kId迅雷f,        kId迅雷x,
      kId快车f,   kId快车x, kId旋风f, kId旋风x, kId真实f, kId真实x, kId超文本浏览框1,
  };
  return order;
}

const std::vector<Row>& Rows() {
  static const std::vector<Row> rows = {
      {u8"迅雷", kId迅雷, kId迅雷f, kId迅雷x, 3, "您复制了迅雷下载地址。", true},
      {u8"快车", kId快车, kId快车f, kId快车x, 1, "您复制了快车下载地址。", false},
      {u8"旋风", kId旋风, kId旋风f, kId旋风x, 2, "您复制了旋风下载地址。", true},
      {u8"真实", kId真实, kId真实f, kId真实x, 0, "您复制了真实下载地址。", true},
  };
  return rows;
}

}  // namespace e2e
