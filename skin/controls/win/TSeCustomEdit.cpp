#include "skin/controls/win/TSeCustomEdit.h"

#include <imm.h>

#include <algorithm>
#include <vector>

#include "framework/core/win/Handles.h"
#include "framework/ui/TClipboard.h"
#include "framework/ui/TCustomForm.h"
#include "framework/ui/TMenuItem.h"
#include "framework/ui/TextMeasure.h"
#include "framework/ui/WideText.h"
#include "skin/controls/win/PlainDrawing.h"

namespace {

// Upper or lower case through the platform's own mapping.
std::u16string PlatformCaseMapper(const std::u16string& s, TEditCharCase c) {
  std::wstring w = ToWide(s);
  if (w.empty()) return s;
  if (c == TEditCharCase::ecUpperCase) CharUpperBuffW(w.data(), static_cast<DWORD>(w.size()));
  if (c == TEditCharCase::ecLowerCase) CharLowerBuffW(w.data(), static_cast<DWORD>(w.size()));
  return ToUtf16(w);
}

// The sides as a stored set: member i is bit i of the border's side mask.
enum class TSeBevelSide { kbsLeft, kbsTop, kbsRight, kbsBottom };

const TEnumInfo& BevelSideInfo() {
  static const TEnumInfo info{"TSeBevelSide", {"kbsLeft", "kbsTop", "kbsRight", "kbsBottom"}};
  return info;
}

const TEnumInfo& BevelCutInfo() {
  static const TEnumInfo info{
      "TSeBevelCut",
      {"kbvNone", "kbvLowered", "kbvRaised", "kbvSpace", "kbvBorder", "kbvFlatBorder"}};
  return info;
}

const TEnumInfo& BevelKindInfo() {
  static const TEnumInfo info{
      "TSeBevelKind", {"kbkNone", "kbkSingle", "kbkTile", "kbkSoft", "kbkBorder", "kbkFlat"}};
  return info;
}

}  // namespace

const TEnumInfo& EditCharCaseInfo() {
  static const TEnumInfo info{"TEditCharCase", {"ecNormal", "ecUpperCase", "ecLowerCase"}};
  return info;
}

const TEnumInfo& PasswordKindInfo() {
  static const TEnumInfo info{
      "TPasswordKind", {"pkNone", "pkChar", "pkRect", "pkRoundRect", "pkCircle", "pkTriangle"}};
  return info;
}

const TEnumInfo& EditAlignmentInfo() {
  static const TEnumInfo info{"TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"}};
  return info;
}

const TEnumInfo& ImeModeInfo() {
  static const TEnumInfo info{
      "TImeMode",
      {"imDisable", "imClose", "imOpen", "imDontCare", "imSAlpha", "imAlpha", "imHira", "imSKata",
       "imKata", "imChinese", "imSHanguel", "imHanguel"}};
  return info;
}

TSeCustomEdit::TSeCustomEdit(TComponent* owner) : TSeCustomControl(owner) {
  model_.SetCaseMapper(&PlatformCaseMapper);
  view_.Measure = [this](std::u16string_view text) { return Measure(text); };
  SetPerformance(TSePerformance::kspDoubleBuffer);
  SetBevelKind(TSeBevelKind::kbkSingle);
  SetBevelWidth(1);
  SetBorderWidth(3);
  SetTabStop(true);
  SetBounds(Left(), Top(), 121, 21);
  SetColor(clWindow);
  SetCursor(crIBeam);
  SetControlStyle(ControlStyle() | csCaptureMouse);
}

TSeCustomEdit::~TSeCustomEdit() = default;

