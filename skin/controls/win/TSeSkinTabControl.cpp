#include "skin/controls/win/TSeSkinTabControl.h"

#include "framework/ui/WideText.h"
#include "skin/controls/SkinProperties.h"
#include "skin/controls/win/TSeCustomTabSheet.h"
#include "skin/objects/SkinObjectSeam.h"
#include "skin/objects/TSeSkinObject.h"
#include "skin/objects/win/TSeGdiCanvas.h"

TSeSkinTabControl::TSeSkinTabControl(TComponent* owner) : TSeCustomTabControl(owner) {}

void TSeSkinTabControl::DeclareProperties(TPropertyBuilder<TSeSkinTabControl>& p) {
  DeclareSkinProperties(p, "Tabs");
}

void TSeSkinTabControl::Loaded() {
  TSeCustomTabControl::Loaded();
  TabsChanged();
}

TSeSkinObject* TSeSkinTabControl::SkinPart(const char* name) {
  if (!IsSkinActive()) return nullptr;
  return binding_.Copy()->FindByName(name);
}

void TSeSkinTabControl::SkinBound() {
  // Margins, strip size and the page area change with the skin.
  ComputeRows();
  Realign();
  TSeCustomTabControl::SkinBound();
}

void TSeSkinTabControl::SEAfterChange(TMessage& message) {
  InheritedMessage<TSeSkinTabControl>(message);
  if (UsePages() && ActivePage()) ActivePage()->Invalidate();
}

std::int32_t TSeSkinTabControl::GetMarginLeft() {
  if (!IsSkinActive()) return TSeCustomTabControl::GetMarginLeft();
  const TSeSkinObject* frame = SkinPart("Frame");
  return frame ? frame->MarginLeft() : 0;
}

std::int32_t TSeSkinTabControl::GetMarginTop() {
  if (!IsSkinActive()) return TSeCustomTabControl::GetMarginTop();
  const TSeSkinObject* frame = SkinPart("Frame");
  return frame ? frame->MarginTop() : 0;
}

std::int32_t TSeSkinTabControl::GetMarginRight() {
  if (!IsSkinActive()) return TSeCustomTabControl::GetMarginRight();
  const TSeSkinObject* frame = SkinPart("Frame");
  return frame ? frame->MarginRight() : 0;
}

std::int32_t TSeSkinTabControl::GetMarginBottom() {
  if (!IsSkinActive()) return TSeCustomTabControl::GetMarginBottom();
  const TSeSkinObject* frame = SkinPart("Frame");
  return frame ? frame->MarginBottom() : 0;
}

void TSeSkinTabControl::PaintTab(HDC dc, std::int32_t index) {
  if (!IsSkinActive() || OwnerDraw()) {
    TSeCustomTabControl::PaintTab(dc, index);
    return;
  }
  if (index < 0) return;
  TRect r = GetTabRect(index);
  const TTabPosition side = TabPosition();
  const bool vertical = side == TTabPosition::tpLeft || side == TTabPosition::tpRight;
  if (index != TabIndex()) {
    if (vertical) {
      r.Left += GetMarginLeft();
      r.Right -= GetMarginLeft();
    } else {
      r.Top += GetMarginLeft();
      r.Bottom -= GetMarginLeft();
    }
  }
  static constexpr const char* kSideNames[] = {"TabTop", "TabBottom", "TabLeft", "TabRight"};
  TSeSkinObject* tab = SkinPart(kSideNames[static_cast<int>(side)]);
  if (!tab) tab = SkinPart("Tab");
  // Hot wins over selected; a disabled control shows every tab disabled.
  TSeObjectState state = TSeObjectState::osNormal;
  if (!Enabled())
    state = TSeObjectState::osDisabled;
  else if (index == HotTab())
    state = TSeObjectState::osHot;
  else if (index == TabIndex())
    state = TSeObjectState::osFocused;
  TSeGdiCanvas canvas(dc);
  if (tab) {
    tab->SetBounds(r);
    tab->SetState(state);
    tab->Draw(canvas);
  }
  TRect text = r;
  if (HasTabImage(index)) {
    PaintTabImage(dc, index, side, r);
    if (vertical)
      text.Top += GetRowHeight();
    else
      text.Left += GetRowHeight();
  }
  TSeSkinObject* textObject = SkinPart("Text");
  TSeFont font;
  if (textObject) {
    textObject->SetState(state);
    font = SkinSeam::CanvasFont(textObject->GetFont());
  } else if (tab) {
    font = SkinSeam::CanvasFont(tab->GetFont());
  } else {
    font = SkinSeam::CanvasFont(Font());
  }
  const std::int32_t h = GetRowHeight();
  if (vertical) {
    // Turned text is the plain look's; only its colour comes from the skin.
    TSeCustomTabControl::PaintTabText(dc, index, side, text);
    return;
  }
  if (side == TTabPosition::tpTop)
    text.Bottom = text.Top + h;
  else
    text.Top = text.Bottom - h;
  canvas.SetFont(font);
  const std::u16string caption = ToUtf16(TabCaption(index));
  canvas.DrawText(caption, text,
                  SeTextFormat::tfCenter | SeTextFormat::tfVCenter | SeTextFormat::tfSingleLine);
}

void TSeSkinTabControl::PaintPageFrame(HDC dc) {
  TSeSkinObject* frame = SkinPart("Frame");
  if (!frame) {
    TSeCustomTabControl::PaintPageFrame(dc);
    return;
  }
  TSeGdiCanvas canvas(dc);
  frame->SetBounds(GetDisplayRect());
  frame->Draw(canvas);
}

bool TSeSkinTabControl::PaintButtonObject(HDC dc, const char* name, const TRect& rect, bool hot,
                                          bool pressed) {
  TSeSkinObject* button = SkinPart(name);
  if (!button) return false;
  TSeObjectState state = TSeObjectState::osNormal;
  if (pressed)
    state = TSeObjectState::osPressed;
  else if (hot)
    state = TSeObjectState::osHot;
  TSeGdiCanvas canvas(dc);
  button->SetBounds(rect);
  button->SetState(state);
  button->Draw(canvas);
  return true;
}

void TSeSkinTabControl::PaintLeftButton(HDC dc) {
  if (!PaintButtonObject(dc, "LeftButton", GetLeftButtonRect(), LeftButtonHot(),
                         LeftButtonPressed()))
    TSeCustomTabControl::PaintLeftButton(dc);
}

void TSeSkinTabControl::PaintRightButton(HDC dc) {
  if (!PaintButtonObject(dc, "RightButton", GetRightButtonRect(), RightButtonHot(),
                         RightButtonPressed()))
    TSeCustomTabControl::PaintRightButton(dc);
}
