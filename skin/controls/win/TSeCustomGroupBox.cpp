#include "skin/controls/win/TSeCustomGroupBox.h"

#include "framework/core/win/TThemeLibrary.h"
#include "framework/ui/TButton.h"
#include "framework/ui/TextMeasure.h"
#include "framework/ui/WideText.h"
#include "skin/controls/SkinProperties.h"
#include "skin/controls/win/ControlTree.h"
#include "skin/objects/SkinObjectSeam.h"
#include "skin/objects/TSeSkinObject.h"

TSeCustomGroupBox::TSeCustomGroupBox(TComponent* owner) : TSeCustomControl(owner) {
  SetControlStyle(ControlStyle() | csAcceptsControls | csSetCaption);
  SetBounds(Left(), Top(), 100, 90);
}

TSeCustomGroupBox::~TSeCustomGroupBox() = default;

void TSeCustomGroupBox::DeclareProperties(TPropertyBuilder<TSeCustomGroupBox>& p) {
  p.Integer("CaptionMargin", &TSeCustomGroupBox::CaptionMargin,
            &TSeCustomGroupBox::SetCaptionMargin)
      .Always();
  p.Enum("CheckBoxAlignment", LeftRightInfo(), &TSeCustomGroupBox::CheckBoxAlignment,
         &TSeCustomGroupBox::SetCheckBoxAlignment)
      .Default(TSeAlignment::ktaLeftJustify);
  p.Boolean("Checked", &TSeCustomGroupBox::Checked, &TSeCustomGroupBox::SetChecked).Default(true);
  p.Boolean(
       "UseCheckBox", [](const TSeCustomGroupBox& g) { return g.useCheckBox_; },
       [](TSeCustomGroupBox& g, bool v) { g.SetUseCheckBox(v); })
      .Default(false);
  p.Event("OnCheckBoxClick", &TSeCustomGroupBox::OnCheckBoxClick);
}

void TSeCustomGroupBox::SetCaptionMargin(std::int32_t value) {
  if (value == captionMargin_) return;
  captionMargin_ = value;
  if (useCheckBox_) LayoutCheckBox();
  Invalidate();
}

void TSeCustomGroupBox::SetCheckBoxAlignment(TSeAlignment value) {
  if (value == checkBoxAlignment_) return;
  checkBoxAlignment_ = value;
  if (checkBox_) checkBox_->SetAlignment(value);
}

void TSeCustomGroupBox::SetChecked(bool value) {
  if (value == checked_) return;
  checked_ = value;
  if (checkBox_) {
    checkBox_->SetChecked(value);
    SetEnabled(value);
  }
}

void TSeCustomGroupBox::SetUseCheckBox(bool value) {
  useCheckBox_ = value;
  if (Loading()) return;
  if (value) {
    if (!checkBox_) checkBox_ = CreateCheckBox(this);
    checkBox_->SetParent(this);
    checkBox_->OnClick = TNotifyEvent([this](TObject* sender) { CheckBoxClick(sender); });
    checkBox_->SetAlignment(checkBoxAlignment_);
    checkBox_->SetChecked(checked_);
    checkBox_->SetTop(0);
    checkBox_->SetCaption(Caption());
    LayoutCheckBox();
    Perform(CM_ENABLEDCHANGED);
  } else if (checkBox_) {
    delete checkBox_;
    checkBox_ = nullptr;
  }
  Invalidate();
}

void TSeCustomGroupBox::Loaded() {
  TSeCustomControl::Loaded();
  SetUseCheckBox(useCheckBox_);
}

TSeCustomCheckBox* TSeCustomGroupBox::CreateCheckBox(TComponent* owner) {
  return new TSeCustomCheckBox(owner);
}

