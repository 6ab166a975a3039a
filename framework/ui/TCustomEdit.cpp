#include "framework/ui/TCustomEdit.h"

#include "framework/ui/WideText.h"

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  SetBounds(0, 0, 121, 21);
  SetColor(clWindow);
  SetControlStyle(ControlStyle() & ~(csCaptureMouse | csClickEvents));
}

void TCustomEdit::DeclareProperties(TPropertyBuilder<TCustomEdit>& p) {
  p.Integer("MaxLength", &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength).Default(0);
  p.Boolean("ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly).Default(false);
  p.WideString(
      "Text", [](const TCustomEdit& e) { return ToUtf16(const_cast<TCustomEdit&>(e).Text()); },
      [](TCustomEdit& e, const std::u16string& v) { e.SetText(ToWide(v)); });
  p.Event("OnChange", &TCustomEdit::OnChange);
}

void TCustomEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SysClassName = L"EDIT";
  params.WinClassName = L"QmEdit";
  params.Style |= ES_AUTOHSCROLL | ES_LEFT;
  params.ExStyle |= WS_EX_CLIENTEDGE;
  if (readOnly_) params.Style |= ES_READONLY;
}

void TCustomEdit::CreateHandle() {
  TWinControl::CreateHandle();
  if (maxLength_ > 0) SendMessageW(Handle(), EM_LIMITTEXT, maxLength_, 0);
}

void TCustomEdit::SetReadOnly(bool value) {
  readOnly_ = value;
  if (HandleAllocated()) SendMessageW(Handle(), EM_SETREADONLY, value, 0);
}

void TCustomEdit::SetMaxLength(std::int32_t value) {
  maxLength_ = value;
  if (HandleAllocated()) SendMessageW(Handle(), EM_LIMITTEXT, value, 0);
}

int TCustomEdit::SelStart() {
  DWORD start = 0, end = 0;
  SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(start);
}

void TCustomEdit::SetSelStart(int value) {
  SendMessageW(Handle(), EM_SETSEL, value, value);
}

int TCustomEdit::SelLength() {
  DWORD start = 0, end = 0;
  SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(end - start);
}

void TCustomEdit::SetSelLength(int value) {
  const int start = SelStart();
  SendMessageW(Handle(), EM_SETSEL, start, start + value);
}

std::wstring TCustomEdit::SelText() {
  const std::wstring text = Text();
  const int start = SelStart();
  const int length = SelLength();
  if (start < 0 || start > static_cast<int>(text.size())) return L"";
  return text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(length));
}

void TCustomEdit::SelectAll() {
  SendMessageW(Handle(), EM_SETSEL, 0, -1);
}
void TCustomEdit::ClearSelection() {
  SendMessageW(Handle(), WM_CLEAR, 0, 0);
}
void TCustomEdit::CopyToClipboard() {
  SendMessageW(Handle(), WM_COPY, 0, 0);
}
void TCustomEdit::CutToClipboard() {
  SendMessageW(Handle(), WM_CUT, 0, 0);
}
void TCustomEdit::PasteFromClipboard() {
  SendMessageW(Handle(), WM_PASTE, 0, 0);
}

bool TCustomEdit::Modified() {
  return HandleAllocated() && SendMessageW(Handle(), EM_GETMODIFY, 0, 0) != 0;
}

void TCustomEdit::Change() {
  OnChange(this);
}

void TCustomEdit::CNCommand(TMessage& message) {
  if (HIWORD(message.WParam) == EN_CHANGE && !(ControlState() & csCreating)) Change();
}

void TCustomEdit::CNCtlColor(TMessage& message) {
  const HDC dc = reinterpret_cast<HDC>(message.WParam);
  SetTextColor(dc, ColorToRGB(Font().Color()));
  SetBkColor(dc, ColorToRGB(Color()));
  if (!brush_ || brushColor_ != Color()) {
    brush_.Reset(CreateSolidBrush(ColorToRGB(Color())));
    brushColor_ = Color();
  }
  message.Result = reinterpret_cast<LRESULT>(brush_.Get());
}
