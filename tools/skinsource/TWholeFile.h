#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace skinsource {

// Whole files in and out for the skin tools, with messages that name the file. A file larger
// than any skin or picture the tools make is refused before it is read.
class TWholeFile {
 public:
  static constexpr std::int64_t kMaxFileSize = std::int64_t{256} << 20;

  // Throws ESkinSourceError naming path.
  static std::vector<std::uint8_t> Read(const std::string& path);
  static std::string ReadText(const std::string& path);
  static void Write(const std::string& path, const std::vector<std::uint8_t>& bytes);
  static void WriteText(const std::string& path, const std::string& text);
};

}  // namespace skinsource
