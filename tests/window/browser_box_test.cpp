// The browser box in a window of the test's own, with the system's
// WebBrowser control: where the box sits, that the browser fills it, and
// that every address set into it reaches the program registered for the
// address's URL protocol exactly as given (converted from GBK to UTF-16).
// A protocol of the tests' own starts command_line_recorder.exe, which
// writes down the command line it got.
#include "window/browser_box.h"

#include <windows.h>
#include <exdisp.h>
#include <ole2.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fixtures/record_file.h"
#include "wait.h"
#include "window/control_ids.h"

namespace {

using std::chrono::milliseconds;

constexpr wchar_t kScheme[] = L"linkconvboxtest";
constexpr char kSchemeAnsi[] = "linkconvboxtest";
constexpr char kParentClass[] = "LinkconvBrowserBoxTestParent";
// Starting a process under Wine on two shared cores can take seconds.
constexpr milliseconds kHandOffTimeout{20000};

std::wstring ExeFolder() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, length);
  return folder.substr(0, folder.find_last_of(L'\\'));
}

std::wstring RecorderPath() { return ExeFolder() + L"\\command_line_recorder.exe"; }
std::wstring RecordPath() { return ExeFolder() + L"\\command_line_recorder.rec"; }

// The command line the registered program is expected to get for `url`.
std::wstring HandlerCommandLine(const std::wstring& url) {
  return L"\"" + RecorderPath() + L"\" \"" + url + L"\"";
}

// The command lines the recorder wrote down, one record per start.
std::vector<std::wstring> ReadCommandLines() {
  std::vector<std::wstring> lines;
  for (const Record& record : ReadRecords(RecordPath().c_str())) lines.push_back(record.text);
  return lines;
}

// The records once there are at least `count`, or what there was when the
// time ran out.
std::vector<std::wstring> WaitForCommandLines(size_t count) {
  std::vector<std::wstring> lines;
  e2e::WaitUntil(
      [&] {
        lines = ReadCommandLines();
        return lines.size() >= count;
      },
      kHandOffTimeout);
  return lines;
}

std::string Utf8(const std::wstring& text) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                    nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n,
                      nullptr, nullptr);
  return out;
}

std::string Describe(const std::vector<std::wstring>& lines) {
  std::string out = "records:";
  for (const auto& line : lines) out += "\n  [" + Utf8(line) + "]";
  return out;
}

