#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

class TSeSkinSource;

// Small skins for the engine's tests: two pictures with real colour, a "Form" of kind skForm,
// a coloured "Button" and an "Extra" object, varied by a seed so that two skins tell apart.
namespace EngineTestSkin {

void Fill(TSeSkinSource& source, int seed);
// Every pixel of every bitmap, in list order.
std::vector<std::uint32_t> Pixels(const TSeSkinSource& source);
// The top-level objects' names in order.
std::vector<std::string> Names(const TSeSkinSource& source);

// A folder of its own under the system's temporary folder, removed at the end.
class TTempDir {
 public:
  TTempDir();
  TTempDir(const TTempDir&) = delete;
  TTempDir& operator=(const TTempDir&) = delete;
  ~TTempDir();
  std::string File(const std::string& name) const { return (path_ / name).string(); }
  std::string Path() const { return path_.string() + "/"; }

 private:
  std::filesystem::path path_;
};

// A skin of that seed saved to path (the filter by extension).
void SaveSkin(const std::string& path, int seed);

}  // namespace EngineTestSkin
