#include "skin/forms/TSeTimer.h"

TSeTimer::TSeTimer() {
  const std::int64_t first = SeCounter::Now();
  overhead_ = SeCounter::Now() - first;
  const std::int64_t frequency = SeCounter::Frequency();
  frequency_ = frequency > 0 ? frequency : 1;
  start_ = SeCounter::Now();
}

void TSeTimer::Start() {
  start_ = SeCounter::Now();
}

double TSeTimer::ElapsedSeconds() const {
  const std::int64_t ticks = SeCounter::Now() - start_ - overhead_;
  if (ticks <= 0) return 0.0;
  return static_cast<double>(ticks) / static_cast<double>(frequency_);
}
