#pragma once

#include <cstdint>

// A stopwatch on the platform's high-resolution counter. The cost of reading the counter is
// measured once at creation and taken off every reading, so short spans are not overstated.
class TSeTimer {
 public:
  TSeTimer();

  void Start();
  // Seconds since Start, never below zero (the overhead can exceed a very short span).
  double ElapsedSeconds() const;

 private:
  std::int64_t frequency_ = 1;
  std::int64_t overhead_ = 0;
  std::int64_t start_ = 0;
};

// The counter the stopwatch reads and its ticks per second; the platform's own on Windows.
namespace SeCounter {
std::int64_t Now();
std::int64_t Frequency();
}  // namespace SeCounter
