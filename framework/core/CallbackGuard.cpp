#include "framework/core/CallbackGuard.h"

namespace {

TCallbackExceptionHandler handler = nullptr;

}  // namespace

TCallbackExceptionHandler SetCallbackExceptionHandler(TCallbackExceptionHandler value) noexcept {
  return std::exchange(handler, value);
}

void HandleCallbackException(std::exception_ptr error) noexcept {
  if (!handler || !error) return;
  try {
    handler(std::move(error));
  } catch (...) {
    // The report itself failed: still nothing may reach the platform.
  }
}
