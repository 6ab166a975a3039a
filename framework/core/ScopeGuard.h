#pragma once

// Runs an action when the scope is left, on every path: the restoring half of "change this for
// a while". On a normal exit an error of the action goes on to the caller like any other; while
// another exception is already on its way out the action's own error cannot follow it (two
// exceptions at once end the program), so it goes to the callback error handler instead and
// the first one goes on.
//
//   modal_ = true;
//   ScopeGuard restore([&] { modal_ = false; });

#include <exception>
#include <utility>

#include "framework/core/CallbackGuard.h"

template <class F>
class ScopeGuard {
 public:
  explicit ScopeGuard(F action) : action_(std::move(action)) {}
  ScopeGuard(const ScopeGuard&) = delete;
  ScopeGuard& operator=(const ScopeGuard&) = delete;
  // Not noexcept: on a normal exit the action's error reaches the caller.
  ~ScopeGuard() noexcept(false) {
    if (!active_) return;
    if (std::uncaught_exceptions() > unwinding_) {
      try {
        action_();
      } catch (...) {
        HandleCallbackException(std::current_exception());
      }
      return;
    }
    action_();
  }

  // The scope succeeded and nothing needs undoing.
  void Dismiss() noexcept { active_ = false; }

 private:
  F action_;
  int unwinding_ = std::uncaught_exceptions();
  bool active_ = true;
};
