#include "skin/controls/win/TSeCustomPanel.h"

#include "framework/core/TFiler.h"
#include "framework/core/TStream.h"
#include "framework/core/win/TThemeLibrary.h"
#include "framework/ui/WideText.h"
#include "skin/controls/SkinProperties.h"
#include "skin/controls/win/ControlTree.h"
#include "skin/objects/SkinObjectSeam.h"
#include "skin/objects/TSeSkinObject.h"

TSeCustomPanel::TSeCustomPanel(TComponent* owner) : TSeCustomControl(owner) {
  SetControlStyle(ControlStyle() | csAcceptsControls | csSetCaption);
  SetColor(clWindow);
  SetBounds(Left(), Top(), 100, 90);
}

void TSeCustomPanel::DeclareProperties(TPropertyBuilder<TSeCustomPanel>& p) {
  p.Integer("BevelWidth", &TSeCustomPanel::PanelBevelWidth, &TSeCustomPanel::SetPanelBevelWidth)
      .Default(1);
  p.Integer("BorderWidth", &TSeCustomPanel::PanelBorderWidth, &TSeCustomPanel::SetPanelBorderWidth)
      .Default(3);
  p.Enum("ButtonKind", PanelButtonKindInfo(), &TSeCustomPanel::ButtonKind,
         &TSeCustomPanel::SetButtonKind)
      .Default(TSePanelButtonKind::pbkRoll);
  p.Boolean("Rolled", &TSeCustomPanel::Rolled, &TSeCustomPanel::SetRolled).Default(false);
  p.Boolean("ShowBevel", &TSeCustomPanel::ShowBevel, &TSeCustomPanel::SetShowBevel).Default(true);
  p.Boolean("ShowButton", &TSeCustomPanel::ShowButton, &TSeCustomPanel::SetShowButton)
      .Default(true);
  p.Boolean("ShowCaption", &TSeCustomPanel::ShowCaption, &TSeCustomPanel::SetShowCaption)
      .Default(true);
  p.Event("OnButtonClick", &TSeCustomPanel::OnButtonClick);
  p.Event("OnRollup", &TSeCustomPanel::OnRollup);
  p.Event("OnHide", &TSeCustomPanel::OnHide);
}

void TSeCustomPanel::DefineProperties(TFiler& filer) {
  TSeCustomControl::DefineProperties(filer);
  // Four bytes, little-endian, always written: the height a rolled panel returns to.
  filer.DefineBinaryProperty(
      "NormalHeight",
      [this](TStream& s) {
        std::uint8_t b[4] = {};
        s.ReadBuffer(b, 4);
        normalHeight_ = static_cast<std::int32_t>(b[0] | (b[1] << 8) | (b[2] << 16) |
                                                  (static_cast<std::uint32_t>(b[3]) << 24));
      },
      [this](TStream& s) {
        const auto v = static_cast<std::uint32_t>(normalHeight_);
        const std::uint8_t b[4] = {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
                                   static_cast<std::uint8_t>(v >> 16),
                                   static_cast<std::uint8_t>(v >> 24)};
        s.WriteBuffer(b, 4);
      },
      true);
}

void TSeCustomPanel::LayoutChanged() {
  Invalidate();
  Realign();
}

void TSeCustomPanel::SetPanelBevelWidth(std::int32_t value) {
  if (value == bevelWidth_) return;
  bevelWidth_ = value;
  LayoutChanged();
}

void TSeCustomPanel::SetPanelBorderWidth(std::int32_t value) {
  if (value == borderWidth_) return;
  borderWidth_ = value;
  LayoutChanged();
}

void TSeCustomPanel::SetButtonKind(TSePanelButtonKind value) {
  if (value == buttonKind_) return;
  buttonKind_ = value;
  Invalidate();
}

void TSeCustomPanel::SetShowBevel(bool value) {
  if (value == showBevel_) return;
  showBevel_ = value;
  LayoutChanged();
}

void TSeCustomPanel::SetShowButton(bool value) {
  if (value == showButton_) return;
  showButton_ = value;
  Invalidate();
}

void TSeCustomPanel::SetShowCaption(bool value) {
  if (value == showCaption_) return;
  showCaption_ = value;
  LayoutChanged();
}

