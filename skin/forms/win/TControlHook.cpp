#include "skin/forms/win/TControlHook.h"

#include <algorithm>

#include "framework/core/CallbackGuard.h"
#include "framework/ui/TWinControl.h"
#include "framework/ui/TWindowMap.h"
#include "skin/SkinMessages.h"
#include "skin/forms/win/THookList.h"
#include "skin/forms/win/TSeHook.h"

namespace {
// Beside each hooked window: its record, and the procedure it had before ours (kept while our
// procedure stays in its chain, even once the record has gone).
TWindowMap<TControlHook*>& Records() {
  static auto* records = new TWindowMap<TControlHook*>;
  return *records;
}
TWindowMap<WNDPROC>& PreviousProcedures() {
  static auto* procedures = new TWindowMap<WNDPROC>;
  return *procedures;
}
}  // namespace

TControlHook::~TControlHook() {
  destroying_ = true;
  if (THookList* list = THookList::Existing()) list->Remove(this);
  while (!clients_.empty()) RemoveHook(clients_.back());
  Uninstall();
}

void TControlHook::AddHook(TSeHook* client) {
  if (std::find(clients_.begin(), clients_.end(), client) == clients_.end()) {
    clients_.push_back(client);
    client->hook_ = this;
    AttachControl(client->Control());
  }
  Install();
}

void TControlHook::RemoveHook(TSeHook* client) {
  const auto found = std::find(clients_.begin(), clients_.end(), client);
  if (found == clients_.end()) return;
  client->hook_ = nullptr;
  clients_.erase(found);
  if (clients_.empty()) {
    Uninstall();
    // Without hooks the record waits for SE_FREEHOOK; it must not keep a control that may go.
    control_ = nullptr;
  }
}

void TControlHook::AttachControl(TWinControl* control) {
  if (control == control_) return;
  Uninstall();
  control_ = control;
  if (!clients_.empty()) Install();
}

bool TControlHook::ControlDestroying() const {
  return control_ && control_->ComponentState().Contains(TComponentStateFlag::csDestroying);
}

void TControlHook::Install() {
  if (!control_ || destroying_ || ControlDestroying() ||
      control_->ComponentState().Contains(TComponentStateFlag::csDesigning))
    return;
  const HWND window = control_->Handle();
  if (!window) return;
  if (const WNDPROC kept = PreviousProcedures().Get(window)) {
    // Still in the chain below a foreign subclass: take the place back instead of stacking a
    // second copy of ourselves on top of it.
    previous_ = kept;
    window_ = window;
    Records().Set(window, this);
    return;
  }
  const auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
  if (current == &TControlHook::WindowProc) return;
  previous_ = current;
  window_ = window;
  Records().Set(window, this);
  PreviousProcedures().Set(window, current);
  SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TControlHook::WindowProc));
}

void TControlHook::Uninstall() {
  if (window_ && previous_ && IsWindow(window_)) {
    const auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window_, GWLP_WNDPROC));
    if (current == &TControlHook::WindowProc) {
      SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
      PreviousProcedures().Remove(window_);
    }
    // Otherwise someone subclassed the window after us and calls our procedure: it stays in
    // the chain and passes every message on to the procedure kept beside the window.
    if (Records().Get(window_) == this) Records().Remove(window_);
  }
  previous_ = nullptr;
  window_ = nullptr;
}

bool TControlHook::Offer(TMessage& message, bool after) {
  if (clients_.empty() || !control_ || destroying_ || ControlDestroying()) return false;
  // A handler may remove hooks (or free the window's components): walk a copy and skip the
  // hooks that left meanwhile.
  const std::vector<TSeHook*> snapshot = clients_;
  for (auto it = snapshot.rbegin(); it != snapshot.rend(); ++it) {
    if (std::find(clients_.begin(), clients_.end(), *it) == clients_.end()) continue;
    bool handled = false;
    GuardCallback([&] {
      if (after)
        (*it)->AfterMessage(message, handled);
      else
        (*it)->BeforeMessage(message, handled);
    });
    if (handled) return true;
  }
  return false;
}

void TControlHook::Handle(HWND window, TMessage& message) {
  const UINT msg = message.Msg;
  bool handled = false;
  if (msg != WM_QUIT) handled = Offer(message, false);
  if (!handled || msg == WM_DESTROY) {
    const WNDPROC previous = previous_ ? previous_ : DefWindowProcW;
    message.Result = CallWindowProcW(previous, window, msg, message.WParam, message.LParam);
    Offer(message, true);
  }
  if (msg == WM_DESTROY) {
    const bool destroyingControl = ControlDestroying();
    Uninstall();
    if (THookList* list = THookList::Existing(); list && !destroying_ && !destroyingControl)
      list->Post(SE_REHOOK, this);
  }
}

LRESULT CALLBACK TControlHook::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  TControlHook* record = Records().Get(window);
  LRESULT result = 0;
  if (!record || record->window_ != window) {
    const WNDPROC kept = PreviousProcedures().Get(window);
    result = kept ? CallWindowProcW(kept, window, msg, wParam, lParam)
                  : DefWindowProcW(window, msg, wParam, lParam);
  } else {
    TMessage message{msg, wParam, lParam, 0};
    GuardCallback([&] { record->Handle(window, message); });
    result = message.Result;
  }
  if (msg == WM_NCDESTROY) {
    // The window's last message: its handle may soon name another window.
    Records().Remove(window);
    PreviousProcedures().Remove(window);
  }
  return result;
}
