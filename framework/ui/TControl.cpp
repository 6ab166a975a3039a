#include "framework/ui/TControl.h"

#include <algorithm>

#include "framework/ui/FontHandle.h"
#include "framework/ui/MessageParams.h"
#include "framework/ui/TApplication.h"
#include "framework/ui/TCustomForm.h"
#include "framework/ui/TPopupMenu.h"
#include "framework/ui/TWinControl.h"
#include "framework/ui/UiErrors.h"
#include "framework/ui/WideText.h"

namespace {

// The control holding the mouse while a button is down, when it has no window of its own.
TControl* captureControl = nullptr;

}  // namespace

const TEnumInfo& AlignInfo() {
  static const TEnumInfo info{
      "TAlign", {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient", "alCustom"}};
  return info;
}

const TEnumInfo& AnchorKindInfo() {
  static const TEnumInfo info{"TAnchorKind", {"akLeft", "akTop", "akRight", "akBottom"}};
  return info;
}

const TEnumInfo& BiDiModeInfo() {
  static const TEnumInfo info{
      "TBiDiMode",
      {"bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign", "bdRightToLeftReadingOnly"}};
  return info;
}

TShiftState KeysToShiftState(WPARAM keys) {
  TShiftState shift;
  if (keys & MK_SHIFT) shift.Include(ssShift);
  if (keys & MK_CONTROL) shift.Include(ssCtrl);
  if (keys & MK_LBUTTON) shift.Include(ssLeft);
  if (keys & MK_RBUTTON) shift.Include(ssRight);
  if (keys & MK_MBUTTON) shift.Include(ssMiddle);
  if (GetKeyState(VK_MENU) < 0) shift.Include(ssAlt);
  return shift;
}

TShiftState KeyboardShiftState() {
  TShiftState shift;
  if (GetKeyState(VK_SHIFT) < 0) shift.Include(ssShift);
  if (GetKeyState(VK_CONTROL) < 0) shift.Include(ssCtrl);
  if (GetKeyState(VK_MENU) < 0) shift.Include(ssAlt);
  return shift;
}

void TControl::DeclareProperties(TPropertyBuilder<TControl>& p) {
  p.Integer("Left", &TControl::Left, &TControl::SetLeft);
  p.Integer("Top", &TControl::Top, &TControl::SetTop);
  p.Integer("Width", &TControl::Width, &TControl::SetWidth);
  p.Integer("Height", &TControl::Height, &TControl::SetHeight);
  p.Enum("Align", AlignInfo(), &TControl::Align, &TControl::SetAlign).Default(alNone);
  p.Set("Anchors", AnchorKindInfo(), &TControl::Anchors, &TControl::SetAnchors)
      .Default(TAnchors{akLeft, akTop});
  p.Enum("BiDiMode", BiDiModeInfo(), &TControl::BiDiMode, &TControl::SetBiDiMode)
      .Default(bdLeftToRight);
  p.WideString(
      "Caption", [](const TControl& c) { return ToUtf16(const_cast<TControl&>(c).Text()); },
      [](TControl& c, const std::u16string& v) { c.SetText(ToWide(v)); });
  p.Color("Color", &TControl::Color, &TControl::SetColor);
  p.Object("Constraints", &TControl::constraints_);
  p.IntegerIdent("Cursor", CursorIdents(), &TControl::Cursor, &TControl::SetCursor)
      .Default(crDefault);
  p.Boolean("Enabled", &TControl::Enabled, &TControl::SetEnabled).Default(true);
  p.Object("Font", &TControl::font_);
  p.WideString(
      "Hint", [](const TControl& c) { return ToUtf16(c.Hint()); },
      [](TControl& c, const std::u16string& v) { c.SetHint(ToWide(v)); });
  p.Boolean("ParentBiDiMode", &TControl::ParentBiDiMode, &TControl::SetParentBiDiMode)
      .Default(true);
  p.Boolean("ParentColor", &TControl::ParentColor, &TControl::SetParentColor).Default(false);
  p.Boolean("ParentFont", &TControl::ParentFont, &TControl::SetParentFont).Default(true);
  p.Boolean("ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint)
      .Default(true);
  p.Reference("PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu);
  p.Boolean("ShowHint", &TControl::ShowHint, &TControl::SetShowHint).Default(false);
  p.Boolean("Visible", &TControl::Visible, &TControl::SetVisible).Default(true);
  p.Event("OnClick", &TControl::OnClick);
  p.Event("OnDblClick", &TControl::OnDblClick);
  p.Event("OnMouseDown", &TControl::OnMouseDown);
  p.Event("OnMouseEnter", &TControl::OnMouseEnter);
  p.Event("OnMouseLeave", &TControl::OnMouseLeave);
  p.Event("OnMouseMove", &TControl::OnMouseMove);
  p.Event("OnMouseUp", &TControl::OnMouseUp);
  p.Event("OnResize", &TControl::OnResize);
}

TControl::TControl(TComponent* owner) : TComponent(owner) {
  WindowProc = [this](TMessage& message) { WndProc(message); };
  font_.OnChange = TNotifyEvent([this](TObject*) { FontChanged(); });
}

TControl::~TControl() {
  if (captureControl == this) SetMouseCapture(false);
  if (Application) Application->ControlDestroyed(this);
  if (parent_) parent_->RemoveControl(this);
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  WindowProc(message);
  return message.Result;
}

void TControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (controlStyle_ & csCaptureMouse) SetMouseCapture(true);
      if (controlStyle_ & csClickEvents) controlState_ |= csClicked;
      break;
    case WM_LBUTTONUP:
      controlState_ &= ~csLButtonDown;
      break;
    default:
      break;
  }
  Dispatch(message);
}

void TControl::DefaultHandler(TMessage& message) {
  switch (message.Msg) {
    case WM_GETTEXTLENGTH:
      message.Result = static_cast<LRESULT>(text_.size());
      break;
    default:
      break;
  }
}

void TControl::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && popupMenu_ && component == popupMenu_)
    popupMenu_ = nullptr;
}

