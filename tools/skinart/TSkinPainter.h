#pragma once

#include <vector>

#include "tools/skinart/TPaintedBitmap.h"

namespace skinart {

// Draws every picture of the program's skin, in the skin's stored order. One light cream
// face (234, 233, 215) and one blue accent (49, 105, 197) run through all of them: a blue
// caption with rounded top corners, light rounded buttons with gold hot, sunken pressed, blue
// focused and greyed disabled looks, and controls in the same family.
class TSkinPainter {
 public:
  static std::vector<TPaintedBitmap> PaintAll();
};

}  // namespace skinart
