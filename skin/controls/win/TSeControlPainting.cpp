#include "skin/controls/win/TSeControlPainting.h"

#include "framework/core/ScopeGuard.h"
#include "framework/core/win/Handles.h"
#include "framework/ui/TCanvas.h"
#include "framework/ui/TCustomForm.h"
#include "framework/ui/TWinControl.h"
#include "skin/SkinMessages.h"
#include "skin/forms/win/FindSkinFrame.h"
#include "skin/forms/win/TSeCustomForm.h"

namespace {

constexpr std::uint32_t kKeyColor = 0x007F007F;
constexpr int kSharedSlack = 500;

HDC ContextOf(const TSeBitmap& bitmap) {
  return static_cast<HDC>(bitmap.Surface().NativeContext());
}

// Moves the DC's window origin so that the parent's point (x, y) lands on the DC's (0, 0), and
// back when it goes.
class MovedOrigin {
 public:
  MovedOrigin(HDC dc, POINT by) : dc_(dc), by_(by) {
    OffsetWindowOrgEx(dc_, by_.x, by_.y, nullptr);
  }
  MovedOrigin(const MovedOrigin&) = delete;
  MovedOrigin& operator=(const MovedOrigin&) = delete;
  ~MovedOrigin() { OffsetWindowOrgEx(dc_, -by_.x, -by_.y, nullptr); }

 private:
  HDC dc_;
  POINT by_;
};

}  // namespace

TSeBitmap& SharedBuffer() {
  static TSeBitmap buffer;
  return buffer;
}

void EnsureSharedBufferSize() {
  TSeBitmap& buffer = SharedBuffer();
  if (!buffer.IsEmpty()) return;
  buffer.SetSize(GetSystemMetrics(SM_CXSCREEN) + kSharedSlack,
                 GetSystemMetrics(SM_CYSCREEN) + kSharedSlack);
}

TSeControlPainting::TSeControlPainting(TControl& control, bool windowed)
    : control_(control), windowed_(windowed) {
  blending_.SetOwnerNotify([this] { BlendingChanged(); });
}

bool TSeControlPainting::SetPerformance(TSePerformance value) {
  if (value == performance_) return false;
  if (blending_.Enabled() && value == TSePerformance::kspNoBuffer) return false;
  performance_ = value;
  return true;
}

bool TSeControlPainting::SetTransparent(bool value) {
  if (value == transparent_) return false;
  transparent_ = value;
  return true;
}

void TSeControlPainting::SetBlending(const TSeBlending& value) {
  // Assign reports the change through the owner notification.
  blending_.Assign(&value);
}

void TSeControlPainting::BlendingChanged() {
  if (blending_.Enabled() && performance_ == TSePerformance::kspNoBuffer)
    performance_ = TSePerformance::kspDoubleBuffer;
  if (OnChange) OnChange();
}

