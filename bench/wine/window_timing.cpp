#include "bench/wine/window_timing.h"

#include "window/control_ids.h"

namespace bench {
namespace {

constexpr DWORD kStartTimeoutMs = 60000;
constexpr DWORD kMessageTimeoutMs = 60000;  // one text message, 1 MiB of text included
constexpr double kConvertTimeoutMs = 300000;
constexpr DWORD kExitTimeoutMs = 20000;

struct Row {
  ControlId box;
  const char* name;
  Text ConvertResults::*expected;
};
// The order the window writes its rows in.
const Row kRows[4] = {{kId迅雷, "thunder", &ConvertResults::thunder},
                      {kId旋风, "qqdl", &ConvertResults::qq},
                      {kId快车, "flashget", &ConvertResults::flashget},
                      {kId真实, "real", &ConvertResults::real}};

// The text messages wait for the other process, never for ever.
LRESULT Send(HWND window, UINT message, WPARAM wparam, LPARAM lparam, const char* what) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(window, message, wparam, lparam, SMTO_NORMAL, kMessageTimeoutMs, &result))
    throw Failure(std::string("the window did not answer ") + what);
  return static_cast<LRESULT>(result);
}

std::size_t LengthOf(HWND box) {
  return static_cast<std::size_t>(Send(box, WM_GETTEXTLENGTH, 0, 0, "WM_GETTEXTLENGTH"));
}

// The characters in a one-line edit box. Unlike WM_GETTEXTLENGTH to a
// window of the ANSI code page, it does not convert the whole text to
// count it, so polling with it does not slow the window down.
std::size_t CharactersIn(HWND box) {
  return static_cast<std::size_t>(Send(box, EM_LINELENGTH, 0, 0, "EM_LINELENGTH"));
}

Text TextOf(HWND box) {
  std::string buffer(LengthOf(box) + 1, '\0');
  const auto n = Send(box, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()), "WM_GETTEXT");
  buffer.resize(static_cast<std::size_t>(n));
  return buffer;
}

BOOL CALLBACK NoteUnpainted(HWND window, LPARAM any_param) {
  if (!GetUpdateRect(window, nullptr, FALSE)) return TRUE;
  *reinterpret_cast<bool*>(any_param) = true;
  return FALSE;
}

// Waits until the window and its controls have painted what they had to
// paint, so that a paint left over from before is not timed with what
// comes next. A control holding a long text paints slowly.
void WaitUntilPainted(HWND main) {
  const double deadline = NowMs() + kMessageTimeoutMs;
  for (;;) {
    bool unpainted = GetUpdateRect(main, nullptr, FALSE) != 0;
    if (!unpainted) EnumChildWindows(main, NoteUnpainted, reinterpret_cast<LPARAM>(&unpainted));
    if (!unpainted) break;
    if (NowMs() > deadline) throw Failure("the window did not paint in time");
    Sleep(2);
  }
  // A paint takes its region at its start: this message is answered only
  // once the paint under way (if any) has ended.
  Send(main, WM_NULL, 0, 0, "WM_NULL");
}

void SetText(HWND box, const Text& text, const char* name) {
  Send(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), "WM_SETTEXT");
  if (LengthOf(box) != text.size())
    throw Failure(std::string("the ") + name + " box does not hold the text just set");
}

