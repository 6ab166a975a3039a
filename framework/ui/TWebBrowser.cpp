#include "framework/ui/TWebBrowser.h"

#include <exdisp.h>
#include <ole2.h>
#include <oleidl.h>

#include <cstdio>

#include "framework/core/CallbackGuard.h"
#include "framework/core/ScopeGuard.h"
#include "framework/ui/UiErrors.h"

// The container side of in-place activation. Reference counted: the browser may keep it (and
// call it from work it finishes later) after the control is gone, so the control only
// detaches itself and drops its own reference. Every method is noexcept: nothing may unwind
// into COM; those that reach into the control go through the callback guard.
class TWebBrowser::Site : public IOleClientSite, public IOleInPlaceSite, public IOleInPlaceFrame {
 public:
  explicit Site(TWebBrowser* owner) : owner_(owner) {}
  virtual ~Site() = default;
  void Detach() { owner_ = nullptr; }

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) noexcept override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IOleClientSite))
      *object = static_cast<IOleClientSite*>(this);
    else if (IsEqualIID(riid, IID_IOleInPlaceSite) || IsEqualIID(riid, IID_IOleWindow))
      *object = static_cast<IOleInPlaceSite*>(this);
    else if (IsEqualIID(riid, IID_IOleInPlaceFrame) || IsEqualIID(riid, IID_IOleInPlaceUIWindow))
      *object = static_cast<IOleInPlaceFrame*>(this);
    else
      return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() noexcept override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() noexcept override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  // IOleClientSite
  HRESULT STDMETHODCALLTYPE SaveObject() noexcept override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker** moniker) noexcept override {
    if (moniker) *moniker = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** container) noexcept override {
    if (container) *container = nullptr;
    return E_NOINTERFACE;
  }
  HRESULT STDMETHODCALLTYPE ShowObject() noexcept override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) noexcept override { return S_OK; }
  HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() noexcept override { return E_NOTIMPL; }

  // IOleWindow (shared by the site and the frame)
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) noexcept override {
    if (!window) return E_POINTER;
    *window = nullptr;
    return GuardCallback(E_FAIL, [&] {
      *window = owner_ && owner_->HandleAllocated() ? owner_->Handle() : nullptr;
      return *window ? S_OK : E_FAIL;
    });
  }
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) noexcept override { return E_NOTIMPL; }

  // IOleInPlaceSite
  HRESULT STDMETHODCALLTYPE CanInPlaceActivate() noexcept override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnInPlaceActivate() noexcept override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnUIActivate() noexcept override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame,
                                             IOleInPlaceUIWindow** document, LPRECT position,
                                             LPRECT clip,
                                             LPOLEINPLACEFRAMEINFO info) noexcept override {
    if (frame) *frame = nullptr;
    if (document) *document = nullptr;
    return GuardCallback(E_FAIL, [&] {
      RECT client{0, 0, 0, 0};
      const bool live = owner_ && owner_->HandleAllocated();
      if (live) GetClientRect(owner_->Handle(), &client);
      if (position) *position = client;
      if (clip) *clip = client;
      if (info) {
        info->fMDIApp = FALSE;
        info->hwndFrame = live ? GetAncestor(owner_->Handle(), GA_ROOT) : nullptr;
        info->haccel = nullptr;
        info->cAccelEntries = 0;
      }
      if (frame) {
        *frame = this;
        AddRef();
      }
      return S_OK;
    });
  }
  HRESULT STDMETHODCALLTYPE Scroll(SIZE) noexcept override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL) noexcept override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() noexcept override { return S_OK; }
  HRESULT STDMETHODCALLTYPE DiscardUndoState() noexcept override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DeactivateAndUndo() noexcept override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT rect) noexcept override {
    (void)rect;
    return GuardCallback(E_FAIL, [&] {
      if (owner_) owner_->UpdateObjectRect();
      return S_OK;
    });
  }

  // IOleInPlaceUIWindow
  HRESULT STDMETHODCALLTYPE GetBorder(LPRECT) noexcept override { return INPLACE_E_NOTOOLSPACE; }
  HRESULT STDMETHODCALLTYPE RequestBorderSpace(LPCBORDERWIDTHS) noexcept override {
    return INPLACE_E_NOTOOLSPACE;
  }
  HRESULT STDMETHODCALLTYPE SetBorderSpace(LPCBORDERWIDTHS) noexcept override { return S_OK; }
  HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) noexcept override {
    return S_OK;
  }

  // IOleInPlaceFrame
  HRESULT STDMETHODCALLTYPE InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) noexcept override {
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE SetMenu(HMENU, HOLEMENU, HWND) noexcept override { return S_OK; }
  HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU) noexcept override { return S_OK; }
  HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR) noexcept override { return S_OK; }
  HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) noexcept override { return S_OK; }
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG, WORD) noexcept override { return S_FALSE; }

 private:
  TWebBrowser* owner_;
  ULONG references_ = 1;
};

