#pragma once

#include <string>

#include "tools/skinart/TArtCanvas.h"

namespace skinart {

// One picture of the skin as the painter draws it, with its names in the skin and on disk.
struct TPaintedBitmap {
  std::string skinName;  // name in the skin, as objects link to it
  std::string fileName;  // file under bitmaps/
  TArtCanvas picture;
};

}  // namespace skinart
