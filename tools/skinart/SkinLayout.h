#pragma once

#include <memory>
#include <vector>

#include "tools/skinart/SkinText.h"

namespace skinart {

struct LayoutRect {
  long long left = 0, top = 0, right = 0, bottom = 0;
  long long Width() const { return right - left; }
  long long Height() const { return bottom - top; }
  friend bool operator==(const LayoutRect&, const LayoutRect&) = default;
};

// A mirror of a source tree with the engine's layout rules (edge passes, centring, client,
// corner anchoring), so that the sources can be checked against how they will be laid out.
// Text-sized children are left as stored: measuring text needs a device.
class SkinLayout {
 public:
  explicit SkinLayout(const SkinTextObject& source);

  const SkinTextObject& Source() const { return *source_; }
  LayoutRect Bounds() const { return bounds_; }
  LayoutRect StoredBounds() const;
  const std::vector<std::unique_ptr<SkinLayout>>& Children() const { return children_; }
  const SkinLayout* Find(const std::string& name) const;

  void SetBounds(const LayoutRect& rect);
  void Realign();

 private:
  const SkinTextObject* source_;
  LayoutRect bounds_;
  long long prevWidth_ = 0;
  long long prevHeight_ = 0;
  std::vector<std::unique_ptr<SkinLayout>> children_;
};

}  // namespace skinart