void TSeCustomPanel::SetCaptionHeight(std::int32_t value) {
  if (value == captionHeight_) return;
  captionHeight_ = value;
  LayoutChanged();
}

void TSeCustomPanel::SetRolled(bool value) {
  if (value == rolled_) return;
  if (Loading()) {
    rolled_ = value;
    return;
  }
  if (value) {
    normalHeight_ = Height();
    const RECT c = GetCaptionRect();
    const int height = (c.bottom - c.top) + 2 * bevelWidth_;
    rolled_ = false;  // the height change below must not be refused
    SetHeight(height);
    rolled_ = true;
    Invalidate();
  } else {
    rolled_ = false;
    SetHeight(normalHeight_);
  }
  if (OnRollup) OnRollup(this);
}

void TSeCustomPanel::SetBounds(int left, int top, int width, int height) {
  // A rolled panel cannot be resized vertically.
  if (rolled_) height = Height();
  TSeCustomControl::SetBounds(left, top, width, height);
}

RECT TSeCustomPanel::GetCaptionRect() {
  RECT r{0, 0, PaintWidth(), PaintHeight()};
  if (showBevel_ && !(HandleAllocated() && StylesActive(Handle(), L"ExplorerBar")))
    InflateRect(&r, -bevelWidth_, -bevelWidth_);
  r.bottom = r.top + captionHeight_;
  return r;
}

RECT TSeCustomPanel::GetButtonRect() {
  if (!showCaption_ || !showButton_) return RECT{};
  RECT r = GetCaptionRect();
  r.left = r.right - (r.bottom - r.top);
  InflateRect(&r, -2, -2);
  return r;
}

void TSeCustomPanel::AdjustClientRect(RECT& rect) {
  rect = RECT{0, 0, Width(), Height()};
  InflateRect(&rect, -borderWidth_, -borderWidth_);
  if (showBevel_) InflateRect(&rect, -bevelWidth_, -bevelWidth_);
  if (showCaption_) {
    const RECT c = GetCaptionRect();
    rect.top += c.bottom - c.top;
  }
}

void TSeCustomPanel::ButtonClick() {
  if (buttonKind_ == TSePanelButtonKind::pbkRoll) {
    SetRolled(!rolled_);
  } else {
    if (OnHide) OnHide(this);
    Hide();
  }
  if (OnButtonClick) OnButtonClick(this);
}

void TSeCustomPanel::PaintClient() {
  const HDC dc = Canvas().Handle();
  if (!showCaption_) {
    PaintBackground();
    return;
  }
  const RECT c = GetCaptionRect();
  {
    Handles::SavedDC saved(dc);
    ExcludeClipRect(dc, c.left, c.top, c.right, c.bottom);
    PaintBackground();
  }
  if (!Transparent() && HandleAllocated() && StylesActive(Handle(), L"ExplorerBar")) {
    Handles::SavedDC saved(dc);
    IntersectClipRect(dc, c.left, c.top, c.right, c.bottom);
    PaintParentBackground(dc);
  }
  PaintCaption();
}

void TSeCustomPanel::PaintBackground() {
  const HDC dc = Canvas().Handle();
  RECT r{0, 0, PaintWidth(), PaintHeight()};
  if (HandleAllocated() && StylesActive(Handle(), L"ExplorerBar")) {
    Handles::Theme theme = Handles::OpenTheme(Handle(), L"ExplorerBar");
    if (showCaption_) r.top += captionHeight_;
    ThemeLibrary().DrawThemeBackground(theme.Get(), dc, 5, 0, &r, nullptr);
    return;
  }
  TSeGdiCanvas canvas(dc);
  canvas.FillRect(TRect{r.left, r.top, r.right, r.bottom}, Color());
  if (!showBevel_) return;
  auto edges = [&canvas](const RECT& e, TColor light, TColor dark) {
    canvas.Line({e.left, e.bottom - 1}, {e.left, e.top}, light);
    canvas.Line({e.left, e.top}, {e.right - 1, e.top}, light);
    canvas.Line({e.right - 1, e.top}, {e.right - 1, e.bottom - 1}, dark);
    canvas.Line({e.right - 1, e.bottom - 1}, {e.left - 1, e.bottom - 1}, dark);
  };
  edges(r, clBtnShadow, clBtnHighlight);
  InflateRect(&r, -1, -1);
  edges(r, clBtnHighlight, clBtnShadow);
}

