#include "skin/store/ProgramDirectory.h"

#include <optional>

namespace {

std::optional<std::string>& Override() {
  static std::optional<std::string> directory;
  return directory;
}

}  // namespace

// Where the platform keeps the running program; one definition per platform.
std::string RunningProgramDirectory();

std::string ProgramDirectory() {
  if (Override()) return *Override();
  return RunningProgramDirectory();
}

void SetProgramDirectory(const std::string& directory) {
  if (directory.empty())
    Override().reset();
  else
    Override() = directory;
}