void TSeCustomGroupBox::LayoutCheckBox() {
  if (!checkBox_) return;
  checkBox_->SetLeft(captionMargin_);
  const SIZE extent = MeasureText(checkBox_->FontHandle(), checkBox_->Caption());
  const int wanted = TSeCustomCheckBox::kMarkSize + checkBox_->Spacing() + extent.cx + 6;
  checkBox_->SetWidth(std::min(Width() - captionMargin_ - 2, wanted));
  checkBox_->Invalidate();
}

void TSeCustomGroupBox::CheckBoxClick(TObject*) {
  Click();
  if (checkBox_) SetChecked(checkBox_->Checked());
  if (OnCheckBoxClick) OnCheckBoxClick(this);
}

void TSeCustomGroupBox::SetEnabled(bool value) {
  ownEnabled_ = value || UseCheckBox();
  Perform(CM_ENABLEDCHANGED);
}

void TSeCustomGroupBox::CMEnabledChanged(TMessage&) {
  if (HandleAllocated() && !ComponentState().Contains(TComponentStateFlag::csDesigning))
    EnableWindow(Handle(), Enabled());
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* child = Controls(i);
    if (checkBox_) {
      if (child != checkBox_) child->SetEnabled(checked_);
    } else {
      child->SetEnabled(Enabled());
    }
  }
  Invalidate();
}

void TSeCustomGroupBox::CMTextChanged(TMessage& message) {
  InheritedMessage<TSeCustomGroupBox>(message);
  if (checkBox_) {
    checkBox_->SetCaption(Caption());
    LayoutCheckBox();
  }
  Invalidate();
}

void TSeCustomGroupBox::CMDialogChar(TMessage& message) {
  if (IsAccel(static_cast<wchar_t>(message.WParam), Caption()) && CanFocus()) {
    for (TWinControl* child : TabList())
      if (child->CanFocus()) {
        child->SetFocus();
        break;
      }
    message.Result = 1;
    return;
  }
  InheritedMessage<TSeCustomGroupBox>(message);
}

void TSeCustomGroupBox::WMSize(TMessage& message) {
  InheritedMessage<TSeCustomGroupBox>(message);
  if (checkBox_) LayoutCheckBox();
}

SIZE TSeCustomGroupBox::CaptionExtent() {
  SIZE extent = MeasureText(FontHandle(), Caption().empty() ? L"0" : Caption());
  if (Caption().empty()) extent.cx = 0;
  return extent;
}

void TSeCustomGroupBox::AdjustClientRect(RECT& rect) {
  rect = RECT{0, 0, Width(), Height()};
  rect.top = checkBox_ ? checkBox_->Height() : CaptionExtent().cy;
}

RECT TSeCustomGroupBox::GetFrameRect() {
  const int h = checkBox_ ? checkBox_->Height() : CaptionExtent().cy;
  return RECT{3, h / 2 + 1, Width() - 2, Height() - 2};
}

RECT TSeCustomGroupBox::GetCaptionRect(bool alwaysWiden) {
  RECT c{};
  if (checkBox_) {
    c = RECT{captionMargin_, 0, captionMargin_ + checkBox_->Width(), checkBox_->Height()};
  } else {
    const SIZE extent = CaptionExtent();
    c = RECT{captionMargin_, 0, captionMargin_ + extent.cx, extent.cy};
  }
  if (alwaysWiden || !Caption().empty()) {
    c.left -= 3;
    c.right += 3;
  }
  return c;
}

