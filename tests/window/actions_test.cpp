#include "window/actions.h"

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "codec/event_pump.h"
#include "codec/link_forms.h"

namespace {

using Log = std::vector<std::string>;

// A clipboard that another program may hold, or that may refuse or alter
// what it is given.
class FakeClipboard : public TextClipboard {
 public:
  explicit FakeClipboard(Log& log) : log_(log) {}

  bool held_elsewhere = false;
  bool refuses_block = false;
  std::function<Text(const Text&)> alter;  // changes the text on its way in
  std::optional<Text> content;             // CF_TEXT held, if any

  bool ClearClipboard() override {
    log_.push_back("clear");
    if (held_elsewhere) return false;
    content.reset();
    return true;
  }
  bool SetClipboardText(const Text& text) override {
    log_.push_back("set " + text);
    if (held_elsewhere) return false;
    content.reset();
    if (refuses_block) return false;
    content = alter ? alter(text) : text;
    return true;
  }
  Text GetClipboardText() override {
    log_.push_back("get");
    if (held_elsewhere || !content) return Text();
    return *content;
  }

 private:
  Log& log_;
};

class FakeWindow : public ActionContext {
 public:
  FakeWindow() : clipboard(log) {}

  Log log;
  FakeClipboard clipboard;
  std::map<int, Text> texts;
  bool destroyed = false;

