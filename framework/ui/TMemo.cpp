#include "framework/ui/TMemo.h"

#include "framework/ui/UiErrors.h"

#include "framework/core/Exception.h"
#include "framework/ui/WideText.h"

const TEnumInfo& ScrollStyleInfo() {
  static const TEnumInfo info{"TScrollStyle", {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"}};
  return info;
}

TMemoStrings::Layout TMemoStrings::Scan() const {
  Layout layout;
  layout.text = memo_.Text();
  const std::wstring& text = layout.text;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = start;
    while (end < text.size() && text[end] != L'\r' && text[end] != L'\n') ++end;
    layout.starts.push_back(start);
    layout.ends.push_back(end);
    if (end < text.size() && text[end] == L'\r' && end + 1 < text.size() && text[end + 1] == L'\n')
      start = end + 2;
    else if (end < text.size())
      start = end + 1;
    else
      start = end;
    if (end == text.size()) break;
  }
  return layout;
}

void TMemoStrings::CheckIndex(std::int32_t index, std::int32_t limit) const {
  if (index < 0 || index > limit)
    throw EListError(FormatText(FrameworkMessages::SListIndexError, std::to_string(index)));
}

std::int32_t TMemoStrings::Count() const {
  return static_cast<std::int32_t>(Scan().starts.size());
}

std::u16string TMemoStrings::Get(std::int32_t index) const {
  const Layout layout = Scan();
  CheckIndex(index, static_cast<std::int32_t>(layout.starts.size()) - 1);
  return ToUtf16(std::wstring_view(layout.text)
                     .substr(layout.starts[index], layout.ends[index] - layout.starts[index]));
}

void TMemoStrings::Replace(std::size_t start, std::size_t end, const std::wstring& with) {
  if (memo_.HandleAllocated()) {
    // Through the control, so that its caret, undo and change notification stay right.
    SendMessageW(memo_.Handle(), EM_SETSEL, start, end);
    SendMessageW(memo_.Handle(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(with.c_str()));
    return;
  }
  std::wstring text = memo_.Text();
  text.replace(start, end - start, with);
  memo_.SetText(text);
}

void TMemoStrings::Put(std::int32_t index, const std::u16string& value) {
  const Layout layout = Scan();
  CheckIndex(index, static_cast<std::int32_t>(layout.starts.size()) - 1);
  Replace(layout.starts[index], layout.ends[index], ToWide(value));
}

void TMemoStrings::Insert(std::int32_t index, const std::u16string& value) {
  const Layout layout = Scan();
  const auto count = static_cast<std::int32_t>(layout.starts.size());
  CheckIndex(index, count);
  const std::wstring line = ToWide(value);
  if (index < count) {
    Replace(layout.starts[index], layout.starts[index], line + L"\r\n");
    return;
  }
  const std::wstring& text = layout.text;
  const std::size_t end = text.size();
  const bool endsWithBreak = !text.empty() && (text.back() == L'\n' || text.back() == L'\r');
  if (text.empty() || endsWithBreak)
    Replace(end, end, line + L"\r\n");
  else
    Replace(end, end, L"\r\n" + line);
}

void TMemoStrings::Delete(std::int32_t index) {
  const Layout layout = Scan();
  const auto count = static_cast<std::int32_t>(layout.starts.size());
  CheckIndex(index, count - 1);
  const std::size_t end = index + 1 < count ? layout.starts[index + 1] : layout.text.size();
  Replace(layout.starts[index], end, L"");
}

void TMemoStrings::Clear() {
  memo_.SetText(L"");
}

TMemo::TMemo(TComponent* owner)
    : TCustomEdit(owner), lines_(std::make_unique<TMemoStrings>(*this)) {
  SetBounds(0, 0, 185, 89);
}

void TMemo::DeclareProperties(TPropertyBuilder<TMemo>& p) {
  p.Object("Lines", [](const TMemo& m) { return m.lines_.get(); });
  p.Enum("ScrollBars", ScrollStyleInfo(), &TMemo::ScrollBars, &TMemo::SetScrollBars)
      .Default(ssNone);
  p.Boolean("WantReturns", &TMemo::WantReturns, &TMemo::SetWantReturns).Default(true);
  p.Boolean("WantTabs", &TMemo::WantTabs, &TMemo::SetWantTabs).Default(false);
  p.Boolean("WordWrap", &TMemo::WordWrap, &TMemo::SetWordWrap).Default(true);
}

void TMemo::CreateParams(TCreateParams& params) {
  TCustomEdit::CreateParams(params);
  params.WinClassName = L"QmMemo";
  params.Style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
  if (wordWrap_ && scrollBars_ != ssHorizontal && scrollBars_ != ssBoth)
    params.Style &= ~static_cast<DWORD>(ES_AUTOHSCROLL);
  if (scrollBars_ == ssVertical || scrollBars_ == ssBoth) params.Style |= WS_VSCROLL;
  if (scrollBars_ == ssHorizontal || scrollBars_ == ssBoth) params.Style |= WS_HSCROLL;
}

void TMemo::SetScrollBars(TScrollStyle value) {
  if (scrollBars_ == value) return;
  scrollBars_ = value;
  RecreateWnd();
}

void TMemo::SetWordWrap(bool value) {
  if (wordWrap_ == value) return;
  wordWrap_ = value;
  RecreateWnd();
}

void TMemo::DefaultHandler(TMessage& message) {
  TCustomEdit::DefaultHandler(message);
  if (message.Msg == WM_GETDLGCODE) {
    if (wantTabs_)
      message.Result |= DLGC_WANTTAB;
    else
      message.Result &= ~static_cast<LRESULT>(DLGC_WANTTAB);
    // In a dialog the platform's multi-line edit takes every key but gives Escape, and Tab when
    // tabs are not wanted, back to the dialog: asked for one of those, the memo answers so.
    const WPARAM key = message.WParam;
    if (!wantReturns_ || key == VK_ESCAPE || (key == VK_TAB && !wantTabs_))
      message.Result &= ~static_cast<LRESULT>(DLGC_WANTALLKEYS);
  }
}