void TSeCustomEdit::DeclareProperties(TPropertyBuilder<TSeCustomEdit>& p) {
  using C = TSeCustomEdit;
  p.Boolean("AutoSelect", &C::AutoSelect, &C::SetAutoSelect).Default(true);
  p.Boolean("AutoSize", &C::AutoSize, &C::SetAutoSize).Default(true);
  // The edit publishes the base's bevels, always stored; the kind comes after the two cuts so
  // that reading it back applies its preset last.
  p.Set(
      "BevelSides", BevelSideInfo(),
      [](const C& c) { return TSet<TSeBevelSide>::FromBits(c.BevelSides()); },
      [](C& c, TSet<TSeBevelSide> v) { c.SetBevelSides(v.Bits()); });
  p.Enum("BevelInner", BevelCutInfo(), &C::BevelInner, &C::SetBevelInner);
  p.Enum("BevelOuter", BevelCutInfo(), &C::BevelOuter, &C::SetBevelOuter);
  p.Enum("BevelKind", BevelKindInfo(), &C::BevelKind, &C::SetBevelKind);
  p.Integer("BevelWidth", &C::BevelWidth, &C::SetBevelWidth);
  p.Integer("BorderWidth", &C::BorderWidth, &C::SetBorderWidth);
  p.Enum("CharCase", EditCharCaseInfo(), &C::CharCase, &C::SetCharCase)
      .Default(TEditCharCase::ecNormal);
  p.Boolean("HideSelection", &C::HideSelection, &C::SetHideSelection).Default(true);
  p.Integer("MaxLength", &C::MaxLength, &C::SetMaxLength).Default(0);
  p.Enum("PasswordKind", PasswordKindInfo(), &C::PasswordKind, &C::SetPasswordKind)
      .Default(TPasswordKind::pkNone);
  p.Integer("PasswordWideChar", &C::PasswordWideChar, &C::SetPasswordWideChar).Default(0);
  p.Boolean("ReadOnly", &C::ReadOnly, &C::SetReadOnly).Default(false);
  p.WideString(
      "Text", [](const C& c) { return c.model_.Text(); },
      [](C& c, const std::u16string& v) { c.SetText(ToWide(v)); });
  p.Enum("TextAlignment", EditAlignmentInfo(), &C::TextAlignment, &C::SetTextAlignment)
      .Default(TEditAlignment::taLeftJustify);
  p.Enum("ImeMode", ImeModeInfo(), &C::ImeMode, &C::SetImeMode).Default(imDontCare);
  p.WideString("ImeName", &C::ImeName, &C::SetImeName);
  p.Event("OnChange", &C::OnChange);
}

void TSeCustomEdit::CreateParams(TCreateParams& params) {
  TSeCustomControl::CreateParams(params);
  params.WinClassName = L"QmSeEdit";
}

// Text.

std::wstring TSeCustomEdit::GetText() {
  return ToWide(model_.Text());
}

void TSeCustomEdit::SetTextCore(const std::wstring& value) {
  const bool changed = model_.SetText(ToUtf16(value));
  Invalidate();
  if (changed) Change();
}

void TSeCustomEdit::CMTextChanged(TMessage&) {
  model_.Select(model_.CaretPos(), 0);
  Invalidate();
}

void TSeCustomEdit::Change() {
  if (Enabled() && HandleAllocated()) PlaceCaret();
  if (OnChange) OnChange(this);
}

void TSeCustomEdit::Edited(const std::u16string& before) {
  if (model_.Text() != before) Change();
  PlaceCaret();
}

void TSeCustomEdit::SetCharCase(TEditCharCase value) {
  const std::u16string before = model_.Text();
  model_.SetCharCase(value);
  Invalidate();
  if (model_.Text() != before) Change();
}

void TSeCustomEdit::SetHideSelection(bool value) {
  hideSelection_ = value;
  Invalidate();
}

void TSeCustomEdit::SetPasswordKind(TPasswordKind value) {
  model_.SetPasswordKind(value);
  PlaceCaret();
}

void TSeCustomEdit::SetPasswordWideChar(std::int32_t value) {
  model_.SetPasswordWideChar(static_cast<char16_t>(value));
  PlaceCaret();
}

void TSeCustomEdit::SetTextAlignment(TEditAlignment value) {
  view_.Alignment = value;
  PlaceCaret();
}