  Text ReadText(ControlId id) override {
    EXPECT_FALSE(destroyed) << "read of control " << id << " after the window was destroyed";
    log.push_back("read " + std::to_string(id));
    return texts[id];
  }
  void WriteText(ControlId id, const Text& text) override {
    EXPECT_FALSE(destroyed) << "write to control " << id << " after the window was destroyed";
    log.push_back("write " + std::to_string(id));
    texts[id] = text;
  }
  bool WindowDestroyed() const override { return destroyed; }
  void NavigateBrowser(const Text& address) override { log.push_back("navigate " + address); }
  void OpenDownloadDialog(const Text& address) override { log.push_back("dialog " + address); }
  TextClipboard& Clipboard() override { return clipboard; }
};

std::string Id(ControlId id) { return std::to_string(id); }

// Runs hook() from inside the codec's event pump while a test runs.
std::function<void()> g_pump_hook;
void CallPumpHook() {
  if (g_pump_hook) g_pump_hook();
}
class WithEventPump : public testing::Test {
 protected:
  void SetUp() override { SetEventPump(CallPumpHook); }
  void TearDown() override {
    SetEventPump(nullptr);
    g_pump_hook = nullptr;
  }
};

const char kInitialStatus[] = "您复制了###下载地址。";

// --- Convert ---------------------------------------------------------------

struct Four {
  Text thunder, qq, flashget, real;
};

TEST(ConvertAction, FillsTheFourRowsFromTheInput) {
  const Four abc = {"thunder://QUFhYmNaWg==", "qqdl://YWJj",
                    "flashget://W0ZMQVNIR0VUXWFiY1tGTEFTSEdFVF0=", "abc"};
  const Four empty = {"thunder://QUFaWg==", "qqdl://", "flashget://W0ZMQVNIR0VUXVtGTEFTSEdFVF0=",
                      ""};
  struct Case {
    Text input;
    Four want;
  };
  const Case cases[] = {
      {"thunder://QUFhYmNaWg==", abc},
      {"abc", abc},
      {"qqdl://YWJj", abc},
      {"flashget://W0ZMQVNIR0VUXWFiY1tGTEFTSEdFVF0=", abc},
      {"", empty},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("input '" + c.input + "'");
    FakeWindow w;
    w.texts[kId编辑框1] = c.input;
    w.texts[kId透明标签5] = kInitialStatus;
    w.texts[kId真实] = "old";
    ASSERT_TRUE(RunButtonAction(w, kId按钮1));
    EXPECT_EQ(w.texts[kId迅雷], c.want.thunder);
    EXPECT_EQ(w.texts[kId旋风], c.want.qq);
    EXPECT_EQ(w.texts[kId快车], c.want.flashget);
    EXPECT_EQ(w.texts[kId真实], c.want.real);
    EXPECT_EQ(w.texts[kId编辑框1], c.input);
    EXPECT_EQ(w.texts[kId透明标签5], kInitialStatus);
    // The input is read anew for each form; Thunder, QQ, FlashGet, real.
    const Log want = {"read " + Id(kId编辑框1), "write " + Id(kId迅雷),
                      "read " + Id(kId编辑框1), "write " + Id(kId旋风),
                      "read " + Id(kId编辑框1), "write " + Id(kId快车),
                      "read " + Id(kId编辑框1), "write " + Id(kId真实)};
    EXPECT_EQ(w.log, want);
    EXPECT_TRUE(w.clipboard.content == std::nullopt);
  }
}

using ConvertWhileDispatching = WithEventPump;

TEST_F(ConvertWhileDispatching, LaterFormsUseTheInputAsChangedMeanwhile) {
  FakeWindow w;
  w.texts[kId编辑框1] = "thunder://QUFhYmNaWg==";
  // The user replaces the input while the first form is being decoded.
  g_pump_hook = [&] { w.texts[kId编辑框1] = "qqdl://eHl6"; };
  Convert(w);
  EXPECT_EQ(w.texts[kId迅雷], ConvertLink("abc", link_form::Thunder));
  EXPECT_EQ(w.texts[kId旋风], ConvertLink("xyz", link_form::Qq));
  EXPECT_EQ(w.texts[kId快车], ConvertLink("xyz", link_form::FlashGet));
  EXPECT_EQ(w.texts[kId真实], "xyz");
}

TEST_F(ConvertWhileDispatching, StopsWithoutTouchingTheWindowOnceItIsDestroyed) {
  const ControlId rows_in_order[] = {kId迅雷, kId旋风, kId快车, kId真实};
  for (int written_before_close = 0; written_before_close < 4; ++written_before_close) {
    SCOPED_TRACE("closed after " + std::to_string(written_before_close) + " rows were written");
    FakeWindow w;
    w.texts[kId编辑框1] = "thunder://QUFhYmNaWg==";
    int writes = 0;
    g_pump_hook = [&] {
      writes = 0;
      for (const std::string& entry : w.log) writes += entry.rfind("write ", 0) == 0;
      if (writes == written_before_close) w.destroyed = true;
    };
    Convert(w);  // the fake fails the test on any access after destruction
    EXPECT_TRUE(w.destroyed);
    for (int i = 0; i < 4; ++i)
      EXPECT_EQ(w.texts.count(rows_in_order[i]), i < written_before_close ? 1u : 0u) << i;
  }
}

TEST_F(ConvertWhileDispatching, ANestedConvertIsOverwrittenByTheOuterOne) {
  FakeWindow w;
  w.texts[kId编辑框1] = "thunder://QUFhYmNaWg==";
  bool nested = false;
  g_pump_hook = [&] {
    if (nested) return;
    nested = true;
    // A second click, with another input, runs inside the first Convert.
    w.texts[kId编辑框1] = "qqdl://eHl6";
    Convert(w);
    w.texts[kId编辑框1] = "thunder://QUFhYmNaWg==";
  };
  Convert(w);
  // The outer Convert's first form had read 'abc' before the nested run.
  EXPECT_EQ(w.texts[kId迅雷], ConvertLink("abc", link_form::Thunder));
  EXPECT_EQ(w.texts[kId旋风], ConvertLink("abc", link_form::Qq));
  EXPECT_EQ(w.texts[kId快车], ConvertLink("abc", link_form::FlashGet));
  EXPECT_EQ(w.texts[kId真实], "abc");
}

// --- Copy --------------------------------------------------------------------

struct CopyRowCase {
  ControlId button, box;
  bool clears_first;
  const char* success;
};
const CopyRowCase kCopyRows[] = {
    {kId迅雷f, kId迅雷, true, "您复制了迅雷下载地址。"},
    {kId快车f, kId快车, false, "您复制了快车下载地址。"},
    {kId旋风f, kId旋风, true, "您复制了旋风下载地址。"},
    {kId真实f, kId真实, true, "您复制了真实下载地址。"},
};

TEST(CopyAction, EachRowCopiesItsBoxAndReportsItsOwnMessage) {
  for (const CopyRowCase& row : kCopyRows) {
    SCOPED_TRACE(row.success);
    FakeWindow w;
    w.texts[row.box] = "thunder://QUFhYmNaWg==";
    w.texts[kId透明标签5] = kInitialStatus;
    w.clipboard.content = "before";
    ASSERT_TRUE(RunButtonAction(w, row.button));
    EXPECT_EQ(w.texts[kId透明标签5], row.success);
    EXPECT_TRUE(w.clipboard.content == Text("thunder://QUFhYmNaWg=="));
    Log want = {"read " + Id(row.box), "set thunder://QUFhYmNaWg==", "get", "read " + Id(row.box),
                "write " + Id(kId透明标签5)};
    if (row.clears_first) want.insert(want.begin(), "clear");
    EXPECT_EQ(w.log, want);
  }
}

TEST(CopyAction, OnlyTheReadBackAgainstTheBoxDecides) {
  struct Case {
    const char* name;
    Text row_text;
    bool held_elsewhere, refuses_block;
    std::function<Text(const Text&)> alter;
    bool success;
    std::optional<Text> clipboard_after;
  };
  const auto upper = [](const Text& t) {
    Text u = t;
    for (char& ch : u) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    return u;
  };
  const Text gbk = "http://例子.com/文件.zip";
  const Case cases[] = {
      {"every step succeeds", "abc", false, false, nullptr, true, Text("abc")},
      {"double-byte text goes through unchanged", gbk, false, false, nullptr, true, gbk},
      {"empty row: an empty text on the clipboard", "", false, false, nullptr, true, Text("")},
      {"clipboard held elsewhere", "abc", true, false, nullptr, false, Text("before")},
      {"held elsewhere, empty row", "", true, false, nullptr, true, Text("before")},
      {"block refused", "abc", false, true, nullptr, false, std::nullopt},
      {"block refused, empty row", "", false, true, nullptr, true, std::nullopt},
      {"read-back differs in case only", "abc", false, false, upper, false, Text("ABC")},
  };
  for (const CopyRowCase& row : {kCopyRows[0], kCopyRows[1]}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(row.success) + " / " + c.name);
      FakeWindow w;
      w.texts[row.box] = c.row_text;
      w.clipboard.content = "before";
      w.clipboard.held_elsewhere = c.held_elsewhere;
      w.clipboard.refuses_block = c.refuses_block;
      w.clipboard.alter = c.alter;
      RunButtonAction(w, row.button);
      EXPECT_EQ(w.texts[kId透明标签5], c.success ? row.success : "复制失败。");
      EXPECT_TRUE(w.clipboard.content == c.clipboard_after);
      EXPECT_EQ(w.texts[row.box], c.row_text);
    }
  }
}

