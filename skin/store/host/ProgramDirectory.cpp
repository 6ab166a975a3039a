#include <filesystem>
#include <string>
#include <system_error>

std::string RunningProgramDirectory();

std::string RunningProgramDirectory() {
  std::error_code error;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return {};
  return exe.parent_path().string() + "/";
}
