#include "window/control_table.h"

namespace {
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr ControlKind P = ControlKind::Picture, L = ControlKind::Label, E = ControlKind::Edit,
                      B = ControlKind::Button, W = ControlKind::Browser;
constexpr LabelAlign kLeft = LabelAlign::Left, kCenter = LabelAlign::Center;
}  // namespace

// The places are exact, unaligned columns included.
const ControlRow kControls[24] = {
    // name          kind id               x    y    w    h    text
    {"图片框1",     P, kId图片框1,     119, 10,  24,  19,  "", nullptr, 0, kBlack, kLeft},
    {"透明标签7",   L, kId透明标签7,   99,  4,   272, 32,  "Movrane下载地址转换器",
     "方正综艺_GBK", 20, kBlack, kCenter},
    {"透明标签8",   L, kId透明标签8,   324, 15,  104, 16,  "作者：Movrane",
     "楷体_GB2312", 13, kBlack, kCenter},
    {"透明标签1",   L, kId透明标签1,   3,   39,  72,  16,  "原地址：", nullptr, 0, kBlack, kLeft},
    {"编辑框1",     E, kId编辑框1,     56,  34,  392, 24,  "", nullptr, 0, kBlack, kLeft},
    {"按钮1",       B, kId按钮1,       452, 36,  75,  20,  "转  换", nullptr, 0, kBlack, kLeft},
    {"透明标签2",   L, kId透明标签2,   3,   64,  72,  16,  "迅  雷：", nullptr, 0, kBlack, kLeft},
    {"迅雷",        E, kId迅雷,        56,  59,  392, 24,  "", nullptr, 0, kBlack, kLeft},
    {"迅雷f",       B, kId迅雷f,       452, 62,  36,  20,  "复制", nullptr, 0, kBlack, kLeft},
    {"迅雷x",       B, kId迅雷x,       490, 62,  36,  20,  "下载", nullptr, 0, kBlack, kLeft},
    {"透明标签3",   L, kId透明标签3,   3,   90,  72,  16,  "快  车：", nullptr, 0, kBlack, kLeft},
    {"快车",        E, kId快车,        56,  85,  392, 24,  "", nullptr, 0, kBlack, kLeft},
    {"快车f",       B, kId快车f,       452, 88,  36,  20,  "复制", nullptr, 0, kBlack, kLeft},
    {"快车x",       B, kId快车x,       490, 88,  36,  20,  "下载", nullptr, 0, kBlack, kLeft},
    {"透明标签4",   L, kId透明标签4,   3,   116, 72,  16,  "旋  风：", nullptr, 0, kBlack, kLeft},
    {"旋风",        E, kId旋风,        56,  111, 392, 24,  "", nullptr, 0, kBlack, kLeft},
    {"旋风f",       B, kId旋风f,       453, 114, 36,  20,  "复制", nullptr, 0, kBlack, kLeft},
    {"旋风x",       B, kId旋风x,       491, 114, 36,  20,  "下载", nullptr, 0, kBlack, kLeft},
    {"透明标签6",   L, kId透明标签6,   3,   142, 72,  16,  "真  实：", nullptr, 0, kBlack, kLeft},
    {"真实",        E, kId真实,        56,  137, 392, 24,  "", nullptr, 0, kBlack, kLeft},
    {"真实f",       B, kId真实f,       453, 138, 36,  20,  "复制", nullptr, 0, kBlack, kLeft},
    {"真实x",       B, kId真实x,       491, 138, 36,  20,  "下载", nullptr, 0, kBlack, kLeft},
    {"透明标签5",   L, kId透明标签5,   57,  166, 264, 16,  "您复制了###下载地址。",
     nullptr, 0, kRed, kLeft},
    // Below the client area: unseen, but still a tab stop.
    {"超文本浏览框1", W, kId超文本浏览框1, 488, 200, 24, 16, "", nullptr, 0, kBlack, kLeft},
};

const ControlId kStackingOrder[24] = {
    kId图片框1, kId透明标签8, kId透明标签7, kId透明标签5, kId超文本浏览框1, kId真实x,
    kId真实f,   kId旋风x,     kId旋风f,     kId快车x,     kId快车f,         kId迅雷x,
    kId迅雷f,   kId按钮1,     kId真实,      kId透明标签6, kId旋风,          kId透明标签4,
    kId快车,    kId透明标签3, kId迅雷,      kId透明标签2, kId透明标签1,     kId编辑框1,
};

const ControlId kTabOrder[15] = {
    kId编辑框1, kId迅雷,  kId快车,  kId旋风,  kId真实,  kId按钮1, kId迅雷f,        kId迅雷x,
    kId快车f,   kId快车x, kId旋风f, kId旋风x, kId真实f, kId真实x, kId超文本浏览框1,
};
