#include "framework/ui/TCustomForm.h"

#include <algorithm>
#include <cwctype>
#include <vector>

#include "framework/core/CallbackGuard.h"
#include "framework/core/ScopeGuard.h"
#include "framework/core/TReadOnlyMemoryStream.h"
#include "framework/core/TReader.h"
#include "framework/core/UnicodeText.h"
#include "framework/ui/TApplication.h"
#include "framework/ui/TScreen.h"
#include "framework/ui/UiErrors.h"

namespace {

BOOL CALLBACK CollectEnabledWindow(HWND window, LPARAM data) {
  if (IsWindowVisible(window) && IsWindowEnabled(window))
    reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
  return TRUE;
}

}  // namespace

const TEnumInfo& FormBorderStyleInfo() {
  static const TEnumInfo info{
      "TFormBorderStyle",
      {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"}};
  return info;
}

const TEnumInfo& BorderIconInfo() {
  static const TEnumInfo info{"TBorderIcon",
                              {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"}};
  return info;
}

const TEnumInfo& PositionInfo() {
  static const TEnumInfo info{
      "TPosition",
      {"poDesigned", "poDefault", "poDefaultPosOnly", "poScreenCenter", "poMainFormCenter"}};
  return info;
}

void TCustomForm::DeclareProperties(TPropertyBuilder<TCustomForm>& p) {
  p.Set("BorderIcons", BorderIconInfo(), &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons)
      .Default(TBorderIcons{biSystemMenu, biMinimize, biMaximize});
  p.Enum("BorderStyle", FormBorderStyleInfo(), &TCustomForm::BorderStyle,
         &TCustomForm::SetBorderStyle)
      .Default(bsSizeable);
  p.Integer(
      "ClientHeight",
      [](const TCustomForm& f) { return const_cast<TCustomForm&>(f).ClientHeight(); },
      [](TCustomForm& f, std::int32_t v) { f.SetClientHeight(v); });
  p.Integer(
      "ClientWidth", [](const TCustomForm& f) { return const_cast<TCustomForm&>(f).ClientWidth(); },
      [](TCustomForm& f, std::int32_t v) { f.SetClientWidth(v); });
  p.Integer("PixelsPerInch", &TCustomForm::PixelsPerInch, &TCustomForm::SetPixelsPerInch);
  p.Enum("Position", PositionInfo(), &TCustomForm::Position, &TCustomForm::SetPosition)
      .Default(poDesigned);
  p.Boolean("Scaled", &TCustomForm::Scaled, &TCustomForm::SetScaled).Default(true);
  p.Event("OnActivate", &TCustomForm::OnActivate);
  p.Event("OnClose", &TCustomForm::OnClose);
  p.Event("OnCloseQuery", &TCustomForm::OnCloseQuery);
  p.Event("OnCreate", &TCustomForm::OnCreate);
  p.Event("OnDeactivate", &TCustomForm::OnDeactivate);
  p.Event("OnDestroy", &TCustomForm::OnDestroy);
  p.Event("OnHide", &TCustomForm::OnHide);
  p.Event("OnShow", &TCustomForm::OnShow);
}

void TCustomForm::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) {
  // Non-visual components first, then the controls, as a designer stores them.
  TComponent::GetChildren(proc, root);
  TWinControl::GetChildren(proc, root);
}

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner) {
  SetControlStyle(ControlStyle() | csAcceptsControls | csSetCaption);
  SetVisible(false);
  SetParentFont(false);
  SetColor(clBtnFace);
  SetBounds(0, 0, 320, 240);
  Screen->AddForm(this);
}

TCustomForm::~TCustomForm() {
  // A destructor cannot pass an error on: it is reported and the form still goes.
  if (OnDestroy) GuardCallback([this] { OnDestroy(this); });
  Screen->RemoveForm(this);
}

void TCustomForm::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.WinClassName = L"QmForm";
  params.Style &= ~static_cast<DWORD>(WS_CHILD | WS_TABSTOP);
  params.Style |= WS_CLIPCHILDREN;
  params.WndParent = ParentWindow();
  switch (borderStyle_) {
    case bsNone:
      params.Style |= WS_POPUP;
      break;
    case bsSingle:
    case bsToolWindow:
      params.Style |= WS_CAPTION | WS_BORDER;
      break;
    case bsSizeable:
    case bsSizeToolWin:
      params.Style |= WS_CAPTION | WS_THICKFRAME;
      break;
    case bsDialog:
      params.Style |= WS_POPUP | WS_CAPTION;
      params.ExStyle |= WS_EX_DLGMODALFRAME;
      break;
  }
  if (borderStyle_ == bsToolWindow || borderStyle_ == bsSizeToolWin)
    params.ExStyle |= WS_EX_TOOLWINDOW;
  if (borderStyle_ != bsNone) {
    if (borderIcons_.Contains(biSystemMenu)) params.Style |= WS_SYSMENU;
    if (borderStyle_ != bsDialog) {
      if (borderIcons_.Contains(biMinimize)) params.Style |= WS_MINIMIZEBOX;
      if (borderIcons_.Contains(biMaximize)) params.Style |= WS_MAXIMIZEBOX;
    }
  }
  params.ClassIcon = LoadIconW(nullptr, IDI_APPLICATION);
}

void TCustomForm::CreateHandle() {
  if (icon_.Handle())
    SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.Handle()));
  TWinControl::CreateHandle();
}

