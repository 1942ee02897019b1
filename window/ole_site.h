// The in-place container an embedded OLE control talks to: its client
// site, in-place site and frame, all in one object over one host window.
// It keeps the control's active object so that keys can be given to it.
#pragma once

#include <windows.h>
#include <ole2.h>

#include "window/com_ptr.h"

class OleSite final : public IOleClientSite, public IOleInPlaceSite, public IOleInPlaceFrame {
 public:
  // A new site with one reference, owned by the caller.
  static ComPtr<OleSite> Create(HWND host);

  // The control's active object, when it has told us one.
  ComPtr<IOleInPlaceActiveObject> ActiveObject() const { return active_; }
  // Lets go of the control's objects; the site answers no more for the host.
  void Detach();

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID riid, void** object) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  STDMETHODIMP_(ULONG) Release() override;

  // IOleClientSite
  STDMETHODIMP SaveObject() override;
  STDMETHODIMP GetMoniker(DWORD assign, DWORD which, IMoniker** moniker) override;
  STDMETHODIMP GetContainer(IOleContainer** container) override;
  STDMETHODIMP ShowObject() override;
  STDMETHODIMP OnShowWindow(BOOL show) override;
  STDMETHODIMP RequestNewObjectLayout() override;

  // IOleWindow, shared by the in-place site and the frame
  STDMETHODIMP GetWindow(HWND* window) override;
  STDMETHODIMP ContextSensitiveHelp(BOOL enter) override;

  // IOleInPlaceSite
  STDMETHODIMP CanInPlaceActivate() override;
  STDMETHODIMP OnInPlaceActivate() override;
  STDMETHODIMP OnUIActivate() override;
  STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                LPRECT position, LPRECT clip,
                                LPOLEINPLACEFRAMEINFO frame_info) override;
  STDMETHODIMP Scroll(SIZE extent) override;
  STDMETHODIMP OnUIDeactivate(BOOL undoable) override;
  STDMETHODIMP OnInPlaceDeactivate() override;
  STDMETHODIMP DiscardUndoState() override;
  STDMETHODIMP DeactivateAndUndo() override;
  STDMETHODIMP OnPosRectChange(LPCRECT position) override;

  // IOleInPlaceUIWindow
  STDMETHODIMP GetBorder(LPRECT border) override;
  STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS widths) override;
  STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS widths) override;
  STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject* active, LPCOLESTR name) override;

  // IOleInPlaceFrame
  STDMETHODIMP InsertMenus(HMENU shared, LPOLEMENUGROUPWIDTHS widths) override;
  STDMETHODIMP SetMenu(HMENU shared, HOLEMENU descriptor, HWND active_object) override;
  STDMETHODIMP RemoveMenus(HMENU shared) override;
  STDMETHODIMP SetStatusText(LPCOLESTR text) override;
  STDMETHODIMP EnableModeless(BOOL enable) override;
  STDMETHODIMP TranslateAccelerator(LPMSG msg, WORD id) override;

 private:
  explicit OleSite(HWND host) : host_(host) {}
  ~OleSite() = default;

  LONG references_ = 1;
  HWND host_;
  ComPtr<IOleInPlaceActiveObject> active_;
};
