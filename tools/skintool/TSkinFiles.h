#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TSeSkinSource;

namespace skintool {

// Skin files through the filter their extension names. Unlike the engine, which quietly loads
// nothing, the tool refuses a missing file or an unknown extension.
class TSkinFiles {
 public:
  // ".cskn" and the like, lower case; empty when the name has none.
  static std::string Extension(const std::string& path);
  // Whether a skin filter serves the extension of path.
  static bool IsSkinFile(const std::string& path);
  static void LoadSkin(TSeSkinSource& source, const std::string& path);
  static void SaveSkin(TSeSkinSource& source, const std::string& path);
  // The bytes a window definition stores as "SkinStream": the envelope byte, then the skin
  // through the default filter.
  static std::vector<std::uint8_t> SkinStreamBytes(TSeSkinSource& source);
};

}  // namespace skintool
