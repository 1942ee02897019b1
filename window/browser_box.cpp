#include "window/browser_box.h"

#include <exdisp.h>
#include <ole2.h>

#include <algorithm>

#include "window/bstr.h"
#include "window/com_ptr.h"
#include "window/control_ids.h"
#include "window/ole_site.h"
#include "window/window_class.h"

namespace {

// One box's state, owned by its window from WM_NCCREATE to WM_NCDESTROY.
// The COM objects stay empty when the browser could not be started.
struct BrowserBox {
  Text address;
  ComPtr<OleSite> site;
  ComPtr<IOleObject> control;
  ComPtr<IOleInPlaceObject> in_place;
  ComPtr<IWebBrowser2> browser;
  bool activating = false;  // UI activation may move the focus about
};

BrowserBox* StateOf(HWND box) {
  return reinterpret_cast<BrowserBox*>(GetWindowLongPtrA(box, GWLP_USERDATA));
}

// The state of a window handed in from outside, only when it is a box:
// another window's user data is none of ours.
BrowserBox* BoxOf(HWND window) {
  char name[sizeof LINKCONV_BROWSER_CLASS + 1] = {};
  if (!window || !GetClassNameA(window, name, sizeof name) ||
      lstrcmpiA(name, LINKCONV_BROWSER_CLASS) != 0) {
    return nullptr;
  }
  return StateOf(window);
}

// A VARIANT that clears itself.
struct Variant {
  VARIANT v;
  Variant() { VariantInit(&v); }
  explicit Variant(LONG value) : Variant() {
    V_VT(&v) = VT_I4;
    V_I4(&v) = value;
  }
  explicit Variant(Bstr text) : Variant() {
    V_VT(&v) = VT_BSTR;
    V_BSTR(&v) = text.Detach();
  }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
  ~Variant() { VariantClear(&v); }
};

void Navigate(IWebBrowser2& browser, const Text& address) {
  Bstr url = AnsiToBstr(address);
  Variant flags(0L);
  Variant target_frame(Bstr(L"", 0));
  Variant post_data;
  Variant headers(Bstr(L"", 0));
  browser.Navigate(url.Get(), &flags.v, &target_frame.v, &post_data.v, &headers.v);
}

void StopBrowser(BrowserBox& box) {
  if (box.control) {
    box.control->Close(OLECLOSE_NOSAVE);
    box.control->SetClientSite(nullptr);
  }
  if (box.site) box.site->Detach();
  box.browser.Reset();
  box.in_place.Reset();
  box.control.Reset();
  box.site.Reset();
}

// Embeds the WebBrowser control over the host's client area and hands it
// the settings. Any failure leaves the box empty: a plain white window.
void StartBrowser(HWND host, BrowserBox& box, const BrowserBoxSettings& settings) {
  ComPtr<IOleObject> control;
  if (FAILED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                              control.PutVoid())) ||
      !control) {
    return;
  }
  box.control = control;
  box.site = OleSite::Create(host);
  box.browser = control.As<IWebBrowser2>();
  RECT client{};
  GetClientRect(host, &client);
  if (!box.browser || FAILED(control->SetClientSite(box.site.Get())) ||
      FAILED(OleSetContainedObject(control.Get(), TRUE)) ||
      FAILED(control->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, box.site.Get(), 0, host, &client))) {
    StopBrowser(box);
    return;
  }
  box.in_place = control.As<IOleInPlaceObject>();
  if (box.in_place) box.in_place->SetObjectRects(&client, &client);

  box.browser->put_Offline(settings.离线浏览 ? VARIANT_TRUE : VARIANT_FALSE);
  box.browser->put_Silent(settings.静默 ? VARIANT_TRUE : VARIANT_FALSE);
  // The browser knows five text sizes, 0 to 4. Without a page loaded it
  // may refuse; the size then stays the browser's own default.
  Variant zoom(static_cast<LONG>(std::clamp(settings.字体大小, 0, 4)));
  box.browser->ExecWB(OLECMDID_ZOOM, OLECMDEXECOPT_DONTPROMPTUSER, &zoom.v, nullptr);
  if (!box.address.empty()) Navigate(*box.browser, box.address);
}

// Tab onto the box hands the focus on to the browser, where it takes it.
void ActivateBrowser(HWND host, BrowserBox& box) {
  if (!box.control || box.activating) return;
  box.activating = true;
  RECT client{};
  GetClientRect(host, &client);
  box.control->DoVerb(OLEIVERB_UIACTIVATE, nullptr, box.site.Get(), 0, host, &client);
  box.activating = false;
}

LRESULT CALLBACK BrowserBoxProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_NCCREATE: {
      auto* box = new BrowserBox;
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(box));
      break;
    }
    case WM_CREATE: {
      const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lparam);
      const auto* settings = static_cast<const BrowserBoxSettings*>(create->lpCreateParams);
      if (BrowserBox* box = StateOf(hwnd); box && settings) {
        box->address = settings->地址;
        StartBrowser(hwnd, *box, *settings);
      }
      return 0;
    }
    case WM_SIZE:
      if (BrowserBox* box = StateOf(hwnd); box && box->in_place) {
        RECT client{0, 0, LOWORD(lparam), HIWORD(lparam)};
        box->in_place->SetObjectRects(&client, &client);
      }
      return 0;
    case WM_SETFOCUS:
      if (BrowserBox* box = StateOf(hwnd)) ActivateBrowser(hwnd, *box);
      return 0;
    case WM_DESTROY:
      if (BrowserBox* box = StateOf(hwnd)) StopBrowser(*box);
      return 0;
    case WM_NCDESTROY:
      delete StateOf(hwnd);
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
      break;
    default:
      break;
  }
  return DefWindowProcA(hwnd, message, wparam, lparam);
}

bool RegisterBrowserBoxClass(HINSTANCE instance) {
  WindowClassArgs args;
  args.name = LINKCONV_BROWSER_CLASS;
  args.proc = BrowserBoxProc;
  args.background = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  return RegisterWindowClassOnce(instance, args);
}

bool IsKeyMessage(UINT message) { return message >= WM_KEYFIRST && message <= WM_KEYLAST; }

}  // namespace

HWND CreateBrowserBox(HWND parent, int id, int x, int y, int width, int height,
                      const BrowserBoxSettings& settings) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  if (!RegisterBrowserBoxClass(instance)) return nullptr;
  return CreateWindowExA(0, LINKCONV_BROWSER_CLASS, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, x, y,
                         width, height, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance,
                         const_cast<BrowserBoxSettings*>(&settings));
}

void SetBrowserAddress(HWND box, const Text& address) {
  BrowserBox* state = BoxOf(box);
  if (!state) return;
  state->address = address;
  if (state->browser) Navigate(*state->browser, state->address);
}

bool BrowserBoxTranslateKey(HWND box, MSG& msg) {
  if (!IsKeyMessage(msg.message)) return false;
  HWND focus = GetFocus();
  if (!focus || (focus != box && !IsChild(box, focus))) return false;
  BrowserBox* state = BoxOf(box);
  if (!state || !state->control) return false;
  ComPtr<IOleInPlaceActiveObject> active = state->site->ActiveObject();
  if (!active) active = state->control.As<IOleInPlaceActiveObject>();
  return active && active->TranslateAccelerator(&msg) == S_OK;
}