// Editing operations.

void TSeCustomEdit::InsertText(const std::wstring& text) {
  const std::u16string before = model_.Text();
  model_.InsertText(ToUtf16(text));
  Edited(before);
}

void TSeCustomEdit::DeleteSelection() {
  const std::u16string before = model_.Text();
  model_.DeleteSelection();
  Edited(before);
}

void TSeCustomEdit::PutOnClipboard(const std::optional<std::u16string>& text) {
  if (text && !text->empty()) Clipboard().SetAsText(ToWide(*text));
}

void TSeCustomEdit::CopyToClipboard() {
  PutOnClipboard(model_.CopyToClipboard());
}

void TSeCustomEdit::CutToClipboard() {
  if (model_.ReadOnly()) return;
  const std::u16string before = model_.Text();
  PutOnClipboard(model_.CutToClipboard());
  Edited(before);
}

void TSeCustomEdit::PasteFromClipboard() {
  if (model_.ReadOnly()) return;
  // TClipboard reads the wide text, else converts the ANSI text.
  const std::wstring clip = Clipboard().AsText();
  const std::u16string before = model_.Text();
  model_.PasteFromClipboard(ToUtf16(clip));
  Edited(before);
}

void TSeCustomEdit::SelectAll() {
  model_.SelectAll();
  PlaceCaret();
}

bool TSeCustomEdit::Undo() {
  const std::u16string before = model_.Text();
  const bool undone = model_.Undo();
  Edited(before);
  return undone;
}

void TSeCustomEdit::WMCut(TMessage&) {
  CutToClipboard();
}
void TSeCustomEdit::WMCopy(TMessage&) {
  CopyToClipboard();
}
void TSeCustomEdit::WMPaste(TMessage&) {
  PasteFromClipboard();
}
void TSeCustomEdit::WMUndo(TMessage& message) {
  message.Result = Undo() ? 1 : 0;
}

void TSeCustomEdit::WMGetDlgCode(TMessage& message) {
  message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
}

// Keyboard and mouse.

void TSeCustomEdit::KeyDown(WORD& key, TShiftState shift) {
  TSeCustomControl::KeyDown(key, shift);
  if (key == 0) return;
  const TEditShiftState s{shift.Contains(ssShift), shift.Contains(ssCtrl), shift.Contains(ssAlt)};
  const std::u16string before = model_.Text();
  const TEditKeyResult r = model_.KeyDown(key, s);
  PutOnClipboard(r.ToClipboard);
  if (r.WantsPaste) {
    PasteFromClipboard();
    return;
  }
  Edited(before);
}

void TSeCustomEdit::KeyPress(wchar_t& key) {
  TSeCustomControl::KeyPress(key);
  if (key == 0) return;
  const std::u16string before = model_.Text();
  model_.KeyPress(static_cast<char16_t>(key));
  Edited(before);
}

void TSeCustomEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft) {
    selecting_ = true;
    // Focus first: gaining it may select all, which the click then replaces.
    if (!HasFocus() && CanFocus()) SetFocus();
    UpdateView();
    model_.MoveCaret(view_.IndexAtX(model_.Text(), x), false);
    PlaceCaret();
  }
  TSeCustomControl::MouseDown(button, shift, x, y);
}

void TSeCustomEdit::MouseMove(TShiftState shift, int x, int y) {
  if (selecting_) {
    UpdateView();
    std::int32_t index = view_.IndexAtX(model_.Text(), x);
    if (x > TextRect().right) ++index;
    model_.MoveCaret(index, true);
    PlaceCaret();
  }
  TSeCustomControl::MouseMove(shift, x, y);
}

void TSeCustomEdit::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft) selecting_ = false;
  TSeCustomControl::MouseUp(button, shift, x, y);
}

void TSeCustomEdit::DblClick() {
  selecting_ = false;
  model_.SelectWord();
  PlaceCaret();
  TSeCustomControl::DblClick();
}

