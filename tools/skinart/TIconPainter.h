#pragma once

#include <vector>

#include "tools/skinart/TArtCanvas.h"
#include "tools/skinart/TIconFile.h"

namespace skinart {

// The program's icon: a white "Q" with a gold tail on a blue rounded square. The sixteen-colour
// pictures use flat palette colours (a gradient would band); the true-colour ones are shaded.
class TIconPainter {
 public:
  static TArtCanvas Paint(int size, bool paletted);
  // Every picture the icon file carries: 16 and 32 pixels in sixteen colours, then 16, 32, 48
  // and 256 pixels in true colour.
  static std::vector<TIconImage> Images();
};

}  // namespace skinart