bool SetString(HKEY key, const wchar_t* name, const std::wstring& value) {
  return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                        static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

// Registers the tests' protocol the way download managers register theirs.
bool RegisterTestProtocol() {
  HKEY scheme = nullptr, command = nullptr;
  if (RegCreateKeyExW(HKEY_CLASSES_ROOT, kScheme, 0, nullptr, 0, KEY_WRITE, nullptr, &scheme,
                      nullptr) != ERROR_SUCCESS) {
    return false;
  }
  bool ok = SetString(scheme, L"URL Protocol", L"") &&
            RegCreateKeyExW(scheme, L"shell\\open\\command", 0, nullptr, 0, KEY_WRITE, nullptr,
                            &command, nullptr) == ERROR_SUCCESS;
  if (command) {
    ok = ok && SetString(command, nullptr, L"\"" + RecorderPath() + L"\" \"%1\"");
    RegCloseKey(command);
  }
  RegCloseKey(scheme);
  return ok;
}

RECT ChildRectInParent(HWND child) {
  RECT r{};
  GetWindowRect(child, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

std::string Describe(const RECT& r) {
  return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" +
         std::to_string(r.right) + "," + std::to_string(r.bottom) + ")";
}

class BrowserBoxTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ole_ready_ = SUCCEEDED(OleInitialize(nullptr));
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = kParentClass;
    RegisterClassA(&wc);
    protocol_ready_ = RegisterTestProtocol();
  }

  static void TearDownTestSuite() {
    RegDeleteTreeW(HKEY_CLASSES_ROOT, kScheme);
    if (ole_ready_) OleUninitialize();
  }

  void SetUp() override {
    ASSERT_TRUE(ole_ready_) << "OleInitialize failed";
    ASSERT_TRUE(protocol_ready_) << "could not register the test protocol";
    ASSERT_EQ(GetACP(), 936u) << "run under a zh_CN locale (LC_ALL=zh_CN.UTF-8 with Wine)";
    ASSERT_TRUE(DeleteFileW(RecordPath().c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND);
    parent_ = CreateWindowExA(WS_EX_CONTROLPARENT, kParentClass, "browser box test",
                              WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 20, 20, 640, 480, nullptr,
                              nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(parent_, nullptr);
    ShowWindow(parent_, SW_SHOW);
    UpdateWindow(parent_);
  }

  void TearDown() override {
    if (parent_) DestroyWindow(parent_);
    e2e::PumpOwnMessagesFor(0);
    DeleteFileW(RecordPath().c_str());
  }

  HWND CreateBox(int id, int x, int y, int width, int height,
                 const BrowserBoxSettings& settings = {}) {
    return CreateBrowserBox(parent_, id, x, y, width, height, settings);
  }

  // The colour at (x, y) of the test window's client area once the window
  // is in front and fully redrawn.
  COLORREF ShownPixel(int x, int y) {
    SetWindowPos(parent_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    RedrawWindow(parent_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    e2e::PumpOwnMessagesFor(200);
    HDC dc = GetDC(parent_);
    if (!dc) return CLR_INVALID;
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(parent_, dc);
    return colour;
  }

  static inline bool ole_ready_ = false;
  static inline bool protocol_ready_ = false;
  HWND parent_ = nullptr;
};

TEST_F(BrowserBoxTest, IsAVisibleTabStopChildAtTheGivenPlaceWithTheGivenId) {
  const struct {
    const char* name;
    int id, x, y, width, height;
  } cases[] = {
      {"the main window's box", kId超文本浏览框1, 488, 200, 24, 16},
      {"a large box", 2001, 0, 0, 400, 300},
      {"a one-pixel box", 2002, 10, 20, 1, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    HWND box = CreateBox(c.id, c.x, c.y, c.width, c.height);
    ASSERT_NE(box, nullptr);
    char class_name[64] = {};
    GetClassNameA(box, class_name, sizeof class_name);
    EXPECT_STREQ(class_name, LINKCONV_BROWSER_CLASS);
    EXPECT_EQ(GetParent(box), parent_);
    EXPECT_EQ(GetDlgCtrlID(box), c.id);
    const LONG style = GetWindowLongA(box, GWL_STYLE);
    EXPECT_EQ(style & (WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_POPUP),
              WS_CHILD | WS_VISIBLE | WS_TABSTOP);
    const RECT place = ChildRectInParent(box);
    EXPECT_EQ(Describe(place), Describe(RECT{c.x, c.y, c.x + c.width, c.y + c.height}));
  }
}

TEST_F(BrowserBoxTest, ShowsWhiteOnTheWindowsFace) {
  HWND box = CreateBox(kId超文本浏览框1, 100, 100, 200, 120);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(ShownPixel(200, 160), RGB(255, 255, 255));
  EXPECT_EQ(ShownPixel(50, 50), GetSysColor(COLOR_BTNFACE));
}

TEST_F(BrowserBoxTest, BrowserFillsTheBoxAndFollowsItsSize) {
  HWND box = CreateBox(kId超文本浏览框1, 5, 5, 400, 300);
  ASSERT_NE(box, nullptr);
  const SIZE sizes[] = {{400, 300}, {24, 16}, {150, 420}, {600, 40}};
  for (const SIZE& size : sizes) {
    SCOPED_TRACE(std::to_string(size.cx) + " x " + std::to_string(size.cy));
    ASSERT_TRUE(SetWindowPos(box, nullptr, 5, 5, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE));
    e2e::PumpOwnMessagesFor(0);
    HWND browser = GetWindow(box, GW_CHILD);
    ASSERT_NE(browser, nullptr) << "the box holds no browser window";
    for (; browser; browser = GetWindow(browser, GW_HWNDNEXT)) {
      EXPECT_EQ(Describe(ChildRectInParent(browser)), Describe(RECT{0, 0, size.cx, size.cy}));
    }
  }
}

TEST_F(BrowserBoxTest, EveryAddressSetReachesTheRegisteredProgramUnchanged) {
  HWND box = CreateBox(kId超文本浏览框1, 10, 10, 300, 200);
  ASSERT_NE(box, nullptr);
  const std::string scheme = kSchemeAnsi;
  const std::wstring wide_scheme = kScheme;
  const struct {
    const char* name;
    Text address;        // as the window holds it, in GBK
    std::wstring url;    // what the registered program must get; empty: nothing
  } cases[] = {
      {"a link", scheme + "://QUFhYmNaWg==", wide_scheme + L"://QUFhYmNaWg=="},
      {"the same link again", scheme + "://QUFhYmNaWg==", wide_scheme + L"://QUFhYmNaWg=="},
      {"trailing slash", scheme + "://host/dir/", wide_scheme + L"://host/dir/"},
      {"GBK characters", scheme + "://\xD6\xD0\xCE\xC4/\xCE\xC4\xBC\xFE.rar",
       wide_scheme + L"://\u4E2D\u6587/\u6587\u4EF6.rar"},
      {"empty address", "", L""},
      {"space, percent, query and fragment", scheme + "://a b%20c?x=1&y=2#top",
       wide_scheme + L"://a b%20c?x=1&y=2#top"},
      {"no slashes", scheme + ":opaque", wide_scheme + L":opaque"},
  };
  std::vector<std::wstring> expected;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SetBrowserAddress(box, c.address);
    if (c.url.empty()) continue;
    expected.push_back(HandlerCommandLine(c.url));
    const auto lines = WaitForCommandLines(expected.size());
    ASSERT_EQ(lines, expected) << Describe(lines);
  }
}

TEST_F(BrowserBoxTest, AddressGivenAtCreationIsNavigatedToWhateverTheOtherSettings) {
  const struct {
    const char* name;
    int text_size;
    bool offline, silent;
  } cases[] = {
      {"the main window's settings", 1, false, false},
      {"offline and silent, smallest text", 0, true, true},
      {"largest text", 4, false, true},
      {"text size out of range", 9, true, false},
  };
  std::vector<std::wstring> expected;
  int id = 2100;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    BrowserBoxSettings settings;
    settings.字体大小 = c.text_size;
    settings.离线浏览 = c.offline;
    settings.静默 = c.silent;
    settings.地址 = std::string(kSchemeAnsi) + "://at-creation/" + std::to_string(id);
    ASSERT_NE(CreateBox(id, 0, 0, 100, 80, settings), nullptr);
    expected.push_back(HandlerCommandLine(kScheme + (L"://at-creation/" + std::to_wstring(id))));
    const auto lines = WaitForCommandLines(expected.size());
    ASSERT_EQ(lines, expected) << Describe(lines);
    ++id;
  }
}

TEST_F(BrowserBoxTest, WindowsThatAreNoBoxAreLeftAlone) {
  // A window with something else in its user data, a box already gone,
  // and no window at all: nothing to navigate, nothing to read as a box.
  HWND other = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, parent_,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(other, nullptr);
  SetWindowLongPtrA(other, GWLP_USERDATA, 0x10);
  HWND gone = CreateBox(2200, 0, 0, 50, 50);
  ASSERT_NE(gone, nullptr);
  DestroyWindow(gone);
  const Text url = std::string(kSchemeAnsi) + "://not-a-box";
  for (HWND window : {other, gone, HWND{}}) {
    SetBrowserAddress(window, url);
    MSG key{window, WM_KEYDOWN, 'A', 0, 0, {}};
    EXPECT_FALSE(BrowserBoxTranslateKey(window, key));
  }
  // A real box afterwards: its address is the only one that arrives.
  HWND box = CreateBox(2201, 0, 0, 50, 50);
  ASSERT_NE(box, nullptr);
  SetBrowserAddress(box, std::string(kSchemeAnsi) + "://a-box");
  const auto lines = WaitForCommandLines(1);
  EXPECT_EQ(lines, std::vector<std::wstring>{HandlerCommandLine(std::wstring(kScheme) + L"://a-box")})
      << Describe(lines);
}

// Stands in for the WebBrowser's class object where the control cannot be
// had: every request for one fails, as on a system without it.
class RefusingFactory final : public IClassFactory {
 public:
  STDMETHODIMP QueryInterface(REFIID riid, void** object) override {
    if (riid == IID_IUnknown || riid == IID_IClassFactory) {
      *object = static_cast<IClassFactory*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  // Lives on the test's stack, beyond every reference COM keeps.
  STDMETHODIMP_(ULONG) AddRef() override { return 2; }
  STDMETHODIMP_(ULONG) Release() override { return 1; }
  STDMETHODIMP CreateInstance(IUnknown*, REFIID, void** object) override {
    ++requests;
    *object = nullptr;
    return REGDB_E_CLASSNOTREG;
  }
  STDMETHODIMP LockServer(BOOL) override { return S_OK; }

  int requests = 0;
};

// Where the browser cannot be had, the box is still there, white, a tab
// stop, and takes addresses without a word.
TEST_F(BrowserBoxTest, WithoutTheBrowserTheBoxIsAnEmptyWhiteWindowThatTakesAddresses) {
  RefusingFactory factory;
  DWORD cookie = 0;
  ASSERT_EQ(CoRegisterClassObject(CLSID_WebBrowser, &factory, CLSCTX_INPROC_SERVER,
                                  REGCLS_MULTIPLEUSE, &cookie),
            S_OK);
  HWND box = CreateBox(kId超文本浏览框1, 100, 100, 200, 120);
  CoRevokeClassObject(cookie);
  ASSERT_GT(factory.requests, 0) << "the box did not ask for the browser through COM";
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(GetWindow(box, GW_CHILD), nullptr) << "a browser started after all";
  EXPECT_EQ(GetWindowLongA(box, GWL_STYLE) & (WS_CHILD | WS_VISIBLE | WS_TABSTOP),
            WS_CHILD | WS_VISIBLE | WS_TABSTOP);
  for (const Text& address : {Text(kSchemeAnsi) + "://no-browser", Text(), Text("\xD6\xD0")}) {
    SetBrowserAddress(box, address);
  }
  SetFocus(box);
  MSG key{box, WM_KEYDOWN, VK_TAB, 0, 0, {}};
  EXPECT_FALSE(BrowserBoxTranslateKey(box, key));

  EXPECT_EQ(ShownPixel(200, 160), RGB(255, 255, 255));

  // A box with a browser afterwards is the only one whose address arrives.
  HWND working = CreateBox(2300, 0, 0, 50, 50);
  ASSERT_NE(working, nullptr);
  SetBrowserAddress(working, Text(kSchemeAnsi) + "://with-browser");
  const auto lines = WaitForCommandLines(1);
  EXPECT_EQ(lines,
            std::vector<std::wstring>{HandlerCommandLine(std::wstring(kScheme) + L"://with-browser")})
      << Describe(lines);
}

TEST_F(BrowserBoxTest, FocusGivenToTheBoxStaysInsideIt) {
  HWND edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 80, 20,
                              parent_, nullptr, GetModuleHandleA(nullptr), nullptr);
  HWND box = CreateBox(kId超文本浏览框1, 100, 0, 200, 100);
  ASSERT_NE(edit, nullptr);
  ASSERT_NE(box, nullptr);
  SetForegroundWindow(parent_);
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    SetFocus(edit);
    ASSERT_EQ(GetFocus(), edit);
    SetFocus(box);
    e2e::PumpOwnMessagesFor(0);
    HWND focus = GetFocus();
    EXPECT_TRUE(focus == box || IsChild(box, focus));
  }
}

}  // namespace
