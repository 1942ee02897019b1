// Child-window identifiers of the main window's controls. The test driver
// finds the controls by these numbers, so they are part of the program's
// outside face: change them only together with the tests.
#pragma once

enum ControlId : int {
  kId编辑框1 = 1001,
  kId迅雷 = 1002,
  kId快车 = 1003,
  kId旋风 = 1004,
  kId真实 = 1005,
  kId按钮1 = 1006,
  kId迅雷f = 1007,
  kId迅雷x = 1008,
  kId快车f = 1009,
  kId快车x = 1010,
  kId旋风f = 1011,
  kId旋风x = 1012,
  kId真实f = 1013,
  kId真实x = 1014,
  kId超文本浏览框1 = 1015,
  kId透明标签1 = 1021,
  kId透明标签2 = 1022,
  kId透明标签3 = 1023,
  kId透明标签4 = 1024,
  kId透明标签5 = 1025,
  kId透明标签6 = 1026,
  kId透明标签7 = 1027,
  kId透明标签8 = 1028,
  kId图片框1 = 1030,
};

// Window class names, also looked for by the test driver.
#define LINKCONV_MAIN_CLASS "LinkconvMainWindow"
#define LINKCONV_LABEL_CLASS "LinkconvTransparentLabel"
#define LINKCONV_PICTURE_CLASS "LinkconvPictureBox"
#define LINKCONV_BROWSER_CLASS "LinkconvBrowserBox"
