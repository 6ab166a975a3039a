#pragma once

#include <memory>
#include <string>
#include <vector>

#include "tools/skinart/SkinManifest.h"
#include "tools/skinart/SkinText.h"
#include "tools/skinart/TArtCanvas.h"

namespace skinart {

struct SkinBitmapSource {
  std::string name;  // the name in the skin
  std::string file;  // the .bmp file under bitmaps/
  TArtCanvas picture;
};

// The skin's sources as read from a folder: manifest.txt, bitmaps/*.bmp, objects/*.txt.
struct SkinSources {
  SkinManifest manifest;
  std::vector<SkinBitmapSource> bitmaps;
  std::vector<std::unique_ptr<SkinTextObject>> objects;

  // Throws ESkinSourceError or EBmpError naming the file that cannot be read.
  static SkinSources Load(const std::string& folder);
};

// Lints the skin's sources: every property known to its class, in stored order and not at its
// default; links that resolve inside their bitmap; margins that fit; stored layouts that the
// layout rules reproduce; and everything the program's frame and controls rely on. Returns
// one line per problem, empty when the skin is sound.
class SkinChecker {
 public:
  static std::vector<std::string> Check(const SkinSources& skin);
};

}  // namespace skinart
