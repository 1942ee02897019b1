// The main window as it appears right after start: frame, place, every
// control's class, rectangle, text, style and font, stacking order, and
// what the screen shows of the labels, the picture box and the face.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "expected_window.h"
#include "icon_pictures.h"
#include "label_looks.h"
#include "linkconv_test.h"
#include "screen_probe.h"
#include "text_display.h"
#include "user_input.h"
#include "window_probe.h"

namespace e2e {
namespace {

using WindowTest = LinkconvTest;

std::string RectText(const RECT& r) {
  return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ") " + std::to_string(r.right - r.left) +
         "x" + std::to_string(r.bottom - r.top);
}

TEST_F(WindowTest, FrameCaptionSizeAndCentredPlace) {
  ASSERT_NO_FATAL_FAILURE(Start());
  EXPECT_EQ(TextOf(main_), std::string(kCaption)) << Shown(TextOf(main_));

  RECT outer{};
  GetWindowRect(main_, &outer);
  EXPECT_EQ(outer.right - outer.left, kWindowWidth);
  EXPECT_EQ(outer.bottom - outer.top, kWindowHeight);
  EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - kWindowWidth) / 2);
  EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - kWindowHeight) / 2);

  const LONG style = GetWindowLongA(main_, GWL_STYLE);
  const LONG ex_style = GetWindowLongA(main_, GWL_EXSTYLE);
  const struct {
    const char* name;
    LONG bits;
    bool wanted;
    LONG in;
  } flags[] = {
      {"caption bar", WS_CAPTION, true, style},
      {"system menu", WS_SYSMENU, true, style},
      {"minimise button", WS_MINIMIZEBOX, true, style},
      {"maximise button", WS_MAXIMIZEBOX, false, style},
      {"sizing frame", WS_THICKFRAME, false, style},
      {"child window", WS_CHILD, false, style},
      {"always on top", WS_EX_TOPMOST, false, ex_style},
      {"tool window (no taskbar button)", WS_EX_TOOLWINDOW, false, ex_style},
  };
  for (const auto& flag : flags) {
    SCOPED_TRACE(flag.name);
    EXPECT_EQ((flag.in & flag.bits) == flag.bits, flag.wanted);
  }
  EXPECT_EQ(GetWindow(main_, GW_OWNER), nullptr) << "the window has an owner";
  EXPECT_EQ(GetMenu(main_), nullptr) << "the window has a menu";
  EXPECT_FALSE(IsZoomed(main_));
  EXPECT_FALSE(IsIconic(main_));


  // The small icon shows at the left of the caption bar (the large one
  // cannot be seen from outside).
  MoveMouseTo({0, 0});
  const SIZE small{GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON)};
  const auto pictures = ProgramIconPictures(ProgramPath(), small);
  ASSERT_FALSE(pictures.empty()) << "no icon in linkconv.exe";
  const RECT caption_start{outer.left, outer.top, outer.left + 2 * small.cx + 8,
                           outer.top + GetSystemMetrics(SM_CYCAPTION) + 2 * GetSystemMetrics(SM_CYFIXEDFRAME)};
  EXPECT_TRUE(WaitUntil(
      [&] {
        const Image shot = CaptureScreen(caption_start);
        return ShowsOneOf(shot, pictures, {0, 0, shot.width - small.cx, shot.height - small.cy});
      },
      kActionTimeout))
      << "the caption bar shows no image of the program icon";
}

TEST_F(WindowTest, EveryControlHasItsClassPlaceTextAndStyle) {
  ASSERT_NO_FATAL_FAILURE(Start());
  for (const ExpectedControl& want : ExpectedControls()) {
    SCOPED_TRACE(want.name);
    const HWND control = Control(want.id);
    ASSERT_NE(control, nullptr) << "missing";
    EXPECT_EQ(ClassName(control), KindClass(want.kind));
    const RECT rect = RectInClient(main_, control);
    EXPECT_TRUE(EqualRect(&rect, &want.rect)) << "at " << RectText(rect) << ", wanted " << RectText(want.rect);
    if (want.text) {
      EXPECT_EQ(TextOf(control), std::string(want.text)) << Shown(TextOf(control));
    }
    EXPECT_TRUE(IsWindowVisible(control));
    EXPECT_TRUE(IsWindowEnabled(control));

    const LONG style = GetWindowLongA(control, GWL_STYLE);
    const LONG ex_style = GetWindowLongA(control, GWL_EXSTYLE);
    const bool tab_stop = (style & WS_TABSTOP) != 0;
    switch (want.kind) {
      case ControlKind::Edit: {
        EXPECT_TRUE(tab_stop);
        EXPECT_TRUE(style & ES_AUTOHSCROLL) << "no horizontal auto-scroll";
        const struct {
          const char* name;
          LONG bit;
        } unwanted[] = {{"multi-line", ES_MULTILINE}, {"read-only", ES_READONLY},   {"password", ES_PASSWORD},
                        {"upper case", ES_UPPERCASE}, {"lower case", ES_LOWERCASE}, {"centred", ES_CENTER},
                        {"right", ES_RIGHT},          {"selection kept", ES_NOHIDESEL}};
        for (const auto& flag : unwanted) EXPECT_FALSE(style & flag.bit) << flag.name;
        EXPECT_TRUE(ex_style & WS_EX_CLIENTEDGE) << "no sunken client edge";
        DWORD_PTR limit = 0;
        SendMessageTimeoutA(control, EM_GETLIMITTEXT, 0, 0, SMTO_NORMAL, 10000, &limit);
        EXPECT_GE(limit, 0x7FFFFFFEu) << "not the largest text limit";
        break;
      }
      case ControlKind::Button: {
        EXPECT_TRUE(tab_stop);
        EXPECT_EQ(style & BS_TYPEMASK, BS_PUSHBUTTON) << "not a plain push button";
        EXPECT_TRUE(style & BS_MULTILINE) << "caption may not wrap";
        const LONG horizontal = style & BS_CENTER, vertical = style & BS_VCENTER;
        EXPECT_TRUE(horizontal == 0 || horizontal == BS_CENTER) << "caption not centred horizontally";
        EXPECT_TRUE(vertical == 0 || vertical == BS_VCENTER) << "caption not centred vertically";
        EXPECT_FALSE(style & (BS_BITMAP | BS_ICON)) << "button shows a picture";
        break;
      }
      case ControlKind::Label:
      case ControlKind::Picture:
        EXPECT_FALSE(tab_stop);
        EXPECT_FALSE(style & WS_BORDER);
        EXPECT_FALSE(ex_style & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE)) << "has a border";
        break;
      case ControlKind::Browser:
        EXPECT_TRUE(tab_stop);
        break;
    }
  }
}