TEST(CopyAction, ComparesWithTheBoxAsItIsAfterTheReadBack) {
  // Another program puts the row's later text on the clipboard: the
  // read-back matches the box as read the second time.
  FakeWindow w;
  w.texts[kId真实] = "first";
  w.clipboard.alter = [&](const Text&) {
    w.texts[kId真实] = "second";
    return Text("second");
  };
  RunButtonAction(w, kId真实f);
  EXPECT_EQ(w.texts[kId透明标签5], "您复制了真实下载地址。");
}

// --- Download ------------------------------------------------------------------

TEST(DownloadAction, ProtocolRowsGoToTheBrowserAndTheRealRowToTheDialog) {
  struct Case {
    ControlId button, box;
    const char* hand_off;
  };
  const Case cases[] = {
      {kId迅雷x, kId迅雷, "navigate "},
      {kId快车x, kId快车, "navigate "},
      {kId旋风x, kId旋风, "navigate "},
      {kId真实x, kId真实, "dialog "},
  };
  for (const Case& c : cases) {
    for (const Text text : {"thunder://QUFhYmNaWg==", "http://例子.com/", ""}) {
      SCOPED_TRACE("button " + Id(c.button) + " text '" + text + "'");
      FakeWindow w;
      for (ControlId box : {kId迅雷, kId快车, kId旋风, kId真实}) w.texts[box] = "other row";
      w.texts[c.box] = text;
      w.texts[kId透明标签5] = kInitialStatus;
      w.clipboard.content = "before";
      ASSERT_TRUE(RunButtonAction(w, c.button));
      // Twice: every click hands the link on again.
      ASSERT_TRUE(RunButtonAction(w, c.button));
      const Log once = {"read " + Id(c.box), c.hand_off + text};
      Log want = once;
      want.insert(want.end(), once.begin(), once.end());
      EXPECT_EQ(w.log, want);
      EXPECT_EQ(w.texts[kId透明标签5], kInitialStatus);
      EXPECT_TRUE(w.clipboard.content == Text("before"));
    }
  }
}

TEST(ButtonActions, OnlyTheNineButtonsStartAnything) {
  for (int id : {0, int{kId编辑框1}, int{kId迅雷}, int{kId真实}, int{kId超文本浏览框1},
                 int{kId透明标签5}, int{kId图片框1}, 1, 2, 9999}) {
    SCOPED_TRACE(id);
    FakeWindow w;
    EXPECT_FALSE(RunButtonAction(w, id));
    EXPECT_TRUE(w.log.empty());
  }
}

}  // namespace
