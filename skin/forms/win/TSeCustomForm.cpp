#include "skin/forms/win/TSeCustomForm.h"

#include <windowsx.h>

#include <algorithm>
#include <vector>

#include "framework/core/ScopeGuard.h"
#include "framework/ui/TApplication.h"
#include "framework/ui/TCustomForm.h"
#include "skin/forms/FrameCommands.h"
#include "skin/forms/FrameRects.h"
#include "skin/forms/FrameZones.h"
#include "skin/forms/TSePlainFrame.h"
#include "skin/forms/win/RunTransition.h"
#include "skin/forms/win/SystemMenu.h"
#include "skin/forms/win/TSeTrayIcon.h"
#include "skin/objects/TSeBitmap.h"

namespace {

using W = TSeWindowState;

TRect ToTRect(const RECT& r) {
  return TRect{r.left, r.top, r.right, r.bottom};
}
RECT ToRECT(const TRect& r) {
  return RECT{r.Left, r.Top, r.Right, r.Bottom};
}

// One bitmap for every window that paints through the shared buffer; grown, never shrunk.
struct TSharedBuffer {
  Handles::Bitmap Bitmap;
  TSize Size;
};
TSharedBuffer& SharedBuffer() {
  static TSharedBuffer buffer;
  return buffer;
}

HBITMAP EnsureBitmap(Handles::Bitmap& bitmap, TSize& size, TSize wanted, bool grow) {
  const bool fits = grow ? size.cx >= wanted.cx && size.cy >= wanted.cy : size == wanted;
  if (!bitmap || !fits) {
    const TSize next =
        grow ? TSize{std::max(size.cx, wanted.cx), std::max(size.cy, wanted.cy)} : wanted;
    Handles::WindowDC screen(nullptr);
    bitmap.Reset(CreateCompatibleBitmap(screen.Get(), std::max(1, next.cx), std::max(1, next.cy)));
    size = next;
  }
  return bitmap.Get();
}

// Copies the four bands around the client rectangle: top, bottom, left, right.
void CopyBands(HDC to, HDC from, const TRect& client, TSize full) {
  const TSeFrameBands bands = TSeFrameGeometry::Bands(client, full);
  for (const TRect& band : {bands.Top, bands.Bottom, bands.Left, bands.Right})
    if (!IsRectEmpty(band))
      BitBlt(to, band.Left, band.Top, RectWidth(band), RectHeight(band), from, band.Left, band.Top,
             SRCCOPY);
}

// A device bitmap's pixels into a skin picture of the same size.
void ReadPixels(HBITMAP bitmap, TSize size, TSeBitmap& into) {
  into.SetSize(size.cx, size.cy);
  if (into.IsEmpty()) return;
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof(format.bmiHeader);
  format.bmiHeader.biWidth = size.cx;
  format.bmiHeader.biHeight = -size.cy;  // top row first, as the picture keeps them
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  Handles::WindowDC screen(nullptr);
  GetDIBits(screen.Get(), bitmap, 0, static_cast<UINT>(size.cy), into.Bits(), &format,
            DIB_RGB_COLORS);
  into.UpdateDeviceCopy();
}

std::u16string ToU16(const std::wstring& text) {
  return std::u16string(text.begin(), text.end());
}

}  // namespace

const TEnumInfo& SeFormPerformanceInfo() {
  static const TEnumInfo info{
      "TSeFormPerformance",
      {"ksfpNoBuffer", "ksfpSharedBuffer", "ksfpPersistentBuffer", "ksfpDoubleBuffer"}};
  return info;
}

TSeCustomForm::TSeCustomForm(TComponent* owner) : TSeHook(owner) {
  if (TCustomForm* form = OwnerForm()) {
    caption_ = form->Caption();
    cachedCaption_ = caption_;
    // The platform keeps a sizeable frame with no buttons of its own; we draw everything.
    form->SetBorderStyle(bsSizeable);
    form->SetBorderIcons({});
    const TSizeConstraints& from = form->Constraints();
    constraints_.MinWidth = from.MinWidth;
    constraints_.MinHeight = from.MinHeight;
    constraints_.MaxWidth = from.MaxWidth;
    constraints_.MaxHeight = from.MaxHeight;
  }
  blending_.SetOwnerNotify([this] { OptionsChanged(); });
  shadow_.SetOwnerNotify([this] { OptionsChanged(); });
}

TSeCustomForm::~TSeCustomForm() {
  UnchainApplication();
  SetControl(nullptr);
}

TCustomForm* TSeCustomForm::OwnerForm() const {
  return dynamic_cast<TCustomForm*>(Owner());
}