void TCustomForm::SetBorderStyle(TFormBorderStyle value) {
  if (borderStyle_ == value) return;
  borderStyle_ = value;
  RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons value) {
  if (borderIcons_ == value) return;
  borderIcons_ = value;
  RecreateWnd();
}

void TCustomForm::SetWindowState(TWindowState value) {
  windowState_ = value;
  if (HandleAllocated() && Visible()) ShowWindow(Handle(), ShowCommand());
}

int TCustomForm::ShowCommand() {
  switch (windowState_) {
    case wsMinimized:
      return SW_SHOWMINIMIZED;
    case wsMaximized:
      return SW_SHOWMAXIMIZED;
    default:
      return SW_SHOWNORMAL;
  }
}

void TCustomForm::IconChanged() {
  if (HandleAllocated())
    SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.Handle()));
}

RECT TCustomForm::ClientRect() {
  if (HandleAllocated()) return TWinControl::ClientRect();
  // Before the window exists the frame is what the platform would add for these styles.
  TCreateParams params;
  CreateParams(params);
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, params.Style, FALSE, params.ExStyle);
  return RECT{0, 0, std::max(0L, Width() - (frame.right - frame.left)),
              std::max(0L, Height() - (frame.bottom - frame.top))};
}

void TCustomForm::Loaded() {
  TWinControl::Loaded();
  const int screenPixels = Screen->PixelsPerInch();
  if (scaled_ && pixelsPerInch_ > 0 && pixelsPerInch_ != screenPixels) {
    const int stored = pixelsPerInch_;
    const int clientWidth = ClientWidth(), clientHeight = ClientHeight();
    // The frame stays as the platform draws it and the window keeps its place on the screen:
    // only the client area, the children and the fonts scale.
    const int left = Left(), top = Top();
    ScaleBy(screenPixels, stored);
    SetBounds(left, top, Width(), Height());
    SetClientSize(MulDiv(clientWidth, screenPixels, stored),
                  MulDiv(clientHeight, screenPixels, stored));
    pixelsPerInch_ = screenPixels;
  }
  Realign();
}

void TCustomForm::PlaceWindow() {
  int left = Left(), top = Top();
  switch (position_) {
    case poScreenCenter: {
      const RECT work = Screen->WorkAreaRect();
      left = work.left + (work.right - work.left - Width()) / 2;
      top = work.top + (work.bottom - work.top - Height()) / 2;
      break;
    }
    case poMainFormCenter: {
      TCustomForm* main = Application ? Application->MainForm() : nullptr;
      if (main && main != this) {
        left = main->Left() + (main->Width() - Width()) / 2;
        top = main->Top() + (main->Height() - Height()) / 2;
      }
      break;
    }
    default:
      return;
  }
  SetBounds(left, top, Width(), Height());
  position_ = poDesigned;
}

void TCustomForm::Show() {
  PlaceWindow();
  SetVisible(true);
  HandleNeeded();
  if (!Showing()) UpdateShowing();
  SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetForegroundWindow(Handle());
}

void TCustomForm::CMFormShowingChanged(TMessage& message) {
  InheritedMessage<TCustomForm>(message);
  if (Showing())
    DoShow();
  else
    DoHide();
}

void TCustomForm::DoShow() {
  if (OnShow) OnShow(this);
}

void TCustomForm::DoHide() {
  if (OnHide) OnHide(this);
}

bool TCustomForm::CloseQuery() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(this, canClose);
  return canClose;
}

