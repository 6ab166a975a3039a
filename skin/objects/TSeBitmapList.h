#pragma once

#include <memory>
#include <string>
#include <vector>

#include "skin/objects/Geometry.h"
#include "skin/objects/TSeBitmap.h"
#include "skin/objects/TSeBitmapLink.h"

// The skin's pictures in stored order; owns them. Names may repeat.
class TSeBitmapList {
 public:
  TSeBitmap* Add(std::unique_ptr<TSeBitmap> bitmap);
  int Count() const { return static_cast<int>(items_.size()); }
  // None outside the list.
  TSeBitmap* Bitmaps(int index) const;
  void Clear() { items_.clear(); }
  // A link to the last bitmap whose name matches (ASCII case ignored); none when none does.
  std::unique_ptr<TSeBitmapLink> GetLink(const std::string& name, const TRect& rect) const;

 private:
  std::vector<std::unique_ptr<TSeBitmap>> items_;
};