void TSeCustomGroupBox::PaintClient() {
  TSeCustomControl::PaintClient();
  const HDC dc = Canvas().Handle();
  RECT f = GetFrameRect();
  const RECT c = GetCaptionRect(false);
  const std::wstring caption = Caption();
  Handles::SelectedObject font(dc, FontHandle());
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  if (HandleAllocated() && StylesActive(Handle(), L"Button")) {
    Handles::Theme theme = Handles::OpenTheme(Handle(), L"Button");
    {
      Handles::SavedDC saved(dc);
      ExcludeClipRect(dc, c.left, c.top, c.right, c.bottom);
      ThemeLibrary().DrawThemeBackground(theme.Get(), dc, 4, 1, &f, nullptr);
    }
    if (!checkBox_ && !caption.empty()) {
      RECT t = c;
      SetTextColor(dc, ColorToRGB(clHighlight));
      DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &t,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
  } else {
    TSeGdiCanvas canvas(dc);
    auto path = [&canvas, &c](const RECT& r, TColor color) {
      canvas.Line({r.left, r.top}, {c.left, r.top}, color);
      canvas.Line({c.right, r.top}, {r.right, r.top}, color);
      canvas.Line({r.right, r.top}, {r.right, r.bottom}, color);
      canvas.Line({r.right, r.bottom}, {r.left, r.bottom}, color);
      canvas.Line({r.left, r.bottom}, {r.left, r.top}, color);
    };
    path(f, clBtnHighlight);
    OffsetRect(&f, -1, -1);
    path(f, clBtnShadow);
    if (!checkBox_ && !caption.empty()) {
      RECT t = c;
      const UINT flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
      if (!Enabled()) {
        RECT shifted = t;
        OffsetRect(&shifted, 1, 1);
        SetTextColor(dc, ColorToRGB(clBtnHighlight));
        DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &shifted, flags);
        SetTextColor(dc, ColorToRGB(clBtnShadow));
      } else {
        SetTextColor(dc, ColorToRGB(Font().Color()));
      }
      DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &t, flags);
    }
  }
  SetBkMode(dc, oldMode);
}

TSeSkinGroupBox::TSeSkinGroupBox(TComponent* owner) : TSeCustomGroupBox(owner) {
  SetTransparent(true);
  binding_.OnBound = [this] { SkinBound(); };
}

void TSeSkinGroupBox::DeclareProperties(TPropertyBuilder<TSeSkinGroupBox>& p) {
  DeclareSkinProperties(p, "GroupBox");
}

TSeCustomCheckBox* TSeSkinGroupBox::CreateCheckBox(TComponent* owner) {
  auto* box = new TSeSkinCheckBox(owner);
  box->SetSkinEngine(SkinEngine());
  return box;
}

void TSeSkinGroupBox::SkinBound() {
  if (TSeCustomCheckBox* box = CheckBox()) {
    box->SetSkinEngine(SkinEngine());
    LayoutCheckBox();
  }
  Invalidate();
}

void TSeSkinGroupBox::PaintClient() {
  if (!IsSkinActive()) {
    TSeCustomGroupBox::PaintClient();
    return;
  }
  const HDC dc = Canvas().Handle();
  TSeGdiCanvas canvas(dc);
  if (!Transparent() && Parent())
    canvas.FillRect(TRect{0, 0, PaintWidth(), PaintHeight()}, Parent()->Color());
  const RECT f = GetFrameRect();
  const RECT c = GetCaptionRect(true);
  TSeSkinObject* copy = SkinBinding()->Copy();
  if (TSeSkinObject* frame = copy->FindByName("Frame")) {
    Handles::SavedDC saved(dc);
    ExcludeClipRect(dc, c.left, c.top, c.right, c.bottom);
    TSeGdiCanvas frameCanvas(dc);
    frame->SetBounds(TRect{f.left, f.top, f.right, f.bottom});
    frame->Draw(frameCanvas);
  }
  if (TSeSkinObject* captionObject = copy->FindByName("Caption")) {
    canvas.SetFont(SkinSeam::CanvasFont(captionObject->Font()));
    captionObject->SetBounds(TRect{c.left, c.top, c.right, c.bottom});
    captionObject->Draw(canvas);
  } else {
    canvas.SetFont(SkinSeam::CanvasFont(Font()));
  }
  if (!CheckBox() && !Caption().empty()) {
    TRect t{c.left, c.top, c.right, c.bottom};
    canvas.DrawText(ToUtf16(Caption()), t,
                    SeTextFormat::tfCenter | SeTextFormat::tfVCenter | SeTextFormat::tfSingleLine);
  }
}
