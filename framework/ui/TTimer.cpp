#include "framework/ui/TTimer.h"

#include "framework/ui/UtilityWindow.h"

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
  window_ = AllocateMessageWindow([this](TMessage& message) {
    if (message.Msg != WM_TIMER) return false;
    OnTimer(this);
    return true;
  });
  UpdateTimer();
}

TTimer::~TTimer() {
  if (running_) KillTimer(window_.Get(), 1);
}

void TTimer::DeclareProperties(TPropertyBuilder<TTimer>& p) {
  p.Boolean("Enabled", &TTimer::Enabled, &TTimer::SetEnabled).Default(true);
  p.Integer("Interval", &TTimer::Interval, &TTimer::SetInterval).Default(1000);
  p.Event("OnTimer", &TTimer::OnTimer);
}

void TTimer::SetEnabled(bool value) {
  if (enabled_ == value) return;
  enabled_ = value;
  UpdateTimer();
}

void TTimer::SetInterval(std::int32_t value) {
  if (interval_ == value) return;
  interval_ = value;
  UpdateTimer();
}

void TTimer::Loaded() {
  TComponent::Loaded();
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  if (running_) KillTimer(window_.Get(), 1);
  running_ = false;
  // One being loaded starts in Loaded, once its properties are all read.
  if (enabled_ && interval_ > 0 && !ComponentState().Contains(TComponentStateFlag::csLoading))
    running_ = SetTimer(window_.Get(), 1, static_cast<UINT>(interval_), nullptr) != 0;
}
