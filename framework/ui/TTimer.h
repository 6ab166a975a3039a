#pragma once

// A GUI-thread timer component: OnTimer every Interval milliseconds while Enabled.

#include <windows.h>

#include "framework/core/TComponent.h"
#include "framework/core/TPropertyBuilder.h"
#include "framework/core/win/Handles.h"

class TTimer : public TComponent {
  QM_CLASS(TTimer, TComponent)

 public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;
  static void DeclareProperties(TPropertyBuilder<TTimer>& p);

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  std::int32_t Interval() const { return interval_; }
  void SetInterval(std::int32_t value);
  TNotifyEvent OnTimer;
  void Loaded() override;

 private:
  void UpdateTimer();

  bool enabled_ = true;
  std::int32_t interval_ = 1000;
  Handles::Window window_;
  bool running_ = false;
};
