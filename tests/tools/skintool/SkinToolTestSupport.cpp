#include "tests/tools/skintool/SkinToolTestSupport.h"

#include <filesystem>

namespace skintool_test {

std::string TempFolder(const std::string& name) {
  const std::filesystem::path path = std::filesystem::temp_directory_path() / ("skintool_" + name);
  std::error_code error;
  std::filesystem::remove_all(path, error);
  std::filesystem::create_directories(path);
  return path.string();
}

}  // namespace skintool_test