// One run of linkconv.exe; closed (or, failing that, ended) when done.
class WindowProgram {
 public:
  explicit WindowProgram(const std::string& program) {
    std::string command_line = "\"" + program + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(program.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info))
      throw Failure("cannot start " + program + ": error " + std::to_string(GetLastError()));
    process_ = info.hProcess;
    thread_ = info.hThread;
    id_ = info.dwProcessId;
  }
  WindowProgram(const WindowProgram&) = delete;
  WindowProgram& operator=(const WindowProgram&) = delete;

  ~WindowProgram() {
    if (main_) PostMessageA(main_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_, kExitTimeoutMs) != WAIT_OBJECT_0) {
      TerminateProcess(process_, 1);
      WaitForSingleObject(process_, kExitTimeoutMs);
    }
    CloseHandle(thread_);
    CloseHandle(process_);
  }

  HWND WaitForMainWindow() {
    const double deadline = NowMs() + kStartTimeoutMs;
    while (!main_) {
      EnumWindows(FindMain, reinterpret_cast<LPARAM>(this));
      if (main_) break;
      if (WaitForSingleObject(process_, 0) == WAIT_OBJECT_0) throw Failure("linkconv.exe ended at start");
      if (NowMs() > deadline) throw Failure("linkconv.exe showed no window in time");
      Sleep(20);
    }
    if (WaitForInputIdle(process_, kStartTimeoutMs) != 0) throw Failure("linkconv.exe did not get idle");
    return main_;
  }

 private:
  static BOOL CALLBACK FindMain(HWND window, LPARAM self_param) {
    auto* self = reinterpret_cast<WindowProgram*>(self_param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    if (owner != self->id_ || lstrcmpA(name, LINKCONV_MAIN_CLASS) != 0 || !IsWindowVisible(window))
      return TRUE;
    self->main_ = window;
    return FALSE;
  }

  HANDLE process_ = nullptr, thread_ = nullptr;
  DWORD id_ = 0;
  HWND main_ = nullptr;
};

HWND Control(HWND main, int id) {
  HWND control = GetDlgItem(main, id);
  if (!control) throw Failure("the window has no control " + std::to_string(id));
  return control;
}

// Waits, from the click at `clicked_ms`, for each row in turn to reach its
// expected length (a cleared row is empty, so the length tells when it is
// written; the results are ASCII, so characters count bytes). Looks at one
// row at a time: each look is a message the window answers from its event
// pump.
WindowRun WaitForRows(HWND main, const ConvertResults& expected, double clicked_ms) {
  WindowRun run{};
  const double deadline = clicked_ms + kConvertTimeoutMs;
  for (int i = 0; i < 4; ++i) {
    HWND box = Control(main, kRows[i].box);
    const std::size_t want = (expected.*kRows[i].expected).size();
    while (CharactersIn(box) != want) {
      if (NowMs() > deadline) throw Failure(std::string("the ") + kRows[i].name + " row was not written in time");
      Sleep(1);
    }
    run.rows_ms[i] = NowMs() - clicked_ms;
  }
  run.total_ms = run.rows_ms[3];
  return run;
}

RowBoxCosts TimeRowBox(HWND main, HWND box, const Text& text) {
  RowBoxCosts costs{};
  double start = NowMs();
  Send(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), "WM_SETTEXT");
  costs.write_ms = NowMs() - start;
  start = NowMs();
  WaitUntilPainted(main);
  costs.paint_ms = NowMs() - start;
  start = NowMs();
  Send(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""), "WM_SETTEXT");
  costs.empty_ms = NowMs() - start;
  if (CharactersIn(box) != 0) throw Failure("the timed row box does not empty");
  return costs;
}

}  // namespace

WindowTimings TimeWindowConvert(const std::string& program, const Text& link,
                                const ConvertResults& expected, int runs) {
  WindowProgram window(program);
  const HWND main = window.WaitForMainWindow();
  SetText(Control(main, kId编辑框1), link, "input");
  const HWND convert = Control(main, kId按钮1);

  WindowTimings result;
  for (int r = 0; r < runs; ++r) {
    for (const Row& row : kRows) SetText(Control(main, row.box), "", row.name);
    // A paint still waiting (of the input box, of a row) would otherwise
    // run inside the Convert and be timed with it.
    WaitUntilPainted(main);
    const double clicked = NowMs();
    if (!PostMessageA(convert, BM_CLICK, 0, 0)) throw Failure("cannot click Convert");
    WindowRun run = WaitForRows(main, expected, clicked);
    WaitUntilPainted(main);
    run.shown_ms = NowMs() - clicked;
    result.runs.push_back(run);
    for (const Row& row : kRows)
      if (TextOf(Control(main, row.box)) != expected.*row.expected)
        throw Failure(std::string("the ") + row.name + " row holds a wrong result");
  }
  const HWND thunder_box = Control(main, kId迅雷);
  SetText(thunder_box, "", "thunder");
  WaitUntilPainted(main);
  result.row_box = TimeRowBox(main, thunder_box, expected.thunder);
  return result;
}

}  // namespace bench