TComponent* TControl::GetParentComponent() const {
  return parent_;
}

void TControl::SetParentComponent(TComponent* parent) {
  SetParent(ObjectAs<TWinControl>(parent));
}

void TControl::Loaded() {
  TComponent::Loaded();
  if (parent_) UpdateAnchorRules();
}

void TControl::SetParent(TWinControl* parent) {
  if (parent_ == parent) return;
  if (parent == this) throw EInvalidOperation("A control cannot be its own parent");
  if (parent_) parent_->RemoveControl(this);
  if (parent) parent->InsertControl(this);
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (constraints_.MinWidth > 0) width = std::max(width, constraints_.MinWidth);
  if (constraints_.MaxWidth > 0) width = std::min(width, constraints_.MaxWidth);
  if (constraints_.MinHeight > 0) height = std::max(height, constraints_.MinHeight);
  if (constraints_.MaxHeight > 0) height = std::min(height, constraints_.MaxHeight);
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  const bool resized = width != width_ || height != height_;
  const bool windowless = dynamic_cast<TWinControl*>(this) == nullptr;
  if (windowless) Invalidate();
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  UpdateAnchorRules();
  if (windowless) Invalidate();
  BoundsChanged();
  if (parent_ && align_ != alNone && !(parent_->ControlState() & csAligning)) RequestAlign();
  if (resized) Resize();
}

RECT TControl::ClientRect() {
  return RECT{0, 0, width_, height_};
}

void TControl::SetClientSize(int width, int height) {
  const RECT client = ClientRect();
  SetBounds(left_, top_, width_ + width - (client.right - client.left),
            height_ + height - (client.bottom - client.top));
}