TEST_F(WindowTest, StackingOrderFromTopToBottom) {
  ASSERT_NO_FATAL_FAILURE(Start());
  std::vector<int> got;
  for (HWND child : ChildrenTopToBottom(main_)) got.push_back(GetDlgCtrlID(child));
  auto names = [](const std::vector<int>& ids) {
    std::string text;
    for (int id : ids) {
      bool known = false;
      for (const auto& control : ExpectedControls())
        if (control.id == id) text += std::string(" ") + control.name, known = true;
      if (!known) text += " #" + std::to_string(id);
    }
    return text;
  };
  EXPECT_EQ(got, ExpectedStacking()) << "got:" << names(got) << "\nwanted:" << names(ExpectedStacking());
}

TEST_F(WindowTest, BrowserBoxLiesOutOfViewBelowTheClientArea) {
  ASSERT_NO_FATAL_FAILURE(Start());
  RECT client{};
  GetClientRect(main_, &client);
  const RECT box = RectInClient(main_, Control(kId超文本浏览框1));
  EXPECT_GE(box.top, client.bottom) << "the browser box shows in the window";
}

TEST_F(WindowTest, LabelsShowTheirCaptionsInTheirFontsAndColours) {
  ASSERT_NO_FATAL_FAILURE(Start());
  MoveMouseTo({0, 0});  // keep the pointer off the window
  for (const ExpectedLabel& label : ExpectedLabels()) {
    SCOPED_TRACE(Expected(label.id).name);
    std::string difference;
    EXPECT_TRUE(WaitUntil(
        [&] {
          difference = CompareLabelWithScreen(main_, label.id, Expected(label.id).text);
          return difference.empty();
        },
        kActionTimeout))
        << difference;
  }
}

TEST_F(WindowTest, EditBoxesAndButtonsDrawTheirTextsInTheDefaultGuiFont) {
  ASSERT_NO_FATAL_FAILURE(Start());
  const std::string typed = "Abc 你好";
  for (const auto& control : ExpectedControls())
    if (control.kind == ControlKind::Edit) {
      ASSERT_NO_FATAL_FAILURE(SetText(control.id, typed));
    }
  MoveMouseTo({0, 0});
  for (const auto& control : ExpectedControls()) {
    const bool edit = control.kind == ControlKind::Edit;
    if (!edit && control.kind != ControlKind::Button) continue;
    SCOPED_TRACE(control.name);
    // The driver's own drawing of the text in the default GUI font must
    // appear, pixel for pixel, inside the control.
    const Image ink = edit ? DefaultFontInk(typed, GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_WINDOW))
                           : DefaultFontInk(control.text, GetSysColor(COLOR_BTNTEXT), GetSysColor(COLOR_BTNFACE));
    ASSERT_FALSE(ink.pixels.empty());
    RECT area{};
    GetWindowRect(Control(control.id), &area);
    EXPECT_TRUE(WaitUntil([&] { return Contains(CaptureScreen(area), ink); }, kActionTimeout))
        << "the text is not drawn in the default GUI font";
  }
}

TEST_F(WindowTest, FaceColourBackgroundAndIconInThePictureBox) {
  ASSERT_NO_FATAL_FAILURE(Start());
  MoveMouseTo({0, 0});
  RECT client{};
  GetClientRect(main_, &client);
  POINT origin{0, 0};
  ClientToScreen(main_, &origin);
  const std::uint32_t face = PixelOf(GetSysColor(COLOR_3DFACE));
  const RECT box = Expected(kId图片框1).rect;
  const auto pictures = ProgramIconPictures(ProgramPath(), {box.right - box.left, box.bottom - box.top});
  ASSERT_FALSE(pictures.empty()) << "no icon in linkconv.exe";

  Image shot;
  EXPECT_TRUE(WaitUntil(
      [&] {
        shot = CaptureScreen({origin.x, origin.y, origin.x + client.right, origin.y + client.bottom});
        return ShowsOneOf(shot, pictures, {box.left - 1, box.top - 1, box.left + 1, box.top + 1});
      },
      kActionTimeout))
      << "the picture box does not show the program icon scaled to its size";
  // Points of the client area that no control and no caption covers.
  const POINT free_points[] = {{10, 10}, {400, 190}, {340, 175}, {50, 5}, {520, 10}};
  for (const POINT& point : free_points) {
    SCOPED_TRACE("client point (" + std::to_string(point.x) + "," + std::to_string(point.y) + ")");
    EXPECT_EQ(shot.At(point.x, point.y), face);
  }
}

}  // namespace
}  // namespace e2e