void TSeCustomForm::Loaded() {
  TSeHook::Loaded();
  TCustomForm* form = OwnerForm();
  if (!form || ComponentState().Contains(TComponentStateFlag::csDesigning)) return;
  SetControl(form);
  if (!Active()) return;
  RECT r{};
  GetWindowRect(form->Handle(), &r);
  geometry_.SetShadow(shadow_.Enabled(), shadow_.Size());
  geometry_.SetFullSize(TSize{r.right - r.left, r.bottom - r.top});
  cachedCaption_ = form->Caption();
  if (statePending_ && pendingState_ != W::kwsNormal) {
    const TRect normal = WindowBounds();
    if (pendingState_ != W::kwsRollup) {
      // Waits off-screen with its normal size until the posted state applies.
      SetWindowPos(form->Handle(), nullptr, 0, GetSystemMetrics(SM_CYSCREEN), 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    states_.ApplyPendingState(pendingState_, normal);
    PostMessageW(form->Handle(), SE_APPLYSTATE, static_cast<WPARAM>(pendingState_), 0);
  } else {
    statePending_ = false;
    // The window's own OnResize stays out of the frame's resizing.
    UpdateFrame();
    UpdateFrameRegion();
  }
  if (OnCreate) OnCreate(this);
  if (stayOnTop_) SetStayOnTop(true);
}

// ---- properties -------------------------------------------------------------------------

void TSeCustomForm::SetBorderIcons(TSeBorderIcons value) {
  borderIcons_ = value;
  if (!ComponentState().Contains(TComponentStateFlag::csLoading)) UpdateFrame();
}

void TSeCustomForm::SetBorderStyle(TSeBorderStyle value) {
  borderStyle_ = value;
  if (!ComponentState().Contains(TComponentStateFlag::csLoading)) UpdateFrame();
}

void TSeCustomForm::SetCaption(const std::wstring& value) {
  caption_ = value;
  if (Control() && Control()->Caption() != value) {
    cachedCaption_ = value;
    Control()->SetText(value);
  }
  PaintNonClient();
}

void TSeCustomForm::SetConstraints(const TSizeConstraints& value) {
  constraints_.MinWidth = value.MinWidth;
  constraints_.MinHeight = value.MinHeight;
  constraints_.MaxWidth = value.MaxWidth;
  constraints_.MaxHeight = value.MaxHeight;
  if (ComponentState().Contains(TComponentStateFlag::csLoading)) return;
  if (Control()) {
    const TSize minimum = GetMinTrackSize();
    const TRect r = WindowBounds();
    if (RectWidth(r) < minimum.cx || RectHeight(r) < minimum.cy)
      SetWindowBounds(Bounds(r.Left, r.Top, std::max(RectWidth(r), minimum.cx),
                             std::max(RectHeight(r), minimum.cy)));
  }
  UpdateFrame();
}

TSeWindowState TSeCustomForm::WindowState() const {
  return statePending_ ? pendingState_ : states_.WindowState();
}

void TSeCustomForm::SetWindowState(TSeWindowState value) {
  const TComponentState state = ComponentState();
  if (state.Contains(TComponentStateFlag::csDesigning) ||
      state.Contains(TComponentStateFlag::csLoading) || !Control()) {
    pendingState_ = value;
    statePending_ = true;
    return;
  }
  states_.SetWindowState(value);
}

void TSeCustomForm::SetStayOnTop(bool value) {
  stayOnTop_ = value;
  if (ComponentState().Contains(TComponentStateFlag::csDesigning) || !Control() ||
      !Control()->HandleAllocated())
    return;
  SetWindowPos(Control()->Handle(), value ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOCOPYBITS | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
}

void TSeCustomForm::SetMinimizeApplication(bool value) {
  minimizeApplication_ = value;
  states_.SetMinimizeApplication(value);
}

void TSeCustomForm::OptionsChanged() {
  geometry_.SetShadow(shadow_.Enabled(), shadow_.Size());
  if (!ComponentState().Contains(TComponentStateFlag::csLoading)) UpdateFrame();
}

// ---- geometry ---------------------------------------------------------------------------

TSeFrameMetrics TSeCustomForm::Metrics() const {
  TSeFrameMetrics m;
  m.FrameWidth = GetSystemMetrics(SM_CXFRAME);
  m.CaptionHeight = GetSystemMetrics(SM_CYCAPTION);
  m.SmallCaptionHeight = GetSystemMetrics(SM_CYSMCAPTION);
  const auto themeActive = ThemeLibrary().IsThemeActive;
  m.Themed = themeActive && themeActive();
  return m;
}

TRect TSeCustomForm::GetFrameClientRect() {
  return TSeFrameGeometry::PlainClientRect(geometry_.FrameSize(), borderStyle_, Metrics(), false);
}

TRect TSeCustomForm::GetCaptionButtonRect(TSeBorderIcon icon) {
  return TSePlainFrame(Metrics(), borderStyle_, borderIcons_, states_.WindowState(),
                       geometry_.FrameSize())
      .CaptionButtonRect(icon);
}

TSeFrameZone TSeCustomForm::GetFrameZone(std::int32_t x, std::int32_t y) {
  return TSePlainFrame(Metrics(), borderStyle_, borderIcons_, states_.WindowState(),
                       geometry_.FrameSize())
      .Zone(TPoint{x, y});
}

Handles::Region TSeCustomForm::CreateFrameRegion() {
  const TSize frame = geometry_.FrameSize();
  const auto& theme = ThemeLibrary();
  if (borderStyle_ != TSeBorderStyle::kbsNone && theme.GetThemeBackgroundRegion &&
      Metrics().Themed && Control()) {
    Handles::Theme data = Handles::OpenTheme(Control()->Handle(), L"WINDOW");
    if (data) {
      HRGN region = nullptr;
      const RECT r{0, 0, frame.cx, frame.cy};
      const int part = borderStyle_ == TSeBorderStyle::kbsStandard ? 1 : 2;
      Handles::WindowDC dc(nullptr);
      if (SUCCEEDED(theme.GetThemeBackgroundRegion(data.Get(), dc.Get(), part, 1, &r, &region)) &&
          region)
        return Handles::Region(region);
    }
  }
  return Handles::Region(CreateRectRgn(0, 0, frame.cx, frame.cy));
}

TRect TSeCustomForm::WindowRect() const {
  RECT r{};
  if (Control() && Control()->HandleAllocated()) GetWindowRect(Control()->Handle(), &r);
  return ToTRect(r);
}

TPoint TSeCustomForm::ScreenToWindow(POINT screen) const {
  const TRect r = WindowRect();
  return TPoint{screen.x - r.Left, screen.y - r.Top};
}

TRect TSeCustomForm::GetMaximizedRect() {
  const TRect window = WindowRect();
  const RECT wr = ToRECT(window);
  HMONITOR monitor = MonitorFromRect(&wr, MONITOR_DEFAULTTONEAREST);
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  GetMonitorInfoW(monitor, &info);
  return FrameRects::MaximizedRect(ToTRect(info.rcWork), ToTRect(info.rcMonitor), stayOnTop_,
                                   Skinned(), GetFrameClientRect().Left);
}

TSize TSeCustomForm::GetMaxTrackSize() {
  TSize area;
  if (Skinned()) {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    area = stayOnTop_ ? TSize{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}
                      : TSize{work.right - work.left, work.bottom - work.top};
  } else {
    const TRect m = GetMaximizedRect();
    area = TSize{RectWidth(m), RectHeight(m)};
  }
  return FrameRects::MaxTrackSize(area, constraints_.MaxWidth, constraints_.MaxHeight);
}

TSize TSeCustomForm::GetMinTrackSize() {
  return FrameRects::MinTrackSize(constraints_.MinWidth, constraints_.MinHeight);
}

TRect TSeCustomForm::GetRollupRect() {
  const TRect r = WindowRect();
  const TSize frame = geometry_.FrameSize();
  return FrameRects::RollupRect(TPoint{r.Left, r.Top}, GetFrameClientRect(), frame);
}

TRect TSeCustomForm::GetMinimizedRect() {
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  return FrameRects::MinimizedRect(GetSystemMetrics(SM_CXMINIMIZED), GetFrameClientRect(),
                                   geometry_.FrameSize(), ToTRect(work));
}

// ---- window state host -------------------------------------------------------------------

TRect TSeCustomForm::WindowBounds() const {
  return WindowRect();
}

void TSeCustomForm::SetWindowBounds(const TRect& bounds) {
  SetBoundsAndPaint(bounds);
}

void TSeCustomForm::SetBoundsAndPaint(const TRect& bounds) {
  if (!Control()) return;
  Control()->SetBounds(bounds.Left, bounds.Top, RectWidth(bounds), RectHeight(bounds));
  ProcessPaintMessages();
}

void TSeCustomForm::ProcessPaintMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    DispatchMessageW(&msg);
  }
}

TRect TSeCustomForm::MaximizedRect() const {
  return const_cast<TSeCustomForm*>(this)->GetMaximizedRect();
}
TRect TSeCustomForm::MinimizedRect() const {
  return const_cast<TSeCustomForm*>(this)->GetMinimizedRect();
}
TRect TSeCustomForm::RollupRect() const {
  return const_cast<TSeCustomForm*>(this)->GetRollupRect();
}

bool TSeCustomForm::CallDefault(TSeWindowState target) {
  hotZone_ = TSeFrameZone::kfzSysButton;
  bool callDefault = true;
  const TSeFormActionEvent* event = nullptr;
  switch (target) {
    case W::kwsMaximized:
      event = &OnMaximize;
      break;
    case W::kwsMinimized:
      event = &OnMinimize;
      break;
    case W::kwsRollup:
      event = &OnRollup;
      break;
    case W::kwsTray:
      event = &OnMinToTray;
      break;
    case W::kwsNormal:
      break;
  }
  if (event && *event) (*event)(this, callDefault);
  statePending_ = false;
  return callDefault;
}

bool TSeCustomForm::IsModal() const {
  const TCustomForm* form = OwnerForm();
  return form && form->Modal();
}

void TSeCustomForm::MinimizeApplication() {
  if (Application) Application->Minimize();
}

// The window leaves the screen for its notification-area icon: its own icon, and as tip the
// application's title when the whole application goes, else the window's caption. A double
// click on the icon restores the window; its menu is the system menu at the cursor.
void TSeCustomForm::HideToTray() {
  if (!Control() || !Control()->HandleAllocated()) return;
  if (!tray_) {
    tray_ = std::make_unique<TSeTrayIcon>(
        static_cast<UINT>(reinterpret_cast<UINT_PTR>(this) & 0xFFFFFFFFu));
    tray_->OnDoubleClick = [this] { DoRestore(); };
    tray_->OnMenu = [this](POINT) { ShowSystemMenu(); };
  }
  HICON icon = nullptr;
  if (TCustomForm* form = OwnerForm()) icon = form->Icon().Handle();
  if (!icon && Application) icon = Application->Icon().Handle();
  tray_->SetIcon(icon);
  tray_->SetTip(minimizeApplication_ && Application ? ToU16(Application->Title())
                                                    : ToU16(Control()->Caption()));
  ShowWindow(Control()->Handle(), SW_HIDE);
  tray_->Show();
}

void TSeCustomForm::ShowFromTray() {
  if (!Control() || !Control()->HandleAllocated()) return;
  ShowWindow(Control()->Handle(), SW_RESTORE);
  SetForegroundWindow(Control()->Handle());
  if (tray_) tray_->Hide();
}

// ---- actions -----------------------------------------------------------------------------

void TSeCustomForm::DoMaximize() {
  const W before = states_.WindowState();
  states_.DoMaximize();
  if (states_.WindowState() != before) {
    InvalidateWindow();
    PaintNonClient();
  }
}

void TSeCustomForm::DoMinimize() {
  states_.DoMinimize();
}

void TSeCustomForm::DoRollup() {
  states_.DoRollup();
  PaintNonClient();
}

void TSeCustomForm::DoMinimizeToTray() {
  states_.DoMinimizeToTray();
}

void TSeCustomForm::DoRestore() {
  hotZone_ = TSeFrameZone::kfzSysButton;
  states_.DoRestore();
  InvalidateWindow();
  PaintNonClient();
}

void TSeCustomForm::DoHelp() {
  hotZone_ = TSeFrameZone::kfzSysButton;
  if (Control()) SendMessageW(Control()->Handle(), WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
}

void TSeCustomForm::DoClose() {
  hotZone_ = TSeFrameZone::kfzSysButton;
  bool callDefault = true;
  if (OnClose) OnClose(this, callDefault);
  if (!callDefault) return;
  TCustomForm* form = OwnerForm();
  if (!form) return;
  if (form->Modal()) {
    form->SetModalResult(mrCancel);
    return;
  }
  // The form runs its close query and its close event, and ends the application when it is
  // the main form.
  form->Close();
}

void TSeCustomForm::ProcessMessages() {
  if (Application) Application->ProcessMessages();
}

// The built-in system menu, painted from the skin's popup menu object when there is one. In
// the tray the icon's hidden window owns it (the shell put that window in front).
void TSeCustomForm::ShowSystemMenu() {
  hotZone_ = TSeFrameZone::kfzSysButton;
  if (!Control()) return;
  const W state = states_.WindowState();
  POINT at = systemMenuAt_;
  if (state == W::kwsTray) {
    GetCursorPos(&at);
  } else if (at.x == 0 && at.y == 0) {
    const TRect client = GetFrameClientRect();
    const TRect window = WindowRect();
    at = POINT{window.Left + client.Left, window.Top + client.Top};
  }
  const HWND owner = state == W::kwsTray && tray_ ? tray_->Window() : Control()->Handle();
  const TSeFrameCommand chosen =
      SystemMenu::Show(owner, at, borderIcons_, state, PopupMenuObject());
  switch (chosen) {
    case TSeFrameCommand::Restore:
      DoRestore();
      break;
    case TSeFrameCommand::Minimize:
      DoMinimize();
      break;
    case TSeFrameCommand::Maximize:
      DoMaximize();
      break;
    case TSeFrameCommand::Rollup:
      DoRollup();
      break;
    case TSeFrameCommand::Tray:
      DoMinimizeToTray();
      break;
    case TSeFrameCommand::Close:
      DoClose();
      break;
    default:
      break;
  }
}

// ---- frame upkeep ------------------------------------------------------------------------

void TSeCustomForm::InvalidateWindow() {
  frameCache_.Invalidate();
  if (Control() && Control()->HandleAllocated())
    RedrawWindow(Control()->Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void TSeCustomForm::UpdateFrameRegion() {
  if (!Control() || !Control()->HandleAllocated()) return;
  if (performance_ == TSeFormPerformance::ksfpPersistentBuffer)
    EnsureBitmap(persistent_, persistentSize_, geometry_.FullSize(), false);
  // A hidden window is given its region when it shows (WMWindowPosChanging): while a form is
  // built and laid out its size changes many times, and each region is a trip to the window
  // server and a frame recalculation (some 2.5 ms each under Wine) that nobody sees.
  if (IsWindowVisible(Control()->Handle()))
    ApplyFrameRegion();
  else
    regionPending_ = true;
  if (OnResize) OnResize(this);
}

void TSeCustomForm::ApplyFrameRegion() {
  regionPending_ = false;
  paintingEnabled_ = false;
  ScopeGuard enable([this] { paintingEnabled_ = true; });
  Handles::Region region = CreateFrameRegion();
  if (geometry_.ShadowShown()) {
    Handles::Region shifted = CreateFrameRegion();
    OffsetRgn(shifted.Get(), geometry_.ShadowSize(), geometry_.ShadowSize());
    CombineRgn(region.Get(), region.Get(), shifted.Get(), RGN_OR);
  }
  // The window owns the region from here on.
  SetWindowRgn(Control()->Handle(), region.Release(), TRUE);
  paintingEnabled_ = true;
  enable.Dismiss();
}

void TSeCustomForm::UpdateFrame() {
  if (!Active() || !Control() || !Control()->HandleAllocated() ||
      ComponentState().Contains(TComponentStateFlag::csDesigning))
    return;
  inUpdateFrame_ = true;
  ScopeGuard done([this] { inUpdateFrame_ = false; });
  const HWND window = Control()->Handle();
  RECT client{};
  GetClientRect(window, &client);
  RECT r{};
  GetWindowRect(window, &r);
  const int width = r.right - r.left;
  const int height = r.bottom - r.top;
  // Sizing the window by one pixel and back makes the platform ask WM_NCCALCSIZE again.
  const UINT flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
  SetWindowPos(window, nullptr, 0, 0, width, height + 1, flags);
  SetWindowPos(window, nullptr, 0, 0, width, height, flags);
  RECT after{};
  GetClientRect(window, &after);
  const int dx = (client.right - client.left) - (after.right - after.left);
  const int dy = (client.bottom - client.top) - (after.bottom - after.top);
  if (dx != 0 || dy != 0) SetWindowPos(window, nullptr, 0, 0, width + dx, height + dy, flags);
  inUpdateFrame_ = false;
  done.Dismiss();
  InvalidateWindow();
}

void TSeCustomForm::CaptureBackground(const TRect& window) {
  if (window == captured_ || inUpdateFrame_) return;
  const W state = states_.WindowState();
  if (!blending_.Enabled() && (state == W::kwsMaximized || restoredFromMaximized_)) return;
  Handles::WindowDC screen(nullptr);
  Handles::Bitmap next(CreateCompatibleBitmap(screen.Get(), std::max(1, RectWidth(window)),
                                              std::max(1, RectHeight(window))));
  Handles::CreatedDC to = Handles::CreatedDC::Compatible(screen.Get());
  Handles::SelectedObject toSel(to.Get(), next.Get());
  BitBlt(to.Get(), 0, 0, RectWidth(window), RectHeight(window), screen.Get(), window.Left,
         window.Top, SRCCOPY);
  const TRect overlap = IntersectRect(window, captured_);
  if (background_ && !IsRectEmpty(overlap)) {
    // The screen shows the window itself there: the old copy knows what lay behind it.
    Handles::CreatedDC from = Handles::CreatedDC::Compatible(screen.Get());
    Handles::SelectedObject fromSel(from.Get(), background_.Get());
    BitBlt(to.Get(), overlap.Left - window.Left, overlap.Top - window.Top, RectWidth(overlap),
           RectHeight(overlap), from.Get(), overlap.Left - captured_.Left,
           overlap.Top - captured_.Top, SRCCOPY);
  }
  toSel.Reset();
  background_ = std::move(next);
  captured_ = window;
}

// ---- painting ----------------------------------------------------------------------------

void TSeCustomForm::PaintNonClient() {
  if (!Control() || !Control()->HandleAllocated() || !paintingEnabled_) return;
  const TSize full = geometry_.FullSize();
  if (full.cx <= 0 || full.cy <= 0) return;
  const TRect client = GetFrameClientRect();
  if (client == geometry_.FrameRect() && !geometry_.ShadowShown()) return;
  const HWND window = Control()->Handle();
  Handles::WindowDC dc = Handles::WindowDC::Whole(window);
  const bool effects = geometry_.ShadowShown() || blending_.Enabled();
  // The shadow and the blending mix in what lies behind the window: those frames are never kept.
  const bool cached = !effects && CachesFrame();
  TSeFrameLook look;
  if (cached) {
    look = FrameLook(client);
    if (frameCache_.Paint(dc.Get(), look)) return;
  }
  if (performance_ == TSeFormPerformance::ksfpNoBuffer && !effects && !cached) {
    Handles::SavedDC saved(dc.Get());
    ExcludeClipRect(dc.Get(), client.Left, client.Top, client.Right, client.Bottom);
    PaintFrame(dc.Get());
    return;
  }
  Handles::Bitmap temporary;
  TSize temporarySize;
  HBITMAP surface = nullptr;
  switch (performance_) {
    case TSeFormPerformance::ksfpSharedBuffer:
      surface = EnsureBitmap(SharedBuffer().Bitmap, SharedBuffer().Size, full, true);
      break;
    case TSeFormPerformance::ksfpPersistentBuffer:
      surface = EnsureBitmap(persistent_, persistentSize_, full, false);
      break;
    default:
      surface = EnsureBitmap(temporary, temporarySize, full, false);
      break;
  }
  Handles::CreatedDC memory = Handles::CreatedDC::Compatible(dc.Get());
  Handles::SelectedObject selected(memory.Get(), surface);
  {
    Handles::SavedDC saved(memory.Get());
    if (geometry_.ShadowShown()) DrawShadow(memory.Get(), client);
    ExcludeClipRect(memory.Get(), client.Left, client.Top, client.Right, client.Bottom);
    PaintFrame(memory.Get());
    if (blending_.Enabled() && background_) {
      // The frame bands over what lies behind the window, at the blending value.
      Handles::CreatedDC behind = Handles::CreatedDC::Compatible(dc.Get());
      Handles::SelectedObject behindSel(behind.Get(), background_.Get());
      Handles::CreatedDC mixed = Handles::CreatedDC::Compatible(dc.Get());
      Handles::Bitmap mixedBitmap(CreateCompatibleBitmap(dc.Get(), full.cx, full.cy));
      Handles::SelectedObject mixedSel(mixed.Get(), mixedBitmap.Get());
      // The frame rectangle only: the shadow strips are laid over the background already.
      const TSize frame = geometry_.FrameSize();
      BitBlt(mixed.Get(), 0, 0, frame.cx, frame.cy, behind.Get(), 0, 0, SRCCOPY);
      const BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(blending_.Value()), 0};
      AlphaBlend(mixed.Get(), 0, 0, frame.cx, frame.cy, memory.Get(), 0, 0, frame.cx, frame.cy,
                 blend);
      BitBlt(memory.Get(), 0, 0, frame.cx, frame.cy, mixed.Get(), 0, 0, SRCCOPY);
    }
  }
  if (cached) frameCache_.Store(memory.Get(), look);
  CopyBands(dc.Get(), memory.Get(), client, full);
}

TSeFrameLook TSeCustomForm::FrameLook(const TRect& client) {
  TSeFrameLook look;
  look.Full = geometry_.FullSize();
  look.Client = client;
  look.Active = windowActive_ || renderingActive_;
  look.State = states_.WindowState();
  look.Style = borderStyle_;
  look.Icons = borderIcons_.Bits();
  look.Hot = hotZone_;
  look.Down = downZone_;
  look.Tracked = tracked_.Bits();
  look.Dragging = drag_.Dragging();
  look.WindowIcon = WindowIcon();
  look.Caption = caption_;
  if (Control()) look.WindowText = Control()->Caption();
  return look;
}

HICON TSeCustomForm::WindowIcon() const {
  HICON handle = nullptr;
  if (TCustomForm* form = OwnerForm()) handle = form->Icon().Handle();
  if (!handle && Application) handle = Application->Icon().Handle();
  return handle;
}

// The shadow strips right of and below the frame: nested rings of the shade (0x3F3F3F) over
// what lies behind the window; the frame painted afterwards covers all but the strips.
void TSeCustomForm::DrawShadow(HDC dc, const TRect& client) {
  const TSize full = geometry_.FullSize();
  const TSize frame = geometry_.FrameSize();
  const int s = geometry_.ShadowSize();
  if (background_) {
    Handles::CreatedDC behind = Handles::CreatedDC::Compatible(dc);
    Handles::SelectedObject sel(behind.Get(), background_.Get());
    BitBlt(dc, frame.cx, 0, s, full.cy, behind.Get(), frame.cx, 0, SRCCOPY);
    BitBlt(dc, 0, frame.cy, full.cx, s, behind.Get(), 0, frame.cy, SRCCOPY);
  } else {
    const RECT right{frame.cx, 0, full.cx, full.cy};
    const RECT bottom{0, frame.cy, full.cx, full.cy};
    FillRect(dc, &right, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    FillRect(dc, &bottom, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  }
  // The shade goes into a layer of its own, each pixel keeping the alpha it was last filled
  // with, and the layer is then laid over the background once.
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof(format.bmiHeader);
  format.bmiHeader.biWidth = full.cx;
  format.bmiHeader.biHeight = -full.cy;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  Handles::Bitmap layer(CreateDIBSection(dc, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!layer || !bits) return;
  auto* pixels = static_cast<std::uint32_t*>(bits);
  const auto put = [&](int x, int y, std::uint32_t alpha) {
    if (x < 0 || y < 0 || x >= full.cx || y >= full.cy) return;
    // Premultiplied, as the platform's per-pixel blend takes it.
    const std::uint32_t shade = 0x3F * alpha / 255;
    pixels[y * full.cx + x] = alpha << 24 | shade << 16 | shade << 8 | shade;
  };
  const auto fill = [&](const TRect& r, std::uint32_t alpha) {
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) put(x, y, alpha);
  };
  // Four nested rings, shrinking towards the corner pixel's side; the corner pixel of each
  // ring keeps the alpha of the ring outside it.
  enum class TCorner { TopRight, BottomLeft, BottomRight };
  const auto rings = [&](TRect band, TCorner corner) {
    const auto cornerPixel = [&](std::uint32_t alpha) {
      const int x = corner == TCorner::BottomLeft ? band.Left : band.Right - 1;
      const int y = corner == TCorner::TopRight ? band.Top : band.Bottom - 1;
      if (!IsRectEmpty(band)) put(x, y, alpha);
    };
    const auto shrink = [&] {
      if (corner == TCorner::BottomLeft)
        ++band.Left;
      else
        --band.Right;
      if (corner == TCorner::TopRight)
        ++band.Top;
      else
        --band.Bottom;
    };
    fill(band, 120);
    cornerPixel(120);
    shrink();
    fill(band, 70);
    cornerPixel(120);
    shrink();
    fill(band, 20);
    cornerPixel(70);
    shrink();
    fill(band, 128);
  };
  rings(Rect(client.Right, s, full.cx, client.Bottom), TCorner::TopRight);
  rings(Rect(s, client.Bottom, frame.cx, full.cy), TCorner::BottomLeft);
  rings(Rect(client.Right, client.Bottom, full.cx, full.cy), TCorner::BottomRight);
  Handles::CreatedDC shade = Handles::CreatedDC::Compatible(dc);
  Handles::SelectedObject shadeSel(shade.Get(), layer.Get());
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  AlphaBlend(dc, 0, 0, full.cx, full.cy, shade.Get(), 0, 0, full.cx, full.cy, blend);
}

void TSeCustomForm::PaintFrame(HDC dc) {
  if (borderStyle_ == TSeBorderStyle::kbsNone) return;
  const TSize frame = geometry_.FrameSize();
  const TRect client = GetFrameClientRect();
  const RECT all{0, 0, frame.cx, frame.cy};
  const bool active = windowActive_ || renderingActive_;
  const TSeFrameMetrics metrics = Metrics();
  bool drawn = false;
  if (metrics.Themed && ThemeLibrary().DrawThemeBackground && Control()) {
    Handles::Theme theme = Handles::OpenTheme(Control()->Handle(), L"WINDOW");
    if (theme) {
      const bool tool = borderStyle_ == TSeBorderStyle::kbsToolWindow;
      const int state = active ? 1 : 2;
      const RECT left{0, client.Top, client.Left, frame.cy};
      const RECT right{client.Right, client.Top, frame.cx, frame.cy};
      const RECT bottom{0, client.Bottom, frame.cx, frame.cy};
      const RECT caption{0, 0, frame.cx, client.Top};
      const auto draw = ThemeLibrary().DrawThemeBackground;
      draw(theme.Get(), dc, tool ? 10 : 7, state, &left, nullptr);
      draw(theme.Get(), dc, tool ? 11 : 8, state, &right, nullptr);
      draw(theme.Get(), dc, tool ? 12 : 9, state, &bottom, nullptr);
      draw(theme.Get(), dc, tool ? 2 : 1, state, &caption, nullptr);
      drawn = true;
    }
  }
  if (!drawn) {
    FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
    RECT edge = all;
    DrawEdge(dc, &edge, EDGE_RAISED, BF_RECT);
    const int border = metrics.FrameWidth;
    TRIVERTEX v[2]{};
    const COLORREF from = GetSysColor(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
    const COLORREF to =
        GetSysColor(active ? COLOR_GRADIENTACTIVECAPTION : COLOR_GRADIENTINACTIVECAPTION);
    v[0] = TRIVERTEX{border,
                     border,
                     static_cast<COLOR16>(GetRValue(from) << 8),
                     static_cast<COLOR16>(GetGValue(from) << 8),
                     static_cast<COLOR16>(GetBValue(from) << 8),
                     0};
    v[1] = TRIVERTEX{frame.cx - border,
                     client.Top,
                     static_cast<COLOR16>(GetRValue(to) << 8),
                     static_cast<COLOR16>(GetGValue(to) << 8),
                     static_cast<COLOR16>(GetBValue(to) << 8),
                     0};
    GRADIENT_RECT g{0, 1};
    GradientFill(dc, v, 2, &g, 1, GRADIENT_FILL_RECT_H);
  }
  PaintPlainCaption(dc, client);
}

void TSeCustomForm::PaintPlainCaption(HDC dc, const TRect& client) {
  const TSeFrameMetrics metrics = Metrics();
  const bool tool = borderStyle_ == TSeBorderStyle::kbsToolWindow;
  const bool active = windowActive_ || renderingActive_;
  NONCLIENTMETRICSW ncm{};
  ncm.cbSize = sizeof(ncm);
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0);
  Handles::Font font(CreateFontIndirectW(tool ? &ncm.lfSmCaptionFont : &ncm.lfCaptionFont));
  Handles::SelectedObject fontSel(dc, font.Get());
  int reserve = 2 * metrics.SmallCaptionHeight;
  if (!tool) {
    int count = 1;
    for (const auto icon :
         {TSeBorderIcon::kbiClose, TSeBorderIcon::kbiMinimize, TSeBorderIcon::kbiMaximize,
          TSeBorderIcon::kbiHelp, TSeBorderIcon::kbiRollup, TSeBorderIcon::kbiTray})
      if (borderIcons_.Contains(icon)) ++count;
    reserve = GetSystemMetrics(SM_CYSIZE) * count;
  }
  RECT text{client.Left + 2, metrics.FrameWidth, geometry_.FrameSize().cx - reserve - 2,
            client.Top};
  const TRect icon = GetCaptionButtonRect(TSeBorderIcon::kbiSystemMenu);
  if (!IsRectEmpty(icon) && !tool) {
    text.left = icon.Right + 2;
    HICON handle = WindowIcon();
    if (!handle) handle = LoadIconW(nullptr, IDI_APPLICATION);
    DrawIconEx(dc, icon.Left + (RectWidth(icon) - 16) / 2, icon.Top + (RectHeight(icon) - 16) / 2,
               handle, 16, 16, 0, nullptr, DI_NORMAL);
  }
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
  DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &text,
            DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
  struct TButtonKind {
    TSeBorderIcon Icon;
    TSeFrameZone Zone;
    UINT Kind;
  };
  const bool maximized = states_.WindowState() == W::kwsMaximized;
  const TButtonKind buttons[] = {
      {TSeBorderIcon::kbiClose, TSeFrameZone::kfzClose, DFCS_CAPTIONCLOSE},
      {TSeBorderIcon::kbiMinimize, TSeFrameZone::kfzMinimize, DFCS_CAPTIONMIN},
      {TSeBorderIcon::kbiMaximize, TSeFrameZone::kfzMaximize,
       static_cast<UINT>(maximized ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMAX)},
      {TSeBorderIcon::kbiRollup, TSeFrameZone::kfzRollup, DFCS_SCROLLUP},
      {TSeBorderIcon::kbiTray, TSeFrameZone::kfzTray, DFCS_SCROLLDOWN},
      {TSeBorderIcon::kbiHelp, TSeFrameZone::kfzHelp, DFCS_CAPTIONHELP}};
  for (const TButtonKind& b : buttons) {
    const TRect r = GetCaptionButtonRect(b.Icon);
    if (IsRectEmpty(r)) continue;
    RECT rr = ToRECT(r);
    const bool pressed = hotZone_ == b.Zone && downZone_ == b.Zone && tracked_.Contains(ssLeft);
    const UINT type =
        (b.Kind == DFCS_SCROLLUP || b.Kind == DFCS_SCROLLDOWN) ? DFC_SCROLL : DFC_CAPTION;
    DrawFrameControl(dc, &rr, type,
                     b.Kind | (pressed ? DFCS_PUSHED : 0) |
                         (hotZone_ == b.Zone && !drag_.Dragging() ? DFCS_HOT : 0));
  }
}

void TSeCustomForm::PaintClientBackground(HDC dc) {
  if (!Control()) return;
  const TRect client = GetFrameClientRect();
  const RECT r{0, 0, RectWidth(client), RectHeight(client)};
  Handles::Brush brush(CreateSolidBrush(ColorToRGB(Control()->Color())));
  FillRect(dc, &r, brush.Get());
}

void TSeCustomForm::EraseBackground(HDC dc, const TSeBackgroundRequest* request) {
  if (!dc || !paintingEnabled_) return;
  Handles::SavedDC saved(dc);
  if (request && request->Flag != 1)
    IntersectClipRect(dc, request->Left, request->Top, request->Right, request->Bottom);
  if (OnPaint && !ComponentState().Contains(TComponentStateFlag::csLoading)) {
    OnPaint(this);
    return;
  }
  if (!blending_.Enabled() || !background_) {
    PaintClientBackground(dc);
    return;
  }
  // Blended, the client area too lies over what is behind the window at the blending value.
  const TRect client = GetFrameClientRect();
  const int width = std::max(1, RectWidth(client));
  const int height = std::max(1, RectHeight(client));
  Handles::WindowDC screen(nullptr);
  Handles::Bitmap paintedBitmap(CreateCompatibleBitmap(screen.Get(), width, height));
  Handles::CreatedDC painted = Handles::CreatedDC::Compatible(screen.Get());
  Handles::SelectedObject paintedSel(painted.Get(), paintedBitmap.Get());
  PaintClientBackground(painted.Get());
  Handles::Bitmap mixedBitmap(CreateCompatibleBitmap(screen.Get(), width, height));
  Handles::CreatedDC mixed = Handles::CreatedDC::Compatible(screen.Get());
  Handles::SelectedObject mixedSel(mixed.Get(), mixedBitmap.Get());
  {
    Handles::CreatedDC behind = Handles::CreatedDC::Compatible(screen.Get());
    Handles::SelectedObject behindSel(behind.Get(), background_.Get());
    BitBlt(mixed.Get(), 0, 0, width, height, behind.Get(), client.Left, client.Top, SRCCOPY);
  }
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(blending_.Value()), 0};
  AlphaBlend(mixed.Get(), 0, 0, width, height, painted.Get(), 0, 0, width, height, blend);
  BitBlt(dc, 0, 0, width, height, mixed.Get(), 0, 0, SRCCOPY);
}

// ---- messages before the window ----------------------------------------------------------

void TSeCustomForm::WMNCCalcSize(TMessage& message) {
  const TSeFrameInsets insets =
      TSeFrameGeometry::Insets(GetFrameClientRect(), geometry_.FullSize());
  RECT* proposed = message.WParam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(message.LParam)->rgrc
                                  : reinterpret_cast<RECT*>(message.LParam);
  const TRect client = TSeFrameGeometry::CalcClientRect(ToTRect(proposed[0]), insets);
  proposed[0] = ToRECT(client);
  if (message.WParam) proposed[1] = proposed[0];
  message.Result = 0;
  SetHandled(true);
}

void TSeCustomForm::WMNCPaint(TMessage& message) {
  PaintNonClient();
  message.Result = 0;
  SetHandled(true);
}

void TSeCustomForm::WMNCActivate(TMessage& message) {
  windowActive_ = message.WParam != 0;
  if (minimizeApplication_ && !applicationChained_) ChainApplication();
  PaintNonClient();
  message.Result = windowActive_ ? 0 : 1;
  // Activation is answered 0 but not swallowed: the platform still switches the focus.
  SetHandled(!windowActive_);
  if (windowActive_) message.Result = DefWindowProcW(Handle(), WM_NCACTIVATE, 1, -1);
  SetHandled(true);
}

void TSeCustomForm::WMNCHitTest(TMessage& message) {
  const POINT screen{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
  const TPoint at = ScreenToWindow(screen);
  const TSeFrameZone zone = GetFrameZone(at.X, at.Y);
  message.Result = FrameZones::HitTestAnswer(zone, dragging_.Moveable(), dragging_.Sizeable(),
                                             states_.WindowState() == W::kwsMaximized);
  SetHandled(true);
}

// Every non-client button and move message goes the same way: the point to window
// coordinates, the button tracked from down to up, the frame's handler, handled.
void TSeCustomForm::FrameMouseMessage(TMessage& message, TFrameMouseStep step,
                                      TSeMouseButton button) {
  const TShiftState held{button == TSeMouseButton::mbLeft ? ssLeft : ssRight};
  if (step == TFrameMouseStep::Down && Control() && GetActiveWindow() != Control()->Handle())
    SetActiveWindow(Control()->Handle());
  const TPoint at =
      ScreenToWindow(POINT{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)});
  switch (step) {
    case TFrameMouseStep::Down:
      tracked_ = held;
      FrameMouseDown(button, held, at.X, at.Y);
      break;
    case TFrameMouseStep::DoubleClick: {
      const TShiftState shift = held + TShiftState{ssDouble};
      FrameMouseDown(button, shift, at.X, at.Y);
      FrameMouseUp(button, shift, at.X, at.Y);
      tracked_ = {};
      break;
    }
    case TFrameMouseStep::Up:
      tracked_ = {};
      FrameMouseUp(button, {}, at.X, at.Y);
      break;
    case TFrameMouseStep::Move:
      FrameMouseMove(tracked_, at.X, at.Y);
      break;
  }
  // A double click is answered 1: the platform's own double-click action must not follow.
  message.Result = step == TFrameMouseStep::DoubleClick ? 1 : 0;
  SetHandled(true);
}

void TSeCustomForm::WMNCLButtonDown(TMessage& message) {
  FrameMouseMessage(message, TFrameMouseStep::Down, TSeMouseButton::mbLeft);
}

void TSeCustomForm::WMNCLButtonDblClk(TMessage& message) {
  FrameMouseMessage(message, TFrameMouseStep::DoubleClick, TSeMouseButton::mbLeft);
}

void TSeCustomForm::WMNCLButtonUp(TMessage& message) {
  FrameMouseMessage(message, TFrameMouseStep::Up, TSeMouseButton::mbLeft);
}

void TSeCustomForm::WMNCMouseMove(TMessage& message) {
  FrameMouseMessage(message, TFrameMouseStep::Move, TSeMouseButton::mbLeft);
}

void TSeCustomForm::WMNCRButtonDown(TMessage& message) {
  FrameMouseMessage(message, TFrameMouseStep::Down, TSeMouseButton::mbRight);
}

void TSeCustomForm::WMNCRButtonUp(TMessage& message) {
  FrameMouseMessage(message, TFrameMouseStep::Up, TSeMouseButton::mbRight);
}

// Client coordinates of the captured mouse to window coordinates.
static TPoint ClientToWindowPoint(HWND window, LPARAM lParam) {
  POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  ClientToScreen(window, &p);
  RECT r{};
  GetWindowRect(window, &r);
  return TPoint{p.x - r.left, p.y - r.top};
}

void TSeCustomForm::WMMouseMove(TMessage& message) {
  if (hotZone_ != TSeFrameZone::kfzNone && !tracked_.Contains(ssLeft)) {
    hotZone_ = TSeFrameZone::kfzNone;
    PaintNonClient();
  }
  if (!tracked_.Empty()) {
    const TPoint at = ClientToWindowPoint(Handle(), message.LParam);
    FrameMouseMove(tracked_, at.X, at.Y);
  }
}

void TSeCustomForm::WMLButtonUp(TMessage& message) {
  if (tracked_.Empty()) return;
  const TPoint at = ClientToWindowPoint(Handle(), message.LParam);
  tracked_ = {};
  FrameMouseUp(TSeMouseButton::mbLeft, {}, at.X, at.Y);
}

void TSeCustomForm::WMActivate(TMessage& message) {
  if (!windowActive_ && HIWORD(message.WParam) != 0 && states_.WindowState() != W::kwsMinimized)
    DoMinimize();
}

void TSeCustomForm::WMPaint(TMessage& message) {
  if (!Control()) return;
  auto* control = Control();
  if (message.WParam) {
    control->PaintHandler(message);
  } else {
    // The window's own paint handler opens BeginPaint itself.
    control->PaintHandler(message);
  }
  message.Result = 0;
  SetHandled(true);
}

void TSeCustomForm::WMEraseBkgnd(TMessage& message) {
  const auto dc = reinterpret_cast<HDC>(message.WParam);
  const auto* request = reinterpret_cast<const TSeBackgroundRequest*>(message.LParam);
  // lParam is either nothing or a background request (what a transparent control sends).
  EraseBackground(dc, request);
  message.Result = 1;
  SetHandled(true);
}

void TSeCustomForm::WMWindowPosChanging(TMessage& message) {
  auto* pos = reinterpret_cast<WINDOWPOS*>(message.LParam);
  const TSeWindowPosFlags flags{(pos->flags & SWP_NOSIZE) != 0, (pos->flags & SWP_NOMOVE) != 0,
                                (pos->flags & SWP_FRAMECHANGED) != 0};
  const W state = states_.WindowState();
  geometry_.SetMaximized(state == W::kwsMaximized);
  TSize size{pos->cx, pos->cy};
  const bool applyMinimum = state != W::kwsRollup && state != W::kwsMinimized;
  const bool changed =
      geometry_.PositionChanging(size, flags, GetMinTrackSize(), GetMaxTrackSize(), applyMinimum);
  if (!(flags.NoSize && flags.NoMove)) {
    pos->cx = size.cx;
    pos->cy = size.cy;
  }
  if (flags.FrameChanged) PaintNonClient();
  const bool effects = blending_.Enabled() || geometry_.ShadowShown();
  if (effects) {
    TRect at = WindowRect();
    if (!flags.NoMove) at = Bounds(pos->x, pos->y, RectWidth(at), RectHeight(at));
    if (!flags.NoSize) at = Bounds(at.Left, at.Top, pos->cx, pos->cy);
    CaptureBackground(at);
  }
  if (changed) UpdateFrameRegion();
  if ((pos->flags & SWP_SHOWWINDOW) && regionPending_) ApplyFrameRegion();
  if ((pos->flags & SWP_SHOWWINDOW) && !statePending_) {
    if (effects) {
      captured_ = TRect{};
      CaptureBackground(WindowRect());
    }
    PlayShowAnimation();
  }
  if (effects) pos->flags |= SWP_NOCOPYBITS;
  message.Result = 0;
  SetHandled(true);
}

// The transition runs on the screen itself, from what lay behind the window to the window's
// image, before the window paints for real.
void TSeCustomForm::PlayShowAnimation() {
  if (!animation_.Enabled() || !Control() || !Control()->HandleAllocated()) return;
  const TSize full = geometry_.FullSize();
  if (full.cx <= 0 || full.cy <= 0) return;
  const TRect at = WindowRect();
  captured_ = TRect{};
  CaptureBackground(Bounds(at.Left, at.Top, full.cx, full.cy));
  if (!background_) return;
  TSeBitmap from;
  ReadPixels(background_.Get(), full, from);
  TSeBitmap to;
  RenderWindowImage(to);
  Handles::WindowDC screen(nullptr);
  RunTransition(screen.Get(), at.Left, at.Top, animation_, from, to);
}

void TSeCustomForm::RenderWindowImage(TSeBitmap& image) {
  const TSize full = geometry_.FullSize();
  const HWND window = Control()->Handle();
  Handles::WindowDC screen(nullptr);
  Handles::Bitmap bitmap(CreateCompatibleBitmap(screen.Get(), full.cx, full.cy));
  {
    Handles::CreatedDC memory = Handles::CreatedDC::Compatible(screen.Get());
    Handles::SelectedObject selected(memory.Get(), bitmap.Get());
    const HDC dc = memory.Get();
    renderingActive_ = true;
    ScopeGuard back([this] { renderingActive_ = false; });
    const TRect client = GetFrameClientRect();
    {
      Handles::SavedDC saved(dc);
      if (geometry_.ShadowShown()) DrawShadow(dc, client);
      ExcludeClipRect(dc, client.Left, client.Top, client.Right, client.Bottom);
      PaintFrame(dc);
    }
    {
      Handles::SavedDC saved(dc);
      SetViewportOrgEx(dc, client.Left, client.Top, nullptr);
      IntersectClipRect(dc, 0, 0, RectWidth(client), RectHeight(client));
      EraseBackground(dc, nullptr);
      // The window's own painting with the DC given draws its graphic controls.
      SendMessageW(window, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
      // Child windows from the bottom of the order up, each at its place in the client area.
      for (HWND child = GetWindow(GetWindow(window, GW_CHILD), GW_HWNDLAST); child;
           child = GetWindow(child, GW_HWNDPREV)) {
        if (!IsWindowVisible(child)) continue;
        RECT r{};
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
        Handles::SavedDC childSaved(dc);
        OffsetViewportOrgEx(dc, r.left, r.top, nullptr);
        SendMessageW(child, WM_PRINT, reinterpret_cast<WPARAM>(dc),
                     PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN);
      }
    }
    Handles::Region region = CreateFrameRegion();
    if (geometry_.ShadowShown()) {
      Handles::Region shifted = CreateFrameRegion();
      OffsetRgn(shifted.Get(), geometry_.ShadowSize(), geometry_.ShadowSize());
      CombineRgn(region.Get(), region.Get(), shifted.Get(), RGN_OR);
    }
    Handles::Region outside(CreateRectRgn(0, 0, full.cx, full.cy));
    CombineRgn(outside.Get(), outside.Get(), region.Get(), RGN_DIFF);
    Handles::Brush key(CreateSolidBrush(RGB(0x7F, 0x00, 0x7F)));
    FillRgn(dc, outside.Get(), key.Get());
  }
  ReadPixels(bitmap.Get(), full, image);
}

void TSeCustomForm::WMSysCommand(TMessage& message) {
  const UINT command = static_cast<UINT>(message.WParam) & 0xFFF0;
  if ((command == SC_KEYMENU && message.LParam == ' ') || command == SC_MOUSEMENU) {
    ShowSystemMenu();
    message.Result = 0;
    SetHandled(true);
  }
}

void TSeCustomForm::WMThemeChanged(TMessage& message) {
  // The metrics are read at every use, so only the frame needs drawing again.
  frameCache_.Invalidate();
  PaintNonClient();
  message.Result = 0;
  SetHandled(true);
}

void TSeCustomForm::SERestoreCaption(TMessage& message) {
  if (message.WParam == 13 && Control()) {
    const HWND window = Control()->Handle();
    SetWindowLongPtrW(window, GWL_STYLE, GetWindowLongPtrW(window, GWL_STYLE) | WS_CAPTION);
  }
  PaintNonClient();
  SetHandled(true);
}

void TSeCustomForm::SEApplyState(TMessage& message) {
  switch (static_cast<W>(message.WParam)) {
    case W::kwsMaximized:
      DoMaximize();
      break;
    case W::kwsMinimized:
      DoMinimize();
      break;
    case W::kwsRollup:
      DoRollup();
      break;
    case W::kwsTray:
      DoMinimizeToTray();
      break;
    default:
      break;
  }
  statePending_ = false;
  SetHandled(true);
}

void TSeCustomForm::SEPaintFrame(TMessage& message) {
  SetHandled(true);
  const auto dc = reinterpret_cast<HDC>(message.LParam);
  if (!dc) {
    message.Result = 0;
    return;
  }
  const int dx = static_cast<short>(LOWORD(message.WParam));
  const int dy = static_cast<short>(HIWORD(message.WParam));
  renderingActive_ = true;
  ScopeGuard restore([this] { renderingActive_ = false; });
  {
    Handles::SavedDC saved(dc);
    OffsetViewportOrgEx(dc, dx, dy, nullptr);
    PaintFrame(dc);
  }
  {
    const TRect client = GetFrameClientRect();
    Handles::SavedDC saved(dc);
    OffsetViewportOrgEx(dc, dx + client.Left, dy + client.Top, nullptr);
    IntersectClipRect(dc, 0, 0, RectWidth(client), RectHeight(client));
    EraseBackground(dc, nullptr);
  }
  message.Result = 1;
}

// ---- messages after the window -----------------------------------------------------------

void TSeCustomForm::AfterMessage(TMessage& message, bool& handled) {
  if (message.Msg == WM_GETTEXT && message.LParam && Control()) {
    const std::wstring text(reinterpret_cast<const wchar_t*>(message.LParam),
                            static_cast<std::size_t>(message.Result));
    if (text != cachedCaption_ && static_cast<std::size_t>(message.Result) + 1 < message.WParam) {
      const HWND window = Control()->Handle();
      // The platform would draw its own caption over ours while the caption style is set.
      SetWindowLongPtrW(window, GWL_STYLE,
                        GetWindowLongPtrW(window, GWL_STYLE) & ~static_cast<LONG_PTR>(WS_CAPTION));
      caption_ = text;
      cachedCaption_ = text;
      PostMessageW(window, SE_RESTORECAPTION, 13, 0);
    }
  } else if (message.Msg == WM_SYSCOMMAND && (message.WParam & 0xFFF0) == SC_CONTEXTHELP) {
    PaintNonClient();
  }
  (void)handled;
}

// ---- frame mouse -------------------------------------------------------------------------

void TSeCustomForm::FrameMouseDown(TSeMouseButton button, TShiftState, std::int32_t x,
                                   std::int32_t y) {
  if (button != TSeMouseButton::mbLeft || !Control()) return;
  downZone_ = hotZone_ = GetFrameZone(x, y);
  PaintNonClient();
  const bool outline = dragging_.DragMode() == TSeFormDragMode::kfdmBorder;
  drag_.Start(downZone_, TPoint{x, y}, outline);
  if (drag_.Dragging()) {
    outline_ = TRect{};
    outlineMode_ = outline;
    if (outline) paintingEnabled_ = false;
  }
  SetCapture(Control()->Handle());
}

TSeDragRules TSeCustomForm::DragRules() {
  TSeDragRules rules;
  rules.Moveable = dragging_.Moveable();
  rules.Sizeable = dragging_.Sizeable();
  rules.State = states_.WindowState();
  rules.MinTrack = GetMinTrackSize();
  rules.Gravitation = gravitation_.Enabled() ? &gravitation_ : nullptr;
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  rules.WorkArea = ToTRect(work);
  rules.ShadowSize = geometry_.ShadowSize();
  return rules;
}

void TSeCustomForm::FrameMouseMove(TShiftState shift, std::int32_t x, std::int32_t y) {
  if (!shift.Contains(ssLeft) || !drag_.Dragging()) {
    const TSeFrameZone zone = GetFrameZone(x, y);
    if (zone != hotZone_) {
      hotZone_ = zone;
      PaintNonClient();
    }
    return;
  }
  const TRect bounds = drag_.Track(WindowBounds(), TPoint{x, y}, DragRules());
  if (outlineMode_) {
    if (states_.WindowState() != W::kwsMaximized) DrawOutline(bounds);
    return;
  }
  if (bounds != WindowBounds()) SetBoundsAndPaint(bounds);
  hotZone_ = GetFrameZone(x, y);
  PaintNonClient();
}

// A white XOR rectangle, two pixels wide, on the screen: drawn twice it is gone.
void TSeCustomForm::DrawOutline(const TRect& rect) {
  Handles::WindowDC screen(nullptr);
  Handles::Pen pen(CreatePen(PS_INSIDEFRAME, 2, RGB(255, 255, 255)));
  Handles::SelectedObject penSel(screen.Get(), pen.Get());
  Handles::SelectedObject brushSel(screen.Get(), GetStockObject(NULL_BRUSH));
  const int mode = SetROP2(screen.Get(), R2_XORPEN);
  if (!IsRectEmpty(outline_))
    Rectangle(screen.Get(), outline_.Left, outline_.Top, outline_.Right, outline_.Bottom);
  if (!IsRectEmpty(rect)) Rectangle(screen.Get(), rect.Left, rect.Top, rect.Right, rect.Bottom);
  SetROP2(screen.Get(), mode);
  outline_ = rect;
}

void TSeCustomForm::FrameMouseUp(TSeMouseButton button, TShiftState shift, std::int32_t x,
                                 std::int32_t y) {
  const TSeFrameZone up = GetFrameZone(x, y);
  if (button == TSeMouseButton::mbLeft) {
    if (Control() && GetCapture() == Control()->Handle()) ReleaseCapture();
    const TSeFrameCommand command = FrameCommands::LeftButtonUp(
        downZone_, up, shift.Contains(ssDouble), borderIcons_, states_.WindowState());
    const bool wasOutline = outlineMode_;
    if (drag_.Dragging() && wasOutline) {
      DrawOutline(TRect{});
      const TRect bounds = drag_.Track(WindowBounds(), TPoint{x, y}, DragRules());
      outlineMode_ = false;
      paintingEnabled_ = true;
      if (bounds != WindowBounds()) SetBoundsAndPaint(bounds);
      InvalidateWindow();
    }
    outlineMode_ = false;
    paintingEnabled_ = true;
    drag_.Stop();
    downZone_ = TSeFrameZone::kfzNone;
    PaintNonClient();
    switch (command) {
      case TSeFrameCommand::Close:
        DoClose();
        break;
      case TSeFrameCommand::Help:
        DoHelp();
        break;
      case TSeFrameCommand::Minimize:
        DoMinimize();
        break;
      case TSeFrameCommand::Maximize:
        DoMaximize();
        break;
      case TSeFrameCommand::Restore:
        DoRestore();
        break;
      case TSeFrameCommand::Rollup:
        DoRollup();
        break;
      case TSeFrameCommand::Tray:
        DoMinimizeToTray();
        break;
      case TSeFrameCommand::SystemMenu:
        ShowSystemMenu();
        break;
      default:
        break;
    }
    return;
  }
  if (button == TSeMouseButton::mbRight &&
      FrameCommands::RightButtonUp(up) == TSeFrameCommand::SystemMenu) {
    GetCursorPos(&systemMenuAt_);
    ScopeGuard reset([this] { systemMenuAt_ = POINT{0, 0}; });
    ShowSystemMenu();
  }
  downZone_ = TSeFrameZone::kfzNone;
}

// ---- application chaining ----------------------------------------------------------------

void TSeCustomForm::ChainApplication() {
  if (!Application) return;
  applicationChained_ = true;
  savedMinimize_ = Application->OnMinimize;
  savedRestore_ = Application->OnRestore;
  Application->OnMinimize = [this](TApplication* sender) { ApplicationMinimize(sender); };
  Application->OnRestore = [this](TApplication* sender) { ApplicationRestore(sender); };
}

// The application's slot stays ours while the handler runs; a nested call from the chained
// handler (or from our own state change) is let through to the previous handler only.
void TSeCustomForm::ApplicationMinimize(TApplication* sender) {
  if (!inApplicationHandler_) {
    inApplicationHandler_ = true;
    ScopeGuard back([this] { inApplicationHandler_ = false; });
    const W state = states_.WindowState();
    if (state != W::kwsMinimized && state != W::kwsTray) DoMinimize();
  }
  if (savedMinimize_) savedMinimize_(sender);
}

void TSeCustomForm::ApplicationRestore(TApplication* sender) {
  if (!inApplicationHandler_) {
    inApplicationHandler_ = true;
    ScopeGuard back([this] { inApplicationHandler_ = false; });
    if (states_.WindowState() == W::kwsMinimized) {
      DoRestore();
      PaintNonClient();
    }
  }
  if (savedRestore_) savedRestore_(sender);
}

void TSeCustomForm::UnchainApplication() {
  if (!applicationChained_ || !Application) return;
  Application->OnMinimize = savedMinimize_;
  Application->OnRestore = savedRestore_;
  applicationChained_ = false;
}
