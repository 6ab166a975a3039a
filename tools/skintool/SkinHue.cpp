#include "tools/skintool/SkinHue.h"

#include "skin/objects/TSeBitmap.h"
#include "skin/objects/TSeSkinObject.h"
#include "skin/store/TSeSkinSource.h"

namespace skintool {

void ApplyHue(TSeSkinSource& source, int delta) {
  if (delta == 0) return;
  for (int i = 0; i < source.Bitmaps().Count(); ++i) source.Bitmaps().Bitmaps(i)->ChangeHue(delta);
  for (const auto& object : source.AllObjects()) object->ChangeHue(delta);
}

}  // namespace skintool
