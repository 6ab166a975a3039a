#include "framework/ui/TApplication.h"

#include <objbase.h>
#include <ole2.h>

#include "framework/core/CallbackGuard.h"
#include "framework/core/UnicodeText.h"
#include "framework/ui/MessageParams.h"
#include "framework/ui/TCustomForm.h"
#include "framework/ui/THintWindow.h"
#include "framework/ui/TScreen.h"
#include "framework/ui/UiErrors.h"
#include "framework/ui/UtilityWindow.h"

namespace {

std::wstring Wide(const std::string& utf8) {
  const std::u16string text = UnicodeText::FromUtf8(utf8).value_or(u"?");
  return std::wstring(text.begin(), text.end());
}

std::wstring ModuleTitle() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring name = path;
  const std::size_t slash = name.find_last_of(L"\\/");
  if (slash != std::wstring::npos) name.erase(0, slash + 1);
  const std::size_t dot = name.find_last_of(L'.');
  if (dot != std::wstring::npos) name.erase(dot);
  return name;
}

TApplication theApplication(nullptr);

}  // namespace

TApplication* Application = &theApplication;

TApplication::TApplication(TComponent* owner) : TComponent(owner) {
  // Errors that reach a callback's guard end here, in the program's one application.
  SetCallbackExceptionHandler([](std::exception_ptr error) {
    if (Application) Application->HandleException(std::move(error));
  });
  ShowErrorBox = [this](const std::wstring& title, const std::wstring& text) {
    HWND owner = mainForm_ && mainForm_->HandleAllocated() ? mainForm_->Handle() : nullptr;
    MessageBoxW(owner, text.c_str(), title.c_str(), MB_OK | MB_ICONSTOP);
  };
}

TApplication::~TApplication() {
  // The forms go while the application is still whole (they ask it about the main form).
  DestroyComponents();
  delete hintWindow_;
  hintWindow_ = nullptr;
  handle_.Reset();
  if (this == Application) Application = nullptr;
}

void TApplication::Initialize() {
  // The embedded browser and the clipboard's data objects need OLE on this thread.
  OleInitialize(nullptr);
  if (title_.empty()) title_ = ModuleTitle();
}

HWND TApplication::Handle() {
  if (!handle_) {
    handle_ = AllocateUtilityWindow([this](TMessage& message) {
      if (message.Msg == WM_SYSCOMMAND && MessageParams::SysCommand(message) == SC_MINIMIZE)
        Minimize();
      return false;
    });
  }
  return handle_.Get();
}

void TApplication::SetTitle(const std::wstring& value) {
  title_ = value;
  if (handle_) SetWindowTextW(handle_.Get(), value.c_str());
}

void TApplication::AddForm(TCustomForm* form) {
  if (!mainForm_) mainForm_ = form;
}

void TApplication::Run() {
  if (mainForm_) mainForm_->Show();
  while (!terminated_) HandleMessage();
}

void TApplication::Terminate() {
  terminated_ = true;
  PostQuitMessage(0);
}

bool TApplication::IsDialogKeyMessage(MSG& msg) {
  UINT cn = 0;
  switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      cn = CN_KEYDOWN;
      break;
    case WM_CHAR:
      cn = CN_CHAR;
      break;
    case WM_SYSCHAR: {
      // Alt+letter: an accelerator of the focused control's form.
      HWND window = msg.hwnd;
      TWinControl* control = nullptr;
      while (window && !(control = TWinControl::FindControl(window)))
        window = GetAncestor(window, GA_PARENT);
      if (!control) return false;
      TCustomForm* form = dynamic_cast<TCustomForm*>(control);
      for (TControl* c = control; !form && c; c = c->Parent()) form = dynamic_cast<TCustomForm*>(c);
      return form && form->Perform(CM_DIALOGCHAR, msg.wParam, msg.lParam) != 0;
    }
    default:
      return false;
  }
  // The window may belong to a platform control inside one of ours (a combo's edit). Parents
  // only, never owners: a foreign dialog owned by a form keeps its own keys.
  HWND window = msg.hwnd;
  TWinControl* control = nullptr;
  while (window && !(control = TWinControl::FindControl(window)))
    window = GetAncestor(window, GA_PARENT);
  if (!control) return false;
  return control->Perform(cn, msg.wParam, msg.lParam) != 0;
}

