#include "skin/objects/TSeBitmapLink.h"

void TSeBitmapLink::Assign(const TSeBitmapLink& source) {
  image_ = source.image_;
  SetRect(source.GetRect());
  name_ = source.name_;
}

bool TSeBitmapLink::IsValid() const {
  return image_ != nullptr && right_ - left_ > 0 && bottom_ - top_ > 0;
}
