#pragma once

#include <string>
#include <vector>

#include "tools/skinart/ArtCanvas.h"

namespace skinart {

struct PaintedBitmap {
  std::string skinName;  // name in the skin, as objects link to it
  std::string fileName;  // file under bitmaps/
  ArtCanvas picture;
};

// Draws every picture of the program's skin, in the skin's stored order. One light cream
// face (234, 233, 215) and one blue accent (49, 105, 197) run through all of them: a blue
// caption with rounded top corners, light rounded buttons with gold hot, sunken pressed, blue
// focused and greyed disabled looks, and controls in the same family.
class SkinPainter {
 public:
  static std::vector<PaintedBitmap> PaintAll();
};

}  // namespace skinart