void TApplication::DispatchOne(MSG& msg) {
  if (msg.message == WM_QUIT) {
    terminated_ = true;
    return;
  }
  // A failed key handler has had the key.
  if (GuardCallback(true, [&] { return IsDialogKeyMessage(msg); })) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

void TApplication::HandleMessage() {
  MSG msg;
  if (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    DispatchOne(msg);
    return;
  }
  Idle();
  if (terminated_) return;
  if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
    terminated_ = true;
    return;
  }
  DispatchOne(msg);
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      terminated_ = true;
      return;
    }
    DispatchOne(msg);
  }
}

void TApplication::Idle() {
  // A control left behind by a leave message the platform did not send.
  if (mouseControl_) {
    POINT point;
    GetCursorPos(&point);
    const HWND under = WindowFromPoint(point);
    TWinControl* owner = dynamic_cast<TWinControl*>(mouseControl_);
    if (!owner) owner = mouseControl_->Parent();
    if (owner && owner->HandleAllocated() && under != owner->Handle()) SetMouseControl(nullptr);
  }
}

void TApplication::Minimize() {
  if (mainForm_ && mainForm_->HandleAllocated()) ShowWindow(mainForm_->Handle(), SW_MINIMIZE);
  if (OnMinimize) OnMinimize(this);
}

void TApplication::Restore() {
  if (mainForm_ && mainForm_->HandleAllocated()) ShowWindow(mainForm_->Handle(), SW_RESTORE);
  if (OnRestore) OnRestore(this);
}

void TApplication::HandleException(std::exception_ptr error) {
  try {
    try {
      std::rethrow_exception(error);
    } catch (const std::exception& e) {
      if (OnException) {
        OnException(this, e);
      } else {
        ShowException(e.what());
      }
    } catch (...) {
      ShowException("Unknown exception");
    }
  } catch (...) {
    // The handler itself failed: nothing else may escape to the platform.
  }
}

void TApplication::ShowException(const std::string& message) {
  std::wstring text = Wide(message);
  if (!text.empty() && text.back() > L'.') text += L'.';
  const std::wstring title = title_.empty() ? ModuleTitle() : title_;
  if (ShowErrorBox) ShowErrorBox(title, text);
}

THintWindow* TApplication::HintWindow() {
  if (!hintWindow_) hintWindow_ = new THintWindow(nullptr);
  return hintWindow_;
}

void TApplication::ActivateHint(TControl* control, POINT screenPoint) {
  if (!control || control->Hint().empty()) {
    CancelHint();
    return;
  }
  hintControl_ = control;
  TMessage show{CM_HINTSHOW, 0, 0, 0};
  control->WindowProc(show);
  if (show.Result != 0) return;  // the control refused the hint
  HintWindow()->ActivateHint(control->Hint(), screenPoint);
}

void TApplication::CancelHint() {
  hintControl_ = nullptr;
  if (hintWindow_) hintWindow_->ReleaseHandle();
}

void TApplication::SetMouseControl(TControl* control) {
  if (control == mouseControl_) return;
  TControl* old = mouseControl_;
  mouseControl_ = control;
  if (old) {
    old->Perform(CM_MOUSELEAVE);
    if (old == hintControl_) CancelHint();
  }
  if (control && control == mouseControl_) {
    control->Perform(CM_MOUSEENTER);
    if (control == mouseControl_ && control->ShowHint() && !control->Hint().empty()) {
      POINT point;
      GetCursorPos(&point);
      point.y += 20;
      ActivateHint(control, point);
    }
  }
}

void TApplication::ControlRemoved(TControl* control) {
  if (mouseControl_ == control) mouseControl_ = nullptr;
  if (hintControl_ == control) CancelHint();
}

void TApplication::ControlDestroyed(TControl* control) {
  ControlRemoved(control);
  if (mainForm_ && static_cast<TControl*>(mainForm_) == control) mainForm_ = nullptr;
}