void TSeCustomPanel::PaintCaption() {
  if (!showCaption_) return;
  const HDC dc = Canvas().Handle();
  RECT r = GetCaptionRect();
  TSeGdiCanvas canvas(dc);
  const std::u16string caption = ToUtf16(Caption());
  const bool styles = HandleAllocated() && StylesActive(Handle(), L"ExplorerBar");
  Handles::Theme theme = styles ? Handles::OpenTheme(Handle(), L"ExplorerBar") : Handles::Theme();
  if (styles) {
    ThemeLibrary().DrawThemeBackground(theme.Get(), dc, 8, 1, &r, nullptr);
  } else {
    canvas.FillRect(TRect{r.left, r.top, r.right, r.bottom}, clBtnFace);
    canvas.Line({r.left, r.bottom - 1}, {r.left, r.top}, clBtnHighlight);
    canvas.Line({r.left, r.top}, {r.right - 1, r.top}, clBtnHighlight);
    canvas.Line({r.right - 1, r.top}, {r.right - 1, r.bottom - 1}, clBtnShadow);
    canvas.Line({r.right - 1, r.bottom - 1}, {r.left - 1, r.bottom - 1}, clBtnShadow);
  }
  TRect text{r.left + 5, r.top, r.right - 5, r.bottom};
  canvas.SetFont(SkinSeam::CanvasFont(Font()));
  canvas.DrawText(caption, text,
                  SeTextFormat::tfVCenter | SeTextFormat::tfSingleLine |
                      (BiDiMode() == bdLeftToRight ? 0 : SeTextFormat::tfRtlReading));
  if (!showButton_) return;
  RECT b = GetButtonRect();
  if (styles) {
    const int part = buttonKind_ == TSePanelButtonKind::pbkHide ? 2 : rolled_ ? 7 : 6;
    const int state = buttonPressed_ ? 3 : buttonHot_ ? 2 : 1;
    ThemeLibrary().DrawThemeBackground(theme.Get(), dc, part, state, &b, nullptr);
    return;
  }
  const UINT pushed = buttonPressed_ ? DFCS_PUSHED : 0;
  if (buttonKind_ == TSePanelButtonKind::pbkHide)
    DrawFrameControl(dc, &b, DFC_CAPTION, DFCS_CAPTIONCLOSE | pushed);
  else
    DrawFrameControl(dc, &b, DFC_SCROLL, (rolled_ ? DFCS_SCROLLDOWN : DFCS_SCROLLUP) | pushed);
  const TRect tb{b.left, b.top, b.right, b.bottom};
  if (buttonPressed_ || buttonHot_) {
    const TColor light = buttonPressed_ ? clBtnShadow : clBtnHighlight;
    const TColor dark = buttonPressed_ ? clBtnHighlight : clBtnShadow;
    canvas.Line({b.left, b.bottom - 1}, {b.left, b.top}, light);
    canvas.Line({b.left, b.top}, {b.right - 1, b.top}, light);
    canvas.Line({b.right - 1, b.top}, {b.right - 1, b.bottom - 1}, dark);
    canvas.Line({b.right - 1, b.bottom - 1}, {b.left - 1, b.bottom - 1}, dark);
  } else {
    canvas.FrameRect(tb, clBtnFace);
  }
  canvas.FrameRect(TRect{tb.Left + 1, tb.Top + 1, tb.Right - 1, tb.Bottom - 1}, clBtnFace);
}

void TSeCustomPanel::InvalidateButton() {
  if (!HandleAllocated()) return;
  const RECT b = GetButtonRect();
  InvalidateRect(Handle(), &b, FALSE);
}

void TSeCustomPanel::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TSeCustomControl::MouseDown(button, shift, x, y);
  const RECT b = GetButtonRect();
  if (button == mbLeft && PtInRect(&b, POINT{x, y})) {
    buttonPressed_ = true;
    InvalidateButton();
  }
}

