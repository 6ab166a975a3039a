#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TSeSkinSource;

namespace skintool {

// Reading and writing whole files for the tool, with messages that name the file, and skin
// files through the filter their extension names. Unlike the engine, which quietly loads
// nothing, the tool refuses a missing file or an unknown extension.
class SkinFiles {
 public:
  static constexpr std::int64_t kMaxFileSize = std::int64_t{256} << 20;

  static std::vector<std::uint8_t> ReadBytes(const std::string& path);
  static std::string ReadText(const std::string& path);
  static void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
  static void WriteText(const std::string& path, const std::string& text);

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
