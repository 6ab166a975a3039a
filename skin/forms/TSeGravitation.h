#pragma once

#include <cstdint>

#include "framework/core/TPropertyBuilder.h"
#include "skin/objects/Geometry.h"

// Snapping a moved window to the edges of its work area.
class TSeGravitation : public TPersistent {
  QM_CLASS(TSeGravitation, TPersistent)

 public:
  static void DeclareProperties(TPropertyBuilder<TSeGravitation>& p);
  void Assign(const TPersistent* source) override;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value) { enabled_ = value; }
  std::int32_t Size() const { return size_; }
  // Held to 1..50.
  void SetSize(std::int32_t value);

  // The moved window rectangle shifted onto an edge of the work area that it comes closer to
  // than Size pixels (left before right, top before bottom). The shadow strip, shadowSize wide
  // at the right and bottom, does not count as window.
  TRect Snap(const TRect& moved, const TRect& workArea, std::int32_t shadowSize) const;

 private:
  bool enabled_ = true;
  std::int32_t size_ = 20;
};