POINT TControl::ClientOrigin() {
  if (!parent_) return POINT{left_, top_};
  POINT origin = parent_->ClientOrigin();
  origin.x += left_;
  origin.y += top_;
  return origin;
}

POINT TControl::ClientToScreen(POINT point) {
  const POINT origin = ClientOrigin();
  return POINT{point.x + origin.x, point.y + origin.y};
}

POINT TControl::ScreenToClient(POINT point) {
  const POINT origin = ClientOrigin();
  return POINT{point.x - origin.x, point.y - origin.y};
}

void TControl::UpdateAnchorRules() {
  if (!parent_) return;
  const RECT client = parent_->ClientRect();
  anchorRight_ = client.right - (left_ + width_);
  anchorBottom_ = client.bottom - (top_ + height_);
}

void TControl::AnchorsChanged(int parentWidth, int parentHeight) {
  int left = left_, top = top_, width = width_, height = height_;
  if (anchors_.Contains(akRight)) {
    if (anchors_.Contains(akLeft))
      width = parentWidth - anchorRight_ - left_;
    else
      left = parentWidth - anchorRight_ - width_;
  }
  if (anchors_.Contains(akBottom)) {
    if (anchors_.Contains(akTop))
      height = parentHeight - anchorBottom_ - top_;
    else
      top = parentHeight - anchorBottom_ - height_;
  }
  const int keepRight = anchorRight_, keepBottom = anchorBottom_;
  SetBounds(left, top, width, height);
  anchorRight_ = keepRight;
  anchorBottom_ = keepBottom;
}

void TControl::SetAlign(TAlign value) {
  if (align_ == value) return;
  const TAlign old = align_;
  align_ = value;
  anchors_ = value == alNone || value == alCustom ? TAnchors{akLeft, akTop}
             : value == alTop                     ? TAnchors{akLeft, akTop, akRight}
             : value == alBottom                  ? TAnchors{akLeft, akRight, akBottom}
             : value == alLeft                    ? TAnchors{akLeft, akTop, akBottom}
             : value == alRight                   ? TAnchors{akRight, akTop, akBottom}
                                                  : TAnchors{akLeft, akTop, akRight, akBottom};
  if (old != alNone || value != alNone) RequestAlign();
}

void TControl::SetAnchors(TAnchors value) {
  anchors_ = value;
  UpdateAnchorRules();
}

void TControl::ConstraintsChanged() {
  const int width = width_, height = height_;
  width_ = height_ = -1;  // forces the bounds through the constraints again
  SetBounds(left_, top_, width, height);
}

void TControl::RequestAlign() {
  if (parent_) parent_->Realign();
}

void TControl::SetVisible(bool value) {
  if (visible_ == value) return;
  VisibleChanging();
  visible_ = value;
  Perform(CM_VISIBLECHANGED, value);
  RequestAlign();
  if (!dynamic_cast<TWinControl*>(this) && parent_) {
    const RECT bounds = BoundsRect();
    if (parent_->HandleAllocated()) InvalidateRect(parent_->Handle(), &bounds, TRUE);
  }
}

bool TControl::Showing() {
  return visible_ && parent_ && parent_->Showing();
}

void TControl::SetEnabled(bool value) {
  if (enabled_ == value) return;
  enabled_ = value;
  Perform(CM_ENABLEDCHANGED);
  Invalidate();
}

void TControl::FontChanged() {
  fontHandle_.Reset();
  parentFont_ = false;
  Perform(CM_FONTCHANGED);
  Invalidate();
}

HFONT TControl::FontHandle() {
  if (!fontHandle_) fontHandle_ = CreateFontHandle(font_);
  return fontHandle_.Get();
}

void TControl::SetParentFont(bool value) {
  if (parentFont_ == value) return;
  parentFont_ = value;
  if (value && parent_) Perform(CM_PARENTFONTCHANGED);
}

