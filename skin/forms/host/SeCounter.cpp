#include <chrono>

#include "skin/forms/TSeTimer.h"

namespace SeCounter {

std::int64_t Now() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

std::int64_t Frequency() {
  return 1000000000;
}

}  // namespace SeCounter
