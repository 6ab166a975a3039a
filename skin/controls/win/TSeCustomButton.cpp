#include "skin/controls/win/TSeCustomButton.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

#include "framework/core/win/TThemeLibrary.h"
#include "framework/ui/TButton.h"
#include "framework/ui/TCustomForm.h"
#include "framework/ui/WideText.h"
#include "skin/controls/win/ControlTree.h"
#include "skin/objects/SkinObjectSeam.h"

namespace {

// The string table holds the kinds' captions at this base plus the kind (for translation);
// the built-in text is the fallback.
constexpr UINT kKindCaptionBase = 0xFE00;

std::wstring KindCaption(TBitBtnKind kind, const TSeButtonKindPreset& preset) {
  wchar_t buffer[64];
  const int length = LoadStringW(GetModuleHandleW(nullptr),
                                 kKindCaptionBase + static_cast<UINT>(kind), buffer, 64);
  if (length > 0) return std::wstring(buffer, static_cast<std::size_t>(length));
  return ToWide(std::u16string(preset.Caption));
}

const wchar_t* const kGlyphNames[] = {nullptr,          L"SE_BTN_OK",    L"SE_BTN_CANCEL",
                                      L"SE_BTN_HELP",   L"SE_BTN_YES",   L"SE_BTN_NO",
                                      L"SE_BTN_CLOSE",  L"SE_BTN_ABORT", L"SE_BTN_RETRY",
                                      L"SE_BTN_IGNORE", L"SE_BTN_ALL"};

void CopyBitmap(TBitmap& target, const TBitmap& source) {
  target.SetSize(source.Width(), source.Height());
  for (int y = 0; y < source.Height(); ++y)
    std::memcpy(target.ScanLine(y), const_cast<TBitmap&>(source).ScanLine(y),
                static_cast<std::size_t>(source.Width()) * 4);
}

// HSL lightness on 0..1.
double Lightness(std::uint32_t rgb) {
  const int r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
  return (std::max({r, g, b}) + std::min({r, g, b})) / 2.0 / 255.0;
}

COLORREF GreyRef(int level) {
  return RGB(level, level, level);
}

}  // namespace

const TBitmap* ButtonKindGlyph(TBitBtnKind kind) {
  static std::array<std::unique_ptr<TBitmap>, 11> table;
  static std::array<bool, 11> tried{};
  const auto index = static_cast<std::size_t>(kind);
  if (index == 0 || index >= table.size()) return nullptr;
  if (!tried[index]) {
    tried[index] = true;
    if (FindResourceW(GetModuleHandleW(nullptr), kGlyphNames[index], MAKEINTRESOURCEW(2))) {
      auto bitmap = std::make_unique<TBitmap>();
      bitmap->LoadFromResourceName(GetModuleHandleW(nullptr), kGlyphNames[index]);
      if (bitmap->Width() > 0) table[index] = std::move(bitmap);
    }
  }
  return table[index].get();
}

TSeCustomButton::TSeCustomButton(TComponent* owner) : TSeCustomControl(owner) {
  SetControlStyle((ControlStyle() | csCaptureMouse | csSetCaption | csDoubleClicks) &
                  ~csClickEvents);
  SetBounds(Left(), Top(), 75, 25);
  SetTabStop(true);
  SetPerformance(TSePerformance::kspDoubleBuffer);
  SetColor(static_cast<TColor>(ColorToRGB(clBtnFace)));
}

TSeCustomButton::~TSeCustomButton() = default;