void TSeCustomPanel::MouseMove(TShiftState shift, int x, int y) {
  TSeCustomControl::MouseMove(shift, x, y);
  const RECT b = GetButtonRect();
  const bool hot = PtInRect(&b, POINT{x, y}) != FALSE;
  if (hot != buttonHot_) {
    buttonHot_ = hot;
    InvalidateButton();
  }
  if (shift.Contains(ssLeft) && buttonPressed_ != buttonHot_) {
    buttonPressed_ = buttonHot_;
    InvalidateButton();
  }
}

void TSeCustomPanel::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TSeCustomControl::MouseUp(button, shift, x, y);
  const RECT b = GetButtonRect();
  if (button != mbLeft || !PtInRect(&b, POINT{x, y})) return;
  buttonPressed_ = false;
  InvalidateButton();
  ButtonClick();
}

void TSeCustomPanel::CMTextChanged(TMessage&) {
  Invalidate();
}

void TSeCustomPanel::CMMouseLeave(TMessage& message) {
  InheritedMessage<TSeCustomPanel>(message);
  if (!buttonHot_) return;
  buttonHot_ = false;
  InvalidateButton();
}

TSeSkinPanel::TSeSkinPanel(TComponent* owner) : TSeCustomPanel(owner) {
  binding_.OnBound = [this] { SkinBound(); };
}

void TSeSkinPanel::DeclareProperties(TPropertyBuilder<TSeSkinPanel>& p) {
  DeclareSkinProperties(p, "Panel");
}

void TSeSkinPanel::SkinBound() {
  if (!binding_.EngineUsable()) {
    if (plainCaptionHeight_ == 0) plainCaptionHeight_ = CaptionHeight();
    binding_.Release();
    SetCaptionHeight(plainCaptionHeight_);
  } else if (TSeSkinObject* copy = binding_.Copy()) {
    if (TSeSkinObject* caption = copy->FindByName("Caption")) {
      if (plainCaptionHeight_ == 0) plainCaptionHeight_ = CaptionHeight();
      SetCaptionHeight(caption->Height());
    }
  } else if (plainCaptionHeight_ != 0) {
    SetCaptionHeight(plainCaptionHeight_);
  }
  Invalidate();
}

void TSeSkinPanel::PaintBackground() {
  if (!IsSkinActive()) {
    TSeCustomPanel::PaintBackground();
    return;
  }
  if (TSeSkinObject* frame = binding_.Copy()->FindByName("Frame")) {
    TSeGdiCanvas canvas = SkinCanvas();
    frame->SetBounds(TRect{0, 0, PaintWidth(), PaintHeight()});
    frame->Draw(canvas);
  }
}

void TSeSkinPanel::PaintCaption() {
  if (!IsSkinActive()) {
    TSeCustomPanel::PaintCaption();
    return;
  }
  if (!ShowCaption()) return;
  const RECT c = GetCaptionRect();
  TSeGdiCanvas canvas = SkinCanvas();
  if (!Transparent() && Parent())
    canvas.FillRect(TRect{c.left, c.top, c.right, c.bottom}, Parent()->Color());
  TSeSkinObject* copy = binding_.Copy();
  TSeSkinObject* text = copy->FindByName("Caption");
  if (text) {
    if (TSeSkinObject* title = copy->FindByName("Title")) text = title;
    text->SetText(ToUtf16(Caption()));
    text->SetBounds(TRect{c.left, c.top, c.right, c.bottom});
    text->Draw(canvas);
  } else {
    TRect t{c.left + 5, c.top, c.right - 5, c.bottom};
    canvas.SetFont(SkinSeam::CanvasFont(Font()));
    canvas.DrawText(ToUtf16(Caption()), t, SeTextFormat::tfVCenter | SeTextFormat::tfSingleLine);
  }
  if (!ShowButton()) return;
  const RECT b = GetButtonRect();
  const TSeObjectState state = ButtonPressed() ? TSeObjectState::osPressed
                               : ButtonHot()   ? TSeObjectState::osHot
                                               : TSeObjectState::osNormal;
  const char* name = ButtonKind() == TSePanelButtonKind::pbkHide ? "ButtonHide"
                     : Rolled()                                  ? "ButtonRolldown"
                                                                 : "ButtonRollup";
  TSeSkinObject* button = copy->FindByName(name);
  if (!button) button = copy->FindByName("Button");
  if (!button) return;
  button->SetBounds(TRect{b.left, b.top, b.right, b.bottom});
  button->SetState(state);
  button->Draw(canvas);
}
