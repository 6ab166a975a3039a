#pragma once

// The one boundary between the platform's callbacks and the program's code. No exception may
// leave a window procedure, timer, hook or COM method: MinGW's i686 unwinder cannot pass through
// the platform's frames. Every such entry point runs its body through GuardCallback, which hands
// whatever escapes to the registered handler (the application's: it shows the error box) and
// answers the fallback result, so the platform, and the message loop, go on.
//
// The handler is a plain function pointer set by whoever reports errors: the guard knows no
// application, form or control.

#include <exception>
#include <utility>

using TCallbackExceptionHandler = void (*)(std::exception_ptr error);

// Registers the handler and returns the previous one; with none, errors are dropped.
TCallbackExceptionHandler SetCallbackExceptionHandler(TCallbackExceptionHandler handler) noexcept;
// Hands the error to the handler. A handler that fails itself is not let through either.
void HandleCallbackException(std::exception_ptr error) noexcept;

// Runs body; if it throws, reports the exception and answers fallback.
template <class R, class F>
R GuardCallback(R fallback, F&& body) noexcept {
  try {
    return std::forward<F>(body)();
  } catch (...) {
    HandleCallbackException(std::current_exception());
  }
  return fallback;
}

// For callbacks that answer nothing (or leave their answer in the message record).
template <class F>
void GuardCallback(F&& body) noexcept {
  try {
    std::forward<F>(body)();
  } catch (...) {
    HandleCallbackException(std::current_exception());
  }
}