void TSeCustomButton::DeclareProperties(TPropertyBuilder<TSeCustomButton>& p) {
  p.Boolean("BlackAndWhiteGlyph", &TSeCustomButton::BlackAndWhiteGlyph,
            &TSeCustomButton::SetBlackAndWhiteGlyph)
      .Default(false);
  p.Boolean("Cancel", &TSeCustomButton::Cancel, &TSeCustomButton::SetCancel).Default(false);
  p.Boolean("Default", &TSeCustomButton::Default, &TSeCustomButton::SetDefault).Default(false);
  p.Enum("Kind", BitBtnKindInfo(), &TSeCustomButton::Kind, &TSeCustomButton::SetKind)
      .Default(TBitBtnKind::bkCustom);
  p.Integer("ModalResult", &TSeCustomButton::ModalResult, &TSeCustomButton::SetModalResult)
      .Default(0);
  p.Integer("NumGlyphs", &TSeCustomButton::NumGlyphs, &TSeCustomButton::SetNumGlyphs).Default(1);
  p.Integer("Spacing", &TSeCustomButton::Spacing, &TSeCustomButton::SetSpacing).Default(4);
  p.Enum("State", ButtonStateInfo(), &TSeCustomButton::State, &TSeCustomButton::SetState).Always();
  p.Enum("Layout", ButtonLayoutInfo(), &TSeCustomButton::Layout, &TSeCustomButton::SetLayout)
      .Default(TButtonLayout::blGlyphLeft);
  p.Boolean("WordWrap", &TSeCustomButton::WordWrap, &TSeCustomButton::SetWordWrap).Always();
}

void TSeCustomButton::SetBlackAndWhiteGlyph(bool value) {
  if (value == blackAndWhiteGlyph_) return;
  blackAndWhiteGlyph_ = value;
  Invalidate();
}

void TSeCustomButton::SetDefault(bool value) {
  default_ = value;
  TCustomForm* form = ParentFormOf(*this);
  if (HandleAllocated() && form)
    form->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(form->ActiveControl()));
  else
    activeDefault_ = value;
  Invalidate();
}

void TSeCustomButton::SetKind(TBitBtnKind value) {
  kind_ = value;
  const TSeButtonKindPreset* preset = ButtonKindPreset(value);
  if (!preset) return;
  // A stored caption read before Kind stays.
  if (!Loading()) SetCaption(KindCaption(value, *preset));
  modalResult_ = preset->ModalResult;
  SetDefault(preset->Default);
  if (const TBitmap* glyph = ButtonKindGlyph(value)) SetGlyph(*glyph);
}

void TSeCustomButton::SetNumGlyphs(std::int32_t value) {
  value = std::clamp(value, 1, 4);
  if (value == numGlyphs_) return;
  numGlyphs_ = value;
  Invalidate();
}

void TSeCustomButton::SetSpacing(std::int32_t value) {
  if (value == spacing_) return;
  spacing_ = value;
  Invalidate();
}

void TSeCustomButton::SetState(TSeButtonState value) {
  if (value == state_) return;
  state_ = value;
  Invalidate();
}

void TSeCustomButton::SetLayout(TButtonLayout value) {
  if (value == layout_) return;
  layout_ = value;
  Invalidate();
}

void TSeCustomButton::SetWordWrap(bool value) {
  if (value == wordWrap_) return;
  wordWrap_ = value;
  Invalidate();
}

void TSeCustomButton::SetGlyph(const TBitmap& value) {
  CopyBitmap(glyph_, value);
  GlyphChanged();
}

void TSeCustomButton::GlyphChanged() {
  const int w = glyph_.Width(), h = glyph_.Height();
  if (h != 0 && w % h == 0) {
    const int ratio = w / h;
    numGlyphs_ = ratio < 5 ? std::max(ratio, 1) : 1;
  }
  Invalidate();
}

void TSeCustomButton::Click() {
  if (TCustomForm* form = ParentFormOf(*this)) form->SetModalResult(modalResult_);
  TSeCustomControl::Click();
}