void TControl::CMParentFontChanged(TMessage&) {
  if (!parentFont_ || !parent_) return;
  font_.Assign(&parent_->Font());  // goes through FontChanged, which clears the flag
  parentFont_ = true;
}

void TControl::SetColor(TColor value) {
  if (color_ == value) return;
  color_ = value;
  parentColor_ = false;
  Perform(CM_COLORCHANGED);
  Invalidate();
}

void TControl::SetParentColor(bool value) {
  if (parentColor_ == value) return;
  parentColor_ = value;
  if (value && parent_) Perform(CM_PARENTCOLORCHANGED);
}

void TControl::CMParentColorChanged(TMessage&) {
  if (!parentColor_ || !parent_) return;
  SetColor(parent_->Color());
  parentColor_ = true;
}

void TControl::SetCursor(TCursor value) {
  if (cursor_ == value) return;
  cursor_ = value;
  Perform(CM_CURSORCHANGED);
}

void TControl::SetShowHint(bool value) {
  showHint_ = value;
  parentShowHint_ = false;
  Perform(CM_SHOWHINTCHANGED);
}

void TControl::SetParentShowHint(bool value) {
  parentShowHint_ = value;
  if (value && parent_) showHint_ = parent_->ShowHint();
}

void TControl::SetBiDiMode(TBiDiMode value) {
  if (biDiMode_ == value) return;
  biDiMode_ = value;
  parentBiDiMode_ = false;
  Perform(CM_BIDIMODECHANGED);
}

void TControl::SetParentBiDiMode(bool value) {
  parentBiDiMode_ = value;
  if (value && parent_) biDiMode_ = parent_->BiDiMode();
}

void TControl::SetPopupMenu(TPopupMenu* value) {
  popupMenu_ = value;
  if (value) value->FreeNotification(this);
}

void TControl::SetText(const std::wstring& value) {
  if (GetText() == value) return;
  SetTextCore(value);
  Perform(CM_TEXTCHANGED);
}

bool TControl::MouseCapture() {
  if (auto* windowed = dynamic_cast<TWinControl*>(this))
    return windowed->HandleAllocated() && GetCapture() == windowed->Handle();
  return captureControl == this;
}

void TControl::SetMouseCapture(bool value) {
  if (value) {
    captureControl = dynamic_cast<TWinControl*>(this) ? nullptr : this;
    const HWND window = dynamic_cast<TWinControl*>(this) ? static_cast<TWinControl*>(this)->Handle()
                                                         : ParentWindowHandle();
    if (window) SetCapture(window);
  } else {
    if (captureControl == this) captureControl = nullptr;
    HWND window = nullptr;
    if (auto* windowed = dynamic_cast<TWinControl*>(this)) {
      if (windowed->HandleAllocated()) window = windowed->Handle();
    } else if (parent_ && parent_->HandleAllocated()) {
      window = parent_->Handle();
    }
    if (window && GetCapture() == window) ReleaseCapture();
  }
}

HWND TControl::ParentWindowHandle() {
  return parent_ ? parent_->Handle() : nullptr;
}

TCustomForm* TControl::ParentForm() {
  TControl* control = this;
  while (control->parent_) control = control->parent_;
  return dynamic_cast<TCustomForm*>(control);
}

void TControl::Invalidate() {
  if (!parent_ || !parent_->HandleAllocated() || !visible_) return;
  const RECT bounds = BoundsRect();
  InvalidateRect(parent_->Handle(), &bounds, !(controlStyle_ & csOpaque));
}

