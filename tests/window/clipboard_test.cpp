// The system clipboard itself: these tests take it over while they run.
#include "window/clipboard.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <thread>

#include "window/dll_calls.h"

namespace {

// A hidden window of our own, so that an opening holds the clipboard
// against everyone else.
class OwnWindow {
 public:
  OwnWindow()
      : hwnd_(CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr,
                              nullptr)) {}
  ~OwnWindow() { DestroyWindow(hwnd_); }
  HWND get() const { return hwnd_; }

 private:
  HWND hwnd_;
};

// Puts raw bytes on the clipboard as `format`, exactly as given (no NUL
// is added).
void PutRaw(UINT format, const std::string& bytes) {
  OwnWindow owner;
  ASSERT_TRUE(OpenClipboard(owner.get()));
  EmptyClipboard();
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  ASSERT_NE(block, nullptr);
  std::memcpy(GlobalLock(block), bytes.data(), bytes.size());
  GlobalUnlock(block);
  EXPECT_NE(SetClipboardData(format, block), nullptr);
  CloseClipboard();
}

// The CF_TEXT block's bytes up to its NUL; "<none>" without one.
std::string ReadRaw() {
  OwnWindow owner;
  if (!OpenClipboard(owner.get())) return "<cannot open>";
  std::string text = "<none>";
  if (HANDLE block = GetClipboardData(CF_TEXT)) {
    const char* bytes = static_cast<const char*>(GlobalLock(block));
    const SIZE_T size = GlobalSize(block);
    const void* nul = std::memchr(bytes, 0, size);
    text = nul ? std::string(bytes, static_cast<const char*>(nul) - bytes) : "<no NUL>";
    GlobalUnlock(block);
  }
  CloseClipboard();
  return text;
}

// Another program: a thread with its own window holds the clipboard open
// for the holder's lifetime.
class ClipboardHolder {
 public:
  ClipboardHolder() {
    thread_ = std::thread([this] {
      OwnWindow window;
      opened_ = OpenClipboard(window.get()) != FALSE;
      SetEvent(ready_);
      WaitForSingleObject(release_, 30000);
      if (opened_) CloseClipboard();
    });
    WaitForSingleObject(ready_, 30000);
  }
  ~ClipboardHolder() {
    SetEvent(release_);
    thread_.join();
    CloseHandle(ready_);
    CloseHandle(release_);
  }
  bool opened() const { return opened_; }

 private:
  HANDLE ready_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  HANDLE release_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  bool opened_ = false;
  std::thread thread_;
};

class SystemClipboard : public testing::Test {
 protected:
  void TearDown() override { ReleaseCalledLibraries(); }
  剪辑板类 clipboard_;
};

TEST_F(SystemClipboard, TextGoesOnAndComesBackByteForByte) {
  struct Case {
    const char* name;
    Text text;
  };
  const Case cases[] = {
      {"ascii", "thunder://QUFhYmNaWg=="},
      {"empty text", ""},
      {"double-byte characters", "http://例子.com/下载/文件.zip"},
      {"bytes beyond ascii", "\x81\x40\xfe\xfe\x7f\x01"},
      {"long", Text(300000, 'q') + "end"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PutRaw(CF_TEXT, std::string("previous", 9));
    ASSERT_TRUE(clipboard_.SetClipboardText(c.text));
    EXPECT_EQ(ReadRaw(), c.text);
    EXPECT_EQ(clipboard_.GetClipboardText(), c.text);
  }
}

TEST_F(SystemClipboard, ClearEmptiesIt) {
  PutRaw(CF_TEXT, std::string("abc", 4));
  ASSERT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
  EXPECT_TRUE(clipboard_.ClearClipboard());
  EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
  EXPECT_EQ(clipboard_.GetClipboardText(), "");
}

TEST_F(SystemClipboard, HeldByAnotherProgramNothingChanges) {
  PutRaw(CF_TEXT, std::string("before", 7));
  {
    ClipboardHolder holder;
    ASSERT_TRUE(holder.opened());
    EXPECT_FALSE(clipboard_.ClearClipboard());
    EXPECT_FALSE(clipboard_.SetClipboardText("new text"));
    EXPECT_EQ(clipboard_.GetClipboardText(), "");
  }
  EXPECT_EQ(ReadRaw(), "before");
  EXPECT_EQ(clipboard_.GetClipboardText(), "before");
}

TEST_F(SystemClipboard, NoTextOnTheClipboardReadsAsEmpty) {
  const UINT other = RegisterClipboardFormatA("linkconv test: not text");
  PutRaw(other, "some bytes");
  ASSERT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
  EXPECT_EQ(clipboard_.GetClipboardText(), "");
}

TEST_F(SystemClipboard, ABlockWithoutItsNulIsReadOnlyToItsEnd) {
  // Eight letters and no terminating NUL. Whatever comes back must lie
  // within the block (Wine cuts such a block's last byte itself).
  PutRaw(CF_TEXT, "ABCDEFGH");
  const Text got = clipboard_.GetClipboardText();
  EXPECT_LE(got.size(), 8u);
  EXPECT_EQ(got, Text("ABCDEFGH").substr(0, got.size()));
  EXPECT_GE(got.size(), 7u);
}

}  // namespace
