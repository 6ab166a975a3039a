#pragma once

#include <string>
#include <utility>
#include <vector>

namespace skinart {

// The skin's manifest: header strings, then the bitmaps in stored order (skin name = file
// name, since a skin name may occur twice) and the top-level object files in stored order.
struct SkinManifest {
  std::string skinName;
  std::string skinVersion;
  std::string author;
  std::string authorEMail;
  std::string authorURL;
  std::vector<std::pair<std::string, std::string>> bitmaps;
  std::vector<std::string> objects;

  // Throws ESkinSourceError with the line number for anything it does not understand.
  static SkinManifest Parse(const std::string& text, const std::string& sourceName);
  static SkinManifest Load(const std::string& path);
};

}  // namespace skinart
