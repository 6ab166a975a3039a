#include "tools/skinsource/TWholeFile.h"

#include <filesystem>
#include <fstream>

#include "tools/skinsource/ESkinSourceError.h"

namespace skinsource {

std::vector<std::uint8_t> TWholeFile::Read(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error))
    throw ESkinSourceError("cannot open " + path + ": no such file");
  const auto size = std::filesystem::file_size(path, error);
  if (error || size > static_cast<std::uintmax_t>(kMaxFileSize))
    throw ESkinSourceError("cannot read " + path + ": too large");
  std::ifstream in(path, std::ios::binary);
  if (!in) throw ESkinSourceError("cannot open " + path);
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (static_cast<std::uintmax_t>(in.gcount()) != size)
    throw ESkinSourceError("cannot read " + path);
  return bytes;
}

std::string TWholeFile::ReadText(const std::string& path) {
  const std::vector<std::uint8_t> bytes = Read(path);
  return std::string(bytes.begin(), bytes.end());
}

void TWholeFile::Write(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) throw ESkinSourceError("cannot create " + path);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw ESkinSourceError("cannot write " + path);
}

void TWholeFile::WriteText(const std::string& path, const std::string& text) {
  Write(path, std::vector<std::uint8_t>(text.begin(), text.end()));
}

}  // namespace skinsource