// Focus and caret.

bool TSeCustomEdit::HasFocus() {
  return HandleAllocated() && GetFocus() == Handle();
}

void TSeCustomEdit::CreateCaretNow() {
  CreateCaret(Handle(), nullptr, 1, TextHeight());
}

void TSeCustomEdit::WMSetFocus(TMessage& message) {
  InheritedMessage<TSeCustomEdit>(message);
  CreateCaretNow();
  model_.MoveCaret(0, false);
  if (autoSelect_) model_.SelectAll();
  PlaceCaret();
  ShowCaret(Handle());
}

void TSeCustomEdit::WMKillFocus(TMessage& message) {
  InheritedMessage<TSeCustomEdit>(message);
  DestroyCaret();
  Invalidate();
}

void TSeCustomEdit::CMEnabledChanged(TMessage& message) {
  InheritedMessage<TSeCustomEdit>(message);
  Invalidate();
}

void TSeCustomEdit::CMFontChanged(TMessage& message) {
  InheritedMessage<TSeCustomEdit>(message);
  AdjustHeight();
  if (HasFocus()) {
    DestroyCaret();
    CreateCaretNow();
    ShowCaret(Handle());
  }
  PlaceCaret();
}

void TSeCustomEdit::UpdateView() {
  view_.TextRect = [this] {
    const RECT r = TextRect();
    return Rect(r.left, r.top, r.right, r.bottom);
  }();
  view_.PasswordKind = model_.PasswordKind();
  view_.ComputeCellWidth(model_.PasswordWideChar());
}

void TSeCustomEdit::PlaceCaret() {
  model_.PlaceCaret(model_.CaretPos());
  UpdateView();
  view_.ScrollToCaret(model_.Text(), model_.CaretPos());
  if (HasFocus()) SetCaretPos(view_.XOfIndex(model_.Text(), model_.CaretPos()), view_.TextRect.Top);
  Invalidate();
}

// Input method: the composition window stands at the caret with the control's font, and a
// finished result goes in as if typed.

void TSeCustomEdit::WMImeStartComposition(TMessage& message) {
  if (HIMC imc = ImmGetContext(Handle())) {
    UpdateView();
    COMPOSITIONFORM form{};
    form.dwStyle = CFS_POINT;
    form.ptCurrentPos = POINT{view_.XOfIndex(model_.Text(), model_.CaretPos()), view_.TextRect.Top};
    ImmSetCompositionWindow(imc, &form);
    LOGFONTW font{};
    if (GetObjectW(FontHandle(), sizeof(font), &font) != 0) ImmSetCompositionFontW(imc, &font);
    ImmReleaseContext(Handle(), imc);
  }
  DefaultHandler(message);
}

void TSeCustomEdit::WMImeComposition(TMessage& message) {
  if ((message.LParam & GCS_RESULTSTR) == 0) {
    DefaultHandler(message);
    return;
  }
  std::wstring result;
  if (HIMC imc = ImmGetContext(Handle())) {
    const LONG bytes = ImmGetCompositionStringW(imc, GCS_RESULTSTR, nullptr, 0);
    if (bytes > 0) {
      result.resize(static_cast<std::size_t>(bytes) / sizeof(wchar_t));
      ImmGetCompositionStringW(imc, GCS_RESULTSTR, result.data(), static_cast<DWORD>(bytes));
    }
    ImmReleaseContext(Handle(), imc);
  }
  const std::u16string before = model_.Text();
  for (wchar_t c : result) model_.KeyPress(static_cast<char16_t>(c));
  Edited(before);
  message.Result = 0;
}

// Context menu.