RECT TSeCustomButton::GetContentRect() {
  Handles::CreatedDC measureDC(CreateCompatibleDC(nullptr));
  TSeGdiCanvas canvas(measureDC.Get());
  canvas.SetFont(SkinSeam::CanvasFont(PaintFont()));
  const std::u16string text = ToUtf16(Caption());
  const int gw = GlyphWidth(), gh = GlyphHeight();
  RECT c{};
  if (wordWrap_) {
    c = RECT{0, 0, PaintWidth() - spacing_ - gw - 10, PaintHeight() - spacing_ - gh - 10};
  } else {
    const TSize size = canvas.TextExtent(text);
    c = RECT{0, 0, size.cx, size.cy};
  }
  if (HasGlyph()) {
    if (layout_ == TButtonLayout::blGlyphTop || layout_ == TButtonLayout::blGlyphBottom)
      c.bottom += gh + spacing_;
    else
      c.right += gw + spacing_;
    c.right = std::max<LONG>(c.right, gw);
    c.bottom = std::max<LONG>(c.bottom, gh);
  }
  OffsetRect(&c, (PaintWidth() - c.right) / 2, (PaintHeight() - c.bottom) / 2);
  if (state_ == TSeButtonState::kbsPressed) OffsetRect(&c, 1, 1);
  return c;
}

RECT TSeCustomButton::GetCaptionRect() {
  RECT r = GetContentRect();
  if (!HasGlyph()) return r;
  switch (layout_) {
    case TButtonLayout::blGlyphLeft:
      r.left += GlyphWidth() + spacing_;
      break;
    case TButtonLayout::blGlyphRight:
      r.right -= GlyphWidth() + spacing_;
      break;
    case TButtonLayout::blGlyphTop:
      r.top += GlyphHeight() + spacing_;
      break;
    case TButtonLayout::blGlyphBottom:
      r.bottom -= GlyphHeight() + spacing_;
      break;
  }
  return r;
}

RECT TSeCustomButton::GetGlyphRect() {
  RECT r = GetContentRect();
  if (!HasGlyph()) return r;
  switch (layout_) {
    case TButtonLayout::blGlyphLeft:
      r.right = r.left + GlyphWidth() + spacing_;
      break;
    case TButtonLayout::blGlyphRight:
      r.left = r.right - GlyphWidth() - spacing_;
      break;
    case TButtonLayout::blGlyphTop:
      r.bottom = r.top + GlyphHeight() + spacing_;
      break;
    case TButtonLayout::blGlyphBottom:
      r.top = r.bottom - GlyphHeight() - spacing_;
      break;
  }
  return r;
}

void TSeCustomButton::PaintClient() {
  TSeCustomControl::PaintClient();
  PaintFace();
  PaintCaption();
  PaintGlyph();
}

void TSeCustomButton::PaintFace() {
  RECT r = GetInnerRect();
  const HDC dc = Canvas().Handle();
  if (HandleAllocated() && StylesActive(Handle(), L"Button")) {
    Handles::Theme theme = Handles::OpenTheme(Handle(), L"Button");
    const int state = !Enabled()                             ? 4
                      : state_ == TSeButtonState::kbsPressed ? 3
                      : MouseInside()                        ? 2
                      : (IsFocused() || activeDefault_)      ? 5
                                                             : 1;
    // The themed face has rounded corners: the parent shows at them.
    if (!Transparent()) PaintParentBackground(dc);
    ThemeLibrary().DrawThemeBackground(theme.Get(), dc, 1, state, &r, nullptr);
    return;
  }
  TSeGdiCanvas canvas(dc);
  auto edges = [&canvas](const RECT& e, TColor light, TColor dark) {
    canvas.Line({e.left, e.bottom - 1}, {e.left, e.top}, light);
    canvas.Line({e.left, e.top}, {e.right - 1, e.top}, light);
    canvas.Line({e.right - 1, e.top}, {e.right - 1, e.bottom - 1}, dark);
    canvas.Line({e.right - 1, e.bottom - 1}, {e.left - 1, e.bottom - 1}, dark);
  };
  if (IsFocused() || activeDefault_) {
    canvas.FrameRect(TRect{r.left, r.top, r.right, r.bottom}, clBlack);
    InflateRect(&r, -1, -1);
  }
  canvas.FillRect(TRect{r.left, r.top, r.right, r.bottom}, Color());
  if (state_ == TSeButtonState::kbsNormal) {
    edges(r, clBtnHighlight, clBlack);
    InflateRect(&r, -1, -1);
    edges(r, Color(), clBtnShadow);
  } else {
    canvas.FrameRect(TRect{r.left, r.top, r.right, r.bottom}, clBtnShadow);
  }
  if (IsFocused()) {
    RECT focus = GetInnerRect();
    InflateRect(&focus, -4, -4);
    Canvas().SetBrushColor(clBtnShadow);
    Canvas().DrawFocusRect(focus);
  }
}

