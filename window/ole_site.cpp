#include "window/ole_site.h"

ComPtr<OleSite> OleSite::Create(HWND host) { return ComPtr<OleSite>::Adopt(new OleSite(host)); }

void OleSite::Detach() {
  active_.Reset();
  host_ = nullptr;
}

// IUnknown

STDMETHODIMP OleSite::QueryInterface(REFIID riid, void** object) {
  if (!object) return E_POINTER;
  if (riid == IID_IUnknown || riid == IID_IOleClientSite) {
    *object = static_cast<IOleClientSite*>(this);
  } else if (riid == IID_IOleWindow || riid == IID_IOleInPlaceSite) {
    *object = static_cast<IOleInPlaceSite*>(this);
  } else if (riid == IID_IOleInPlaceUIWindow || riid == IID_IOleInPlaceFrame) {
    *object = static_cast<IOleInPlaceFrame*>(this);
  } else {
    *object = nullptr;
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

STDMETHODIMP_(ULONG) OleSite::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

STDMETHODIMP_(ULONG) OleSite::Release() {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

// IOleClientSite: nothing to save, no container to walk.

STDMETHODIMP OleSite::SaveObject() { return E_NOTIMPL; }

STDMETHODIMP OleSite::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
  if (moniker) *moniker = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP OleSite::GetContainer(IOleContainer** container) {
  if (container) *container = nullptr;
  return E_NOINTERFACE;
}

STDMETHODIMP OleSite::ShowObject() { return S_OK; }
STDMETHODIMP OleSite::OnShowWindow(BOOL) { return S_OK; }
STDMETHODIMP OleSite::RequestNewObjectLayout() { return E_NOTIMPL; }

// IOleWindow

STDMETHODIMP OleSite::GetWindow(HWND* window) {
  if (!window) return E_POINTER;
  *window = host_;
  return host_ ? S_OK : E_FAIL;
}

STDMETHODIMP OleSite::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }

// IOleInPlaceSite: the control may always go active over the whole host.

STDMETHODIMP OleSite::CanInPlaceActivate() { return host_ ? S_OK : S_FALSE; }
STDMETHODIMP OleSite::OnInPlaceActivate() { return S_OK; }
STDMETHODIMP OleSite::OnUIActivate() { return S_OK; }

STDMETHODIMP OleSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                       LPRECT position, LPRECT clip,
                                       LPOLEINPLACEFRAMEINFO frame_info) {
  if (!frame || !document || !position || !clip || !frame_info) return E_POINTER;
  // The site is its own frame; a null document window means the same.
  *frame = static_cast<IOleInPlaceFrame*>(this);
  AddRef();
  *document = nullptr;
  RECT client{};
  if (host_) GetClientRect(host_, &client);
  *position = client;
  *clip = client;
  frame_info->fMDIApp = FALSE;
  frame_info->hwndFrame = host_;
  frame_info->haccel = nullptr;
  frame_info->cAccelEntries = 0;
  return S_OK;
}

STDMETHODIMP OleSite::Scroll(SIZE) { return E_NOTIMPL; }
STDMETHODIMP OleSite::OnUIDeactivate(BOOL) { return S_OK; }
STDMETHODIMP OleSite::OnInPlaceDeactivate() {
  active_.Reset();
  return S_OK;
}
STDMETHODIMP OleSite::DiscardUndoState() { return E_NOTIMPL; }
STDMETHODIMP OleSite::DeactivateAndUndo() { return E_NOTIMPL; }
// The host decides the control's size: it follows the host's WM_SIZE.
STDMETHODIMP OleSite::OnPosRectChange(LPCRECT) { return S_OK; }

// IOleInPlaceUIWindow: no toolbars, no border space to give.

STDMETHODIMP OleSite::GetBorder(LPRECT) { return INPLACE_E_NOTOOLSPACE; }
STDMETHODIMP OleSite::RequestBorderSpace(LPCBORDERWIDTHS) { return INPLACE_E_NOTOOLSPACE; }
STDMETHODIMP OleSite::SetBorderSpace(LPCBORDERWIDTHS widths) {
  return widths ? INPLACE_E_NOTOOLSPACE : S_OK;
}

STDMETHODIMP OleSite::SetActiveObject(IOleInPlaceActiveObject* active, LPCOLESTR) {
  active_ = ComPtr<IOleInPlaceActiveObject>::Share(active);
  return S_OK;
}

// IOleInPlaceFrame: no menus, no status bar, no accelerators of our own.

STDMETHODIMP OleSite::InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) { return E_NOTIMPL; }
STDMETHODIMP OleSite::SetMenu(HMENU, HOLEMENU, HWND) { return S_OK; }
STDMETHODIMP OleSite::RemoveMenus(HMENU) { return E_NOTIMPL; }
STDMETHODIMP OleSite::SetStatusText(LPCOLESTR) { return S_OK; }
STDMETHODIMP OleSite::EnableModeless(BOOL) { return S_OK; }
STDMETHODIMP OleSite::TranslateAccelerator(LPMSG, WORD) { return S_FALSE; }