void TSeCustomEdit::BuildContextMenu() {
  menu_ = std::make_unique<TPopupMenu>(nullptr);
  struct Item {
    const wchar_t* caption;
    void (TSeCustomEdit::*action)();
  };
  const Item items[] = {
      {L"Undo", nullptr},
      {L"-", nullptr},
      {L"Cut", &TSeCustomEdit::CutToClipboard},
      {L"Copy", &TSeCustomEdit::CopyToClipboard},
      {L"Paste", &TSeCustomEdit::PasteFromClipboard},
      {L"Delete", &TSeCustomEdit::DeleteSelection},
      {L"-", nullptr},
      {L"Select All", &TSeCustomEdit::SelectAll},
  };
  for (const Item& item : items) {
    auto* menuItem = new TMenuItem(menu_.get());
    menuItem->SetCaption(item.caption);
    if (item.action)
      menuItem->OnClick =
          TNotifyEvent([this, action = item.action](TObject*) { (this->*action)(); });
    menu_->Items()->Add(menuItem);
  }
  menu_->Items()->Items(0)->OnClick = TNotifyEvent([this](TObject*) { Undo(); });
  ContextMenuCreated(*menu_);
}

void TSeCustomEdit::WMContextMenu(TMessage& message) {
  if (ComponentState().Contains(TComponentStateFlag::csDesigning)) return;
  if (!menu_) BuildContextMenu();
  const TEditMenuState state =
      model_.MenuState(Clipboard().HasText() && !Clipboard().AsText().empty());
  const bool enabled[] = {state.Undo,  true,         state.Cut, state.Copy,
                          state.Paste, state.Delete, true,      state.SelectAll};
  for (int i = 0; i < menu_->Items()->Count(); ++i)
    menu_->Items()->Items(i)->SetEnabled(enabled[i]);
  if (TCustomForm* form = ParentForm(); form && form->HandleAllocated())
    SendMessageW(form->Handle(), WM_CANCELMODE, 0, 0);
  POINT at{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
  // From the keyboard the menu opens at the caret.
  if (message.LParam == -1) {
    UpdateView();
    at = ClientToScreen(
        POINT{view_.XOfIndex(model_.Text(), model_.CaretPos()), view_.TextRect.Bottom});
  }
  menu_->SetPopupComponent(this);
  menu_->Popup(at.x, at.y);
}

// Geometry and size.

std::int32_t TSeCustomEdit::Measure(std::u16string_view text) {
  const std::wstring w(text.begin(), text.end());
  return MeasureText(FontHandle(), w).cx;
}

int TSeCustomEdit::TextHeight() {
  return MeasureText(FontHandle(), L"Pq").cy;
}

RECT TSeCustomEdit::TextRect() {
  RECT r = GetInnerRect();
  r.bottom = r.top + TextHeight();
  return r;
}

void TSeCustomEdit::SetAutoSize(bool value) {
  autoSize_ = value;
  AdjustHeight();
}

void TSeCustomEdit::AdjustHeight() {
  if (!autoSize_ || Loading()) return;
  const RECT inner = GetInnerRect();
  const int height = 2 * inner.top + TextHeight();
  if (height != Height()) SetBounds(Left(), Top(), Width(), height);
}

void TSeCustomEdit::BorderChanged() {
  TSeCustomControl::BorderChanged();
  AdjustHeight();
  PlaceCaret();
}

void TSeCustomEdit::Loaded() {
  TSeCustomControl::Loaded();
  AdjustHeight();
}

void TSeCustomEdit::SetBounds(int left, int top, int width, int height) {
  TSeCustomControl::SetBounds(left, top, width, height);
}

// Painting.

void TSeCustomEdit::PaintTextBackground(const RECT& area) {
  if (!Transparent()) FillSolid(Canvas().Handle(), area, Color());
}

void TSeCustomEdit::PaintClient() {
  HDC dc = Canvas().Handle();
  UpdateView();
  const RECT tr = TextRect();
  const RECT inner = GetInnerRect();
  PaintTextBackground(RECT{inner.left, tr.top, inner.right, Height() - tr.top});

  Handles::SavedDC saved(dc);
  Handles::SelectedObject font(dc, FontHandle());
  SetBkMode(dc, TRANSPARENT);
  const std::u16string& text = model_.Text();
  const bool showSelection = (HasFocus() || !hideSelection_) && model_.SelCount() > 0;
  const RECT sel = ToRect(view_.SelectionRect(text, model_.SelStart(), model_.SelCount()));
  if (showSelection) FillSolid(dc, sel, clHighlight);

  const bool masked = model_.PasswordKind() != TPasswordKind::pkNone;
  const TColor fontColor = Font().Color();
  auto drawText = [&](const RECT& clip, TColor color) {
    if (masked) {
      DrawMaskedCells(dc, clip, color);
      return;
    }
    SetTextColor(dc, ColorToRGB(color));
    const std::size_t first = static_cast<std::size_t>(std::max(0, view_.FirstVisible - 1));
    if (first >= text.size()) return;
    const std::wstring shown = ToWide(std::u16string_view(text).substr(first));
    const int x = view_.XOfIndex(text, static_cast<std::int32_t>(first));
    ExtTextOutW(dc, x, tr.top, ETO_CLIPPED, &clip, shown.c_str(), static_cast<UINT>(shown.size()),
                nullptr);
  };
  drawText(tr, fontColor);
  if (showSelection) {
    RECT clip{};
    IntersectRect(&clip, &sel, &tr);
    drawText(clip, clHighlightText);
  }
}

void TSeCustomEdit::DrawMaskedCells(HDC dc, const RECT& clip, TColor color) {
  const std::u16string& text = model_.Text();
  const int cell = view_.CellWidth;
  const RECT tr = ToRect(view_.TextRect);
  Handles::Brush brush(CreateSolidBrush(ColorToRGB(color)));
  Handles::Pen pen(CreatePen(PS_SOLID, 1, ColorToRGB(color)));
  Handles::SelectedObject selBrush(dc, brush.Get());
  Handles::SelectedObject selPen(dc, pen.Get());
  SetTextColor(dc, ColorToRGB(color));
  for (std::int32_t i = std::max(0, view_.FirstVisible - 1);
       i < static_cast<std::int32_t>(text.size()); ++i) {
    const int x = view_.XOfIndex(text, i);
    if (x >= clip.right) break;
    RECT box{x, tr.top, x + cell, tr.bottom};
    RECT visible{};
    if (!IntersectRect(&visible, &box, &clip)) continue;
    Handles::SavedDC cellState(dc);
    IntersectClipRect(dc, visible.left, visible.top, visible.right, visible.bottom);
    const RECT mark{box.left + 2, box.top + 3, box.right - 2, box.bottom - 3};
    const int side = mark.right - mark.left;
    const int cx = (box.left + box.right) / 2;
    const int cy = (box.top + box.bottom) / 2;
    switch (model_.PasswordKind()) {
      case TPasswordKind::pkChar: {
        const wchar_t c = static_cast<wchar_t>(model_.PasswordWideChar());
        ExtTextOutW(dc, box.left, box.top, 0, nullptr, &c, 1, nullptr);
        break;
      }
      case TPasswordKind::pkRect:
        FillRect(dc, &mark, brush.Get());
        break;
      case TPasswordKind::pkRoundRect:
        RoundRect(dc, mark.left, mark.top, mark.right, mark.bottom, 2, 2);
        break;
      case TPasswordKind::pkCircle: {
        const int left = cx - side / 2;
        const int top = cy - side / 2;
        RoundRect(dc, left, top, left + side, top + side, side / 2 + 1, side / 2 + 1);
        break;
      }
      case TPasswordKind::pkTriangle: {
        const int odd = side % 2 == 0 ? side + 1 : side;
        const int left = cx - odd / 2;
        const int top = cy - odd / 2;
        const POINT points[3] = {
            {left + odd / 2 + 1, top}, {left, top + odd - 1}, {left + odd - 1, top + odd - 1}};
        Polygon(dc, points, 3);
        break;
      }
      case TPasswordKind::pkNone:
        break;
    }
  }
}
