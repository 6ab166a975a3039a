#pragma once

#include <windows.h>

#include <vector>

#include "framework/ui/Messages.h"

class TSeHook;
class TWinControl;

// One hooked window: its hooks in registration order and the procedure it had before. The
// record's procedure offers each message to the hooks, the latest first, before and after the
// window's own procedure; a hook that marks a message handled stops the pass, and the window
// does not see the message (WM_DESTROY excepted: it always reaches the window).
//
// The record finds itself from the window through a table kept beside the windows (as a window
// property would, without the trip to the window server), so one procedure serves every record
// and a foreign subclass on top of ours still reaches it.
class TControlHook {
 public:
  TControlHook() = default;
  TControlHook(const TControlHook&) = delete;
  TControlHook& operator=(const TControlHook&) = delete;
  ~TControlHook();

  TWinControl* Control() const { return control_; }
  const std::vector<TSeHook*>& Clients() const { return clients_; }
  bool Installed() const { return window_ != nullptr; }

  void AddHook(TSeHook* client);
  void RemoveHook(TSeHook* client);
  void AttachControl(TWinControl* control);
  // Puts the record's procedure in front of the window (creating the window when needed).
  void Install();
  // Puts the previous procedure back, unless someone subclassed the window after us.
  void Uninstall();

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  void Handle(HWND window, TMessage& message);
  // Offers the message to the clients, the latest first, until one marks it handled.
  bool Offer(TMessage& message, bool after);
  bool ControlDestroying() const;

  TWinControl* control_ = nullptr;
  std::vector<TSeHook*> clients_;
  HWND window_ = nullptr;
  WNDPROC previous_ = nullptr;
  bool destroying_ = false;
};
