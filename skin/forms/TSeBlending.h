#pragma once

#include <cstdint>
#include <functional>

#include "framework/core/TPropertyBuilder.h"

// Alpha blending of the frame with what lies behind it. Every change tells the owning frame,
// which rebuilds its surfaces.
class TSeBlending : public TPersistent {
  QM_CLASS(TSeBlending, TPersistent)

 public:
  static void DeclareProperties(TPropertyBuilder<TSeBlending>& p);
  void Assign(const TPersistent* source) override;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  std::int32_t Value() const { return value_; }
  // Held to 0..255.
  void SetValue(std::int32_t value);
  void SetOwnerNotify(std::function<void()> notify) { ownerNotify_ = std::move(notify); }

 private:
  void Changed() const;

  bool enabled_ = false;
  std::int32_t value_ = 150;
  std::function<void()> ownerNotify_;
};