void TControl::Update() {
  if (parent_) parent_->Update();
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

void TControl::BringToFront() {
  if (!parent_) return;
  auto& list = parent_->controls_;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  list.push_back(this);
  if (auto* windowed = dynamic_cast<TWinControl*>(this); windowed && windowed->HandleAllocated())
    SetWindowPos(windowed->Handle(), HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  Invalidate();
}

void TControl::SendToBack() {
  if (!parent_) return;
  auto& list = parent_->controls_;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  list.insert(list.begin(), this);
  if (auto* windowed = dynamic_cast<TWinControl*>(this); windowed && windowed->HandleAllocated())
    SetWindowPos(windowed->Handle(), HWND_BOTTOM, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  Invalidate();
}

void TControl::ScaleBy(int multiplier, int divisor) {
  if (multiplier == divisor || divisor == 0) return;
  ChangeScale(multiplier, divisor);
}

void TControl::ChangeScale(int multiplier, int divisor) {
  if (divisor == 0) return;
  const int left = MulDiv(left_, multiplier, divisor);
  const int top = MulDiv(top_, multiplier, divisor);
  // Right and bottom edges are scaled too, so neighbouring controls stay adjacent.
  const int width = MulDiv(left_ + width_, multiplier, divisor) - left;
  const int height = MulDiv(top_ + height_, multiplier, divisor) - top;
  SetBounds(left, top, width, height);
  if (!parentFont_) {
    const bool keep = parentFont_;
    font_.SetHeight(MulDiv(font_.Height(), multiplier, divisor));
    parentFont_ = keep;
  }
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TControl::Resize() {
  if (OnResize) OnResize(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TControl::DoMouseDown(TMessage& message, TMouseButton button) {
  const POINT point = MessageParams::Point(message);
  MouseDown(button, KeysToShiftState(message.WParam), point.x, point.y);
}

void TControl::DoMouseUp(TMessage& message, TMouseButton button) {
  const POINT point = MessageParams::Point(message);
  MouseUp(button, KeysToShiftState(message.WParam), point.x, point.y);
}

void TControl::WMLButtonDown(TMessage& message) {
  DefaultHandler(message);
  controlState_ |= csLButtonDown;
  DoMouseDown(message, mbLeft);
}

void TControl::WMLButtonDblClk(TMessage& message) {
  DefaultHandler(message);
  DoMouseDown(message, mbLeft);
  if (controlStyle_ & csDoubleClicks) DblClick();
}

void TControl::WMLButtonUp(TMessage& message) {
  // The platform's own handling first (a push button's click comes from it).
  DefaultHandler(message);
  if (controlStyle_ & csCaptureMouse) SetMouseCapture(false);
  if (controlState_ & csClicked) {
    controlState_ &= ~csClicked;
    const POINT point = MessageParams::Point(message);
    const RECT client = ClientRect();
    // The click fires only when the button is released over the control.
    if (PtInRect(&client, point)) Click();
  }
  DoMouseUp(message, mbLeft);
}

void TControl::WMRButtonDown(TMessage& message) {
  DefaultHandler(message);
  DoMouseDown(message, mbRight);
}

void TControl::WMRButtonUp(TMessage& message) {
  DefaultHandler(message);
  DoMouseUp(message, mbRight);
  if (popupMenu_) {
    const POINT screen = ClientToScreen(MessageParams::Point(message));
    popupMenu_->SetPopupComponent(this);
    popupMenu_->Popup(screen.x, screen.y);
  }
}

void TControl::WMMouseMove(TMessage& message) {
  DefaultHandler(message);
  const POINT point = MessageParams::Point(message);
  MouseMove(KeysToShiftState(message.WParam), point.x, point.y);
}

void TControl::WMCancelMode(TMessage&) {
  if (MouseCapture()) {
    SetMouseCapture(false);
    controlState_ &= ~(csClicked | csLButtonDown);
  }
}

void TControl::CMMouseEnter(TMessage&) {
  if (OnMouseEnter) OnMouseEnter(this);
}

void TControl::CMMouseLeave(TMessage&) {
  if (OnMouseLeave) OnMouseLeave(this);
}

void TControl::CMHitTest(TMessage& message) {
  message.Result = 1;
}

TControl* TControl::CaptureControl() {
  return captureControl;
}