namespace {

[[noreturn]] void RaiseOleError(HRESULT result) {
  char code[16];
  std::snprintf(code, sizeof(code), "%08lX", static_cast<unsigned long>(result));
  throw EOleError(FormatText(UiMessages::SOleError, code));
}

void Check(HRESULT result) {
  if (FAILED(result)) RaiseOleError(result);
}

}  // namespace

TWebBrowser::TWebBrowser(TComponent* owner) : TWinControl(owner), site_(new Site(this)) {
  // Balanced in the destructor; harmless when the application initialised OLE already.
  oleInitialized_ = SUCCEEDED(OleInitialize(nullptr));
  SetBounds(0, 0, 300, 150);
  SetTabStop(true);
}

TWebBrowser::~TWebBrowser() {
  ReleaseBrowser();
  if (HandleAllocated()) DestroyWindowHandle();
  site_->Detach();
  site_->Release();
  if (oleInitialized_) OleUninitialize();
}

void TWebBrowser::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.WinClassName = L"QmWebBrowser";
}

void TWebBrowser::CreateHandle() {
  TWinControl::CreateHandle();
  IOleObject* object = nullptr;
  Check(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER,
                         IID_IOleObject, reinterpret_cast<void**>(&object)));
  object_ = object;
  // Half an embedding is let go again.
  ScopeGuard release([this] { ReleaseBrowser(); });
  Check(object_->SetClientSite(static_cast<IOleClientSite*>(site_)));
  RECT client;
  GetClientRect(Handle(), &client);
  Check(object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, static_cast<IOleClientSite*>(site_), 0,
                        Handle(), &client));
  IWebBrowser2* browser = nullptr;
  Check(object_->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&browser)));
  browser_ = browser;
  release.Dismiss();
}

void TWebBrowser::ReleaseBrowser() {
  if (browser_) {
    browser_->Release();
    browser_ = nullptr;
  }
  if (object_) {
    object_->Close(OLECLOSE_NOSAVE);
    object_->SetClientSite(nullptr);
    object_->Release();
    object_ = nullptr;
  }
}

void TWebBrowser::DestroyWindowHandle() {
  ReleaseBrowser();
  TWinControl::DestroyWindowHandle();
}

void TWebBrowser::BoundsChanged() {
  TWinControl::BoundsChanged();
  UpdateObjectRect();
}

void TWebBrowser::UpdateObjectRect() {
  if (!object_ || !HandleAllocated()) return;
  IOleInPlaceObject* inPlace = nullptr;
  if (SUCCEEDED(
          object_->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inPlace)))) {
    RECT client;
    GetClientRect(Handle(), &client);
    inPlace->SetObjectRects(&client, &client);
    inPlace->Release();
  }
}

void TWebBrowser::Navigate(const std::wstring& url) {
  HandleNeeded();
  if (!browser_) RaiseOleError(E_NOINTERFACE);
  lastUrl_ = url;
  BSTR address = SysAllocStringLen(url.data(), static_cast<UINT>(url.size()));
  if (!address) RaiseOleError(E_OUTOFMEMORY);
  VARIANT empty;
  VariantInit(&empty);
  const HRESULT result = browser_->Navigate(address, &empty, &empty, &empty, &empty);
  SysFreeString(address);
  Check(result);
}