void TSeControlPainting::Paint(TCanvas& canvas, int width, int height,
                               const std::function<void()>& body) {
  if (width <= 0 || height <= 0) return;
  const HDC target = canvas.Handle();
  std::unique_ptr<TSeBitmap> doubleBuffer;
  HDC work = target;
  const TRect area{0, 0, width, height};
  switch (performance_) {
    case TSePerformance::kspSharedBuffer:
      EnsureSharedBufferSize();
      if (windowed_) SharedBuffer().FillRect(area, kKeyColor);
      work = ContextOf(SharedBuffer());
      break;
    case TSePerformance::kspDoubleBuffer:
      doubleBuffer = std::make_unique<TSeBitmap>();
      doubleBuffer->SetSize(width, height);
      if (windowed_) doubleBuffer->Fill(kKeyColor);
      work = ContextOf(*doubleBuffer);
      break;
    case TSePerformance::kspNoBuffer:
      break;
  }
  // The canvas goes back to the target (and the double buffer away) also when painting fails.
  ScopeGuard restore([&canvas, target, work] {
    if (work != target) canvas.SetHandle(target);
  });
  if (work != target) canvas.SetHandle(work);
  paintFont_.Assign(&control_.Font());
  if (transparent_) PaintParentBackground(work, width, height);
  body();
  if (performance_ == TSePerformance::kspNoBuffer) return;
  GdiFlush();
  TSeBitmap& buffer = doubleBuffer ? *doubleBuffer : SharedBuffer();
  if (blending_.Enabled()) {
    blendBuffer_.SetSize(width, height);
    blendBuffer_.SetAlpha(255);
    PaintParentBackground(ContextOf(blendBuffer_), width, height);
    GdiFlush();
    const auto alpha = static_cast<std::uint8_t>(blending_.Value());
    if (doubleBuffer)
      buffer.SetAlpha(alpha);
    else
      buffer.SetAlphaRect(alpha, area);
    buffer.Underlay(blendBuffer_, 0, 0, area);
  }
  // A control larger than the shared buffer is clipped to it.
  const int copyWidth = std::min(width, buffer.Width());
  const int copyHeight = std::min(height, buffer.Height());
  BitBlt(target, 0, 0, copyWidth, copyHeight, work, 0, 0, SRCCOPY);
}

void TSeControlPainting::PaintParentBackground(HDC dc, int width, int height) {
  TWinControl* parent = control_.Parent();
  if (!parent || width <= 0 || height <= 0) return;
  if (!windowed_ && !parent->HandleAllocated()) return;
  Handles::SavedDC saved(dc);
  if (performance_ != TSePerformance::kspNoBuffer) {
    RequestBackground(dc, false);
    return;
  }
  // Straight to the screen the parent would paint where it is seen; it paints into a bitmap
  // of the control's size instead, which is then copied.
  TSeBitmap temporary;
  temporary.SetSize(width, height);
  const HDC tempDC = ContextOf(temporary);
  RequestBackground(tempDC, true);
  GdiFlush();
  BitBlt(dc, 0, 0, width, height, tempDC, 0, 0, SRCCOPY);
}

void TSeControlPainting::RequestBackground(HDC dc, bool noBuffer) {
  TWinControl* parent = control_.Parent();
  const POINT origin = control_.ClientOrigin();
  const POINT p = parent->ScreenToClient(origin);
  TSeBackgroundRequest request;
  request.Left = control_.Left();
  request.Top = control_.Top();
  request.Right = control_.Left() + control_.Width();
  request.Bottom = control_.Top() + control_.Height();
  const LPARAM lParam = reinterpret_cast<LPARAM>(&request);
  MovedOrigin moved(dc, POINT{p.x, p.y});
  if (dynamic_cast<TCustomForm*>(parent)) {
    TSeCustomForm* frame = noBuffer ? FindSkinFrame(&control_) : nullptr;
    if (frame) {
      // Straight to the frame, and only the part under the control.
      IntersectClipRect(dc, request.Left, request.Top, request.Right, request.Bottom);
      TMessage message{WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), lParam, 0};
      frame->Dispatch(message);
    } else {
      // The form's window answers: through the frame's hook when one skins it, else its own
      // erase.
      SendMessageW(parent->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), lParam);
    }
  } else {
    parent->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), lParam);
  }
  if (windowed_ && blending_.Enabled()) PaintSiblingGraphics(dc);
}

void TSeControlPainting::PaintSiblingGraphics(HDC dc) {
  TWinControl* parent = control_.Parent();
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* child = parent->Controls(i);
    if (dynamic_cast<TWinControl*>(child) || !child->Visible()) continue;
    Handles::SavedDC saved(dc);
    POINT org;
    GetWindowOrgEx(dc, &org);
    SetWindowOrgEx(dc, org.x - child->Left(), org.y - child->Top(), nullptr);
    const RECT client = child->ClientRect();
    IntersectClipRect(dc, client.left, client.top, client.right, client.bottom);
    child->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  }
}