void TCustomForm::Close() {
  if (modal_) {
    modalResult_ = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  const bool isMain = Application && Application->MainForm() == this;
  TCloseAction action = isMain ? caFree : caHide;
  if (OnClose) OnClose(this, action);
  if (action == caNone) return;
  if (isMain) {
    // Closing the main form ends the program; the form is freed with the application.
    Hide();
    Application->Terminate();
    return;
  }
  switch (action) {
    case caHide:
      Hide();
      break;
    case caMinimize:
      if (HandleAllocated()) ShowWindow(Handle(), SW_MINIMIZE);
      break;
    case caFree:
      Release();
      break;
    default:
      break;
  }
}

void TCustomForm::Release() {
  if (HandleAllocated()) PostMessageW(Handle(), CM_RELEASE, 0, 0);
}

void TCustomForm::CMRelease(TMessage&) {
  delete this;
}

int TCustomForm::ShowModal() {
  if (Visible() || !Enabled() || modal_) throw EInvalidOperation(UiMessages::SCannotShowModal);
  if (GetCapture()) SendMessageW(GetCapture(), WM_CANCELMODE, 0, 0);
  ReleaseCapture();
  // Every other window of this thread is disabled while the form is up.
  std::vector<HWND> disabled;
  EnumThreadWindows(GetCurrentThreadId(), CollectEnabledWindow,
                    reinterpret_cast<LPARAM>(&disabled));
  HandleNeeded();
  disabled.erase(std::remove(disabled.begin(), disabled.end(), Handle()), disabled.end());
  for (HWND window : disabled) EnableWindow(window, FALSE);
  modal_ = true;
  modalResult_ = mrNone;
  {
    // The other windows come back and the form goes away however the loop ends.
    ScopeGuard restore([&] {
      modal_ = false;
      for (HWND window : disabled) EnableWindow(window, TRUE);
      Hide();
    });
    Show();
    while (modalResult_ == mrNone && Application && !Application->Terminated()) {
      Application->HandleMessage();
      if (modalResult_ != mrNone) {
        // Asked to close: the form may still refuse.
        modal_ = false;
        if (!CloseQuery()) modalResult_ = mrNone;
        modal_ = true;
      }
    }
  }
  return modalResult_;
}

void TCustomForm::SetActiveControl(TWinControl* control) {
  if (control && control != this && !ContainsControl(control))
    throw EInvalidOperation("The control is not on this form");
  activeControl_ = control;
  if (control && active_ && control->CanFocus()) ::SetFocus(control->Handle());
}

void TCustomForm::FocusControl(TWinControl* control) {
  if (!control->CanFocus()) throw EInvalidOperation(UiMessages::SCannotFocus);
  activeControl_ = control;
  ::SetFocus(control->Handle());
}

void TCustomForm::SetFocusedControl(TWinControl* control) {
  if (control == this) return;
  activeControl_ = control;
  if (focusedControl_ == control) return;
  TWinControl* previous = focusedControl_;
  focusedControl_ = control;
  if (previous) previous->Perform(CM_EXIT);
  // A handler of the exit may have moved the focus on again.
  if (focusedControl_ != control) return;
  control->Perform(CM_ENTER);
  if (focusedControl_ != control) return;
  Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(control));
}

void TCustomForm::ControlRemoved(TControl* control) {
  if (static_cast<TControl*>(activeControl_) == control) activeControl_ = nullptr;
  if (static_cast<TControl*>(focusedControl_) == control) focusedControl_ = nullptr;
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
    if (activeControl_ && windowed->ContainsControl(activeControl_)) activeControl_ = nullptr;
    if (focusedControl_ && windowed->ContainsControl(focusedControl_)) focusedControl_ = nullptr;
  }
}

void TCustomForm::FocusFirstControl() {
  TWinControl* target = activeControl_;
  if (!target || !target->CanFocus()) target = FindNextControl(nullptr, true, true, false);
  if (target)
    ::SetFocus(target->Handle());
  else
    ::SetFocus(Handle());
}

void TCustomForm::WMFormSetFocus(TMessage& message) {
  DefaultHandler(message);
  // The form itself never keeps the focus while it has a control to give it to.
  if (active_) FocusFirstControl();
}

void TCustomForm::WMActivate(TMessage& message) {
  DefaultHandler(message);
  const bool activating = LOWORD(message.WParam) != WA_INACTIVE;
  if (activating && !active_) {
    active_ = true;
    Screen->SetActiveForm(this);
    FocusFirstControl();
    Perform(CM_ACTIVATE);
  } else if (!activating && active_) {
    active_ = false;
    Perform(CM_DEACTIVATE);
  }
}

void TCustomForm::CMActivate(TMessage&) {
  Activate();
}
void TCustomForm::CMDeactivate(TMessage&) {
  Deactivate();
}

void TCustomForm::Activate() {
  if (OnActivate) OnActivate(this);
}

void TCustomForm::Deactivate() {
  if (OnDeactivate) OnDeactivate(this);
}

void TCustomForm::WMClose(TMessage&) {
  Close();
}

void TCustomForm::WMDestroy(TMessage& message) {
  active_ = false;
  DefaultHandler(message);
}

void TCustomForm::CMFormDialogKey(TMessage& message) {
  const WORD key = static_cast<WORD>(message.WParam);
  const bool alt = (message.LParam & (1 << 29)) != 0;
  if (key == VK_TAB && GetKeyState(VK_CONTROL) >= 0 && !alt) {
    SelectNext(activeControl_, GetKeyState(VK_SHIFT) >= 0, true);
    message.Result = 1;
    return;
  }
  // Enter and Escape go to the buttons (the default and the cancel one answer).
  InheritedMessage<TCustomForm>(message);
}

bool TCustomForm::LoadDefinitionFromResource(const std::wstring& className) {
  std::wstring name = className;
  for (wchar_t& c : name) c = static_cast<wchar_t>(std::towupper(c));
  const HMODULE module = GetModuleHandleW(nullptr);
  HRSRC resource = FindResourceW(module, name.c_str(), MAKEINTRESOURCEW(10));  // RT_RCDATA
  if (!resource) return false;
  HGLOBAL loaded = LoadResource(module, resource);
  const DWORD size = SizeofResource(module, resource);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return false;
  TReadOnlyMemoryStream stream(data, size);
  DisableAlign();
  ScopeGuard enableAlign([this] { EnableAlign(); });
  TReader reader(stream);
  reader.ReadRootComponent(this);
  return true;
}
