#pragma once

#include <cstdint>
#include <functional>

#include "framework/core/TPropertyBuilder.h"

// The drop shadow along the frame's right and bottom edges. Every change tells the owning
// frame, which resizes its region and surfaces.
class TSeShadow : public TPersistent {
  QM_CLASS(TSeShadow, TPersistent)

 public:
  static void DeclareProperties(TPropertyBuilder<TSeShadow>& p);
  void Assign(const TPersistent* source) override;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  std::int32_t Size() const { return size_; }
  // At most 20; a size of 0 or less is kept and turns the shadow off.
  void SetSize(std::int32_t value);
  void SetOwnerNotify(std::function<void()> notify) { ownerNotify_ = std::move(notify); }

 private:
  void Changed() const;

  bool enabled_ = false;
  std::int32_t size_ = 4;
  std::function<void()> ownerNotify_;
};