void TSeCustomButton::DrawCaption(TSeCanvas& canvas, bool embossed) {
  const std::u16string text = ToUtf16(Caption());
  if (text.empty()) return;
  const RECT ca = GetCaptionRect();
  const int caWidth = ca.right - ca.left, caHeight = ca.bottom - ca.top;
  const std::uint32_t rtl = BiDiMode() == bdLeftToRight ? 0 : SeTextFormat::tfRtlReading;
  const std::uint32_t wrap = wordWrap_ ? SeTextFormat::tfWordBreak : 0;
  TRect t{0, 0, caWidth, 0};
  if (!wordWrap_) t.Right = canvas.TextExtent(text).cx;
  t.Bottom = canvas.TextExtent(text).cy;
  canvas.DrawText(text, t, SeTextFormat::tfCalcRect | wrap | rtl);
  const int dx = (caWidth - t.Right) / 2 + ca.left, dy = (caHeight - t.Bottom) / 2 + ca.top;
  t = TRect{t.Left + dx, t.Top + dy, t.Right + dx, t.Bottom + dy};
  const std::uint32_t format = SeTextFormat::tfCenter | wrap | rtl;
  if (embossed) {
    TSeFont font = canvas.Font();
    const TSeFont original = font;
    font.Color = clBtnHighlight;
    canvas.SetFont(font);
    TRect shifted{t.Left + 1, t.Top + 1, t.Right + 1, t.Bottom + 1};
    canvas.DrawText(text, shifted, format);
    font.Color = clBtnShadow;
    canvas.SetFont(font);
    canvas.DrawText(text, t, format);
    canvas.SetFont(original);
    return;
  }
  canvas.DrawText(text, t, format);
}

void TSeCustomButton::PaintCaption() {
  TSeGdiCanvas canvas(Canvas().Handle());
  canvas.SetFont(SkinSeam::CanvasFont(PaintFont()));
  DrawCaption(canvas, !Enabled());
}

void TSeCustomButton::PaintGlyph() {
  if (!HasGlyph()) return;
  const RECT area = GetGlyphRect();
  const int gw = GlyphWidth(), gh = GlyphHeight();
  const int gx = area.left + (area.right - area.left - gw) / 2;
  const int gy = area.top + (area.bottom - area.top - gh) / 2;
  int frame = 0;
  if (numGlyphs_ > 1 && !Enabled()) frame += 1;
  if (numGlyphs_ > 2 && state_ == TSeButtonState::kbsPressed) frame += 2;
  TBitmap& glyph = glyph_;
  const std::uint32_t key = glyph.ScanLine(glyph.Height() - 1)[0] & 0xFFFFFF;
  const HDC dc = Canvas().Handle();
  for (int y = 0; y < gh; ++y) {
    const std::uint32_t* row = glyph.ScanLine(y) + frame * gw;
    for (int x = 0; x < gw && frame * gw + x < glyph.Width(); ++x) {
      const std::uint32_t p = row[x] & 0xFFFFFF;
      if (p == key) continue;
      COLORREF color = RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
      const double l = Lightness(p);
      if (blackAndWhiteGlyph_ && !MouseInside())
        color = GreyRef(static_cast<int>(std::lround(l * 255)));
      if (numGlyphs_ == 1 && !Enabled())
        color = GreyRef(160 + static_cast<int>(std::lround(l * 50)));
      ::SetPixel(dc, gx + x, gy + y, color);
    }
  }
}

void TSeCustomButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TSeCustomControl::MouseDown(button, shift, x, y);
  if (button != mbLeft || !Enabled()) return;
  if (!ComponentState().Contains(TComponentStateFlag::csDesigning) && CanFocus()) SetFocus();
  state_ = TSeButtonState::kbsPressed;
  mousePressed_ = true;
  Invalidate();
}

void TSeCustomButton::MouseMove(TShiftState shift, int x, int y) {
  TSeCustomControl::MouseMove(shift, x, y);
  if (!mousePressed_) return;
  const bool inside = x >= 0 && x < ClientWidth() && y >= 0 && y < ClientHeight();
  SetState(inside ? TSeButtonState::kbsPressed : TSeButtonState::kbsNormal);
}

void TSeCustomButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TSeCustomControl::MouseUp(button, shift, x, y);
  if (!mousePressed_) return;
  mousePressed_ = false;
  state_ = TSeButtonState::kbsNormal;
  Invalidate();
  // Last: the click may free the button.
  if (x >= 0 && x < Width() && y >= 0 && y < Height()) Click();
}

void TSeCustomButton::KeyDown(WORD& key, TShiftState shift) {
  TSeCustomControl::KeyDown(key, shift);
  if (key == VK_SPACE && !shift.Contains(ssAlt)) SetState(TSeButtonState::kbsPressed);
}

void TSeCustomButton::KeyUp(WORD& key, TShiftState shift) {
  TSeCustomControl::KeyUp(key, shift);
  if (key != VK_SPACE) return;
  SetState(TSeButtonState::kbsNormal);
  key = 0;
  Click();
}

void TSeCustomButton::CMDialogKey(TMessage& message) {
  const WORD key = static_cast<WORD>(message.WParam);
  const bool modifiers =
      GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 || (message.LParam & (1 << 29)) != 0;
  if (((key == VK_RETURN && (activeDefault_ || IsFocused())) || (key == VK_ESCAPE && cancel_)) &&
      !modifiers && CanFocus()) {
    Click();
    message.Result = 1;
    return;
  }
  InheritedMessage<TSeCustomButton>(message);
}

void TSeCustomButton::CMDialogChar(TMessage& message) {
  if (IsAccel(static_cast<wchar_t>(message.WParam), Caption()) && CanFocus()) {
    SetFocus();
    Click();
    message.Result = 1;
    return;
  }
  InheritedMessage<TSeCustomButton>(message);
}

void TSeCustomButton::CMFocusChanged(TMessage& message) {
  auto* focused = reinterpret_cast<TControl*>(message.LParam);
  const bool isButton =
      dynamic_cast<TSeCustomButton*>(focused) != nullptr || dynamic_cast<TButton*>(focused);
  const bool active = isButton ? false : default_;
  if (active != activeDefault_) {
    activeDefault_ = active;
    Invalidate();
  }
  InheritedMessage<TSeCustomButton>(message);
}

void TSeCustomButton::CMEnabledChanged(TMessage& message) {
  if (HandleAllocated() && !ComponentState().Contains(TComponentStateFlag::csDesigning))
    EnableWindow(Handle(), Enabled());
  (void)message;
  Invalidate();
}

void TSeCustomButton::CMTextChanged(TMessage&) {
  Invalidate();
}

void TSeCustomButton::CMMouseEnter(TMessage& message) {
  InheritedMessage<TSeCustomButton>(message);
  Invalidate();
}

void TSeCustomButton::CMMouseLeave(TMessage& message) {
  InheritedMessage<TSeCustomButton>(message);
  Invalidate();
}
